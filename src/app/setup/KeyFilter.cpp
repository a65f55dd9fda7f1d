#include "setup/KeyFilter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace korvelan::app {

KeyFilter::KeyFilter(QLineEdit* field, Allowed allowed, std::function<void()> accepted)
    : QObject(field), allowed_(std::move(allowed)), accepted_(std::move(accepted)) {
  field->installEventFilter(this);
}

std::function<void()>& KeyFilter::Beep() {
  static std::function<void()> beep = [] { QApplication::beep(); };
  return beep;
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  const bool isCharacter = !text.isEmpty() && text.at(0).isPrint() &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  const bool isBackspace = key->key() == Qt::Key_Backspace;
  if (!isCharacter && !isBackspace) return false;
  if (isCharacter && !allowed_().contains(text.at(0))) {
    Beep()();
    return true;
  }
  if (accepted_) accepted_();
  return false;
}

}  // namespace korvelan::app

namespace korvelan::app {

namespace {

class FocusInWatcher : public QObject {
 public:
  FocusInWatcher(QWidget* widget, std::function<void()> entered) : QObject(widget), entered_(std::move(entered)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) entered_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> entered_;
};

class LeaveWatcher : public QObject {
 public:
  LeaveWatcher(QWidget* widget, std::function<void()> left) : QObject(widget), left_(std::move(left)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) left_();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> left_;
};

}  // namespace

void OnFocusLeave(QWidget* widget, std::function<void()> left) { new LeaveWatcher(widget, std::move(left)); }

void OnFocusIn(QWidget* widget, std::function<void()> entered) { new FocusInWatcher(widget, std::move(entered)); }

}  // namespace korvelan::app
