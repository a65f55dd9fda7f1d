#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "model/ModelState.h"

class QListWidget;
class QPushButton;

namespace korvelan::app {

// "Heuristic Progress Form": the lines a heuristic reports while it runs, with
// an abort button that asks the running procedure to stop.
class THeuristicProgressForm : public QWidget {
  Q_OBJECT
 public:
  explicit THeuristicProgressForm(ModelState& model, QWidget* parent = nullptr);

  // Shows the window for a new run, with an empty list.
  void ShowCleared();
  // Appends the lines and moves the selection down by as many, so the newest is in view.
  void AddLines(const std::vector<std::string>& lines);

  QListWidget* ProgressBox;
  QPushButton* AbortButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ModelState& model_;
};

}  // namespace korvelan::app
