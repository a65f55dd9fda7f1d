#pragma once
#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace korvelan::app {

// Accepts only the given characters (and backspace) typed into an edit field;
// any other character key sounds the beep and is dropped. Navigation and
// editing keys without text pass untouched. `accepted` runs after every key
// that is let through.
class KeyFilter : public QObject {
  Q_OBJECT
 public:
  using Allowed = std::function<QString()>;
  KeyFilter(QLineEdit* field, Allowed allowed, std::function<void()> accepted = {});

  // The beep every rejected key sounds; tests replace it to count.
  static std::function<void()>& Beep();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Allowed allowed_;
  std::function<void()> accepted_;
};

inline const QString Digits = QStringLiteral("0123456789");

}  // namespace korvelan::app

namespace korvelan::app {

// Runs `entered` each time the widget receives the keyboard focus.
void OnFocusIn(QWidget* widget, std::function<void()> entered);

// Runs `left` when the keyboard focus moves from the widget to another widget of
// the program (not when a message box or another window takes it for a while).
void OnFocusLeave(QWidget* widget, std::function<void()> left);

}  // namespace korvelan::app
