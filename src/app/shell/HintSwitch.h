#pragma once
#include <QObject>

namespace korvelan::app {

// Turns the hints (tool tips) of the whole application on and off.
class HintSwitch : public QObject {
  Q_OBJECT
 public:
  explicit HintSwitch(QObject* parent = nullptr);
  ~HintSwitch() override;
  bool Shown() const { return shown_; }
  void SetShown(bool shown) { shown_ = shown; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool shown_ = true;
};

}  // namespace korvelan::app
