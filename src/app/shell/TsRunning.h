#pragma once
#include <QWidget>

namespace korvelan::app {

// The notice shown while a model runs without the Lagrangian progress window.
class TRunning : public QWidget {
  Q_OBJECT
 public:
  explicit TRunning(QWidget* parent = nullptr);
};

}  // namespace korvelan::app
