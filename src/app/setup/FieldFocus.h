#pragma once
#include <QObject>
#include <functional>
#include <vector>

class QLineEdit;
class QWidget;

namespace korvelan::app {

// The one rule for entering and leaving an edit field, used by every form that
// checks a field when it is left.
//
// A visit starts when the keyboard focus comes into the field and ends when the
// focus goes to another control of the window (a click, Tab, a mnemonic, the
// field hidden or disabled), whether the text changed or not. The window losing
// the focus to a message box, a popup or another window does not end the visit.
// `left` runs once at the end of every visit, and also each time Return or Enter
// is pressed in the field. `entered` runs at the start of every visit.
//
// When the field was left with Tab (or Return made `left` disable it) and `left`
// opened the next step of the form (showed or enabled controls), the focus goes
// on to the control that now follows the field, not the one found before.
// The watcher belongs to the field; it is returned for a form that wants to
// drop it early.
QObject* WatchField(QLineEdit* field, std::function<void()> left, std::function<void()> entered = {});

// Lets a click on an empty part of the form (or on a label or a disabled
// control) take the focus, so that clicking beside a field leaves it as a click
// on another control does.
void LeaveFieldsOnBackgroundClick(QWidget* form);

// Tab visits the controls in the order given (hidden or disabled ones are skipped).
void SetTabOrder(const std::vector<QWidget*>& order);

class FieldWatcher : public QObject {
  Q_OBJECT
 public:
  FieldWatcher(QLineEdit* field, std::function<void()> left, std::function<void()> entered);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Enter();
  void Leave(Qt::FocusReason reason);
  void ReturnPressed();
  void RunLeftRule();
  QLineEdit* field_;
  std::function<void()> left_;
  std::function<void()> entered_;
  bool inside_ = false;
  bool running_ = false;
};

}  // namespace korvelan::app
