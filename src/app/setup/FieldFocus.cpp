#include "setup/FieldFocus.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace korvelan::app {

namespace {

// Focus that goes to a message box, a popup, the menu bar or another window
// comes back to the field: the analyst has not moved on.
bool EndsVisit(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
         reason != Qt::MenuBarFocusReason;
}

bool TakesTabFocus(const QWidget* widget, const QWidget* window) {
  return widget->window() == window && widget->isVisibleTo(window) && widget->isEnabled() &&
         (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget->focusProxy();
}

// A press on the form itself, or passed on to it by a label or a disabled
// control, takes the focus off the field. The form takes no click focus of its
// own: a click on a disabled button must leave the field without pressing the
// button the leave rule may enable.
class BackgroundClick : public QObject {
 public:
  explicit BackgroundClick(QWidget* form) : QObject(form), form_(form) { form->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == form_ && event->type() == QEvent::MouseButtonPress) form_->setFocus(Qt::MouseFocusReason);
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* form_;
};

// The control Tab (or Shift+Tab) reaches from `from` as the form stands now.
QWidget* NextTabStop(QWidget* from, bool forward) {
  const QWidget* window = from->window();
  for (QWidget* w = forward ? from->nextInFocusChain() : from->previousInFocusChain(); w && w != from;
       w = forward ? w->nextInFocusChain() : w->previousInFocusChain())
    if (TakesTabFocus(w, window)) return w;
  return nullptr;
}

}  // namespace

FieldWatcher::FieldWatcher(QLineEdit* field, std::function<void()> left, std::function<void()> entered)
    : QObject(field), field_(field), left_(std::move(left)), entered_(std::move(entered)) {
  field->installEventFilter(this);
  connect(field, &QLineEdit::returnPressed, this, &FieldWatcher::ReturnPressed);
}

bool FieldWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_) {
    switch (event->type()) {
      case QEvent::FocusIn: Enter(); break;
      case QEvent::FocusOut: Leave(static_cast<QFocusEvent*>(event)->reason()); break;
      case QEvent::Hide: inside_ = false; break;  // a hidden field's visit is over
      default: break;
    }
  }
  return QObject::eventFilter(watched, event);
}

void FieldWatcher::Enter() {
  if (inside_) return;
  inside_ = true;
  if (entered_) entered_();
}

void FieldWatcher::Leave(Qt::FocusReason reason) {
  if (!inside_ || !EndsVisit(reason)) return;
  inside_ = false;
  const bool byTab = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
  const bool forward = reason == Qt::TabFocusReason;
  QWidget* stopBefore = byTab ? NextTabStop(field_, forward) : nullptr;
  RunLeftRule();
  if (!byTab || !field_->window()->isVisible()) return;
  QWidget* stopNow = NextTabStop(field_, forward);
  if (stopNow && stopNow != stopBefore) stopNow->setFocus(reason);
}

// Return runs the rule and keeps the focus in the field, unless the rule
// disabled or hid it: then the focus goes on to the control that follows the
// field once the rule has opened the next step.
void FieldWatcher::ReturnPressed() {
  QWidget* window = field_->window();
  const bool hadFocus = window->focusWidget() == field_;
  RunLeftRule();
  if (!hadFocus || window->focusWidget() == field_ || !window->isVisible()) return;
  if (QWidget* next = NextTabStop(field_, true)) next->setFocus(Qt::TabFocusReason);
}

// The rule may disable or hide the field, which moves the focus on again; that
// is part of the same leave and does not run the rule a second time.
void FieldWatcher::RunLeftRule() {
  if (running_ || !left_) return;
  running_ = true;
  left_();
  running_ = false;
}

QObject* WatchField(QLineEdit* field, std::function<void()> left, std::function<void()> entered) {
  return new FieldWatcher(field, std::move(left), std::move(entered));
}

void LeaveFieldsOnBackgroundClick(QWidget* form) { new BackgroundClick(form); }

void SetTabOrder(const std::vector<QWidget*>& order) {
  for (size_t k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
}

}  // namespace korvelan::app
