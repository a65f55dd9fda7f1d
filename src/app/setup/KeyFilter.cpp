#include "setup/KeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace korvelan::app {

KeyFilter::KeyFilter(QLineEdit* field, Allowed allowed, std::function<void()> accepted,
                     std::function<void()> rejected)
    : QObject(field), allowed_(std::move(allowed)), accepted_(std::move(accepted)), rejected_(std::move(rejected)) {
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
  const bool isBackspace = key->key() == Qt::Key_Backspace;
  const bool isCharacter = !isBackspace && !text.isEmpty() && text.at(0).isPrint();
  if (!isCharacter && !isBackspace) return false;
  if (isCharacter && (key->modifiers() & Qt::ControlModifier) && !(key->modifiers() & Qt::AltModifier))
    return false;  // an editing command such as copy or select all
  const bool typed = !(key->modifiers() & (Qt::AltModifier | Qt::MetaModifier));
  if (!typed || (isCharacter && !allowed_().contains(text.at(0)))) {
    rejected_ ? rejected_() : Beep()();
    return true;
  }
  if (accepted_) accepted_();
  return false;
}

}  // namespace korvelan::app
