#pragma once
#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;

namespace korvelan::app {

// Accepts only the given characters (and backspace) typed into an edit field;
// any other character key sounds the beep and is dropped, and so is a character
// key held with Alt or Meta (a mnemonic of a disabled button, say), which would
// otherwise type its letter. Navigation keys and Ctrl editing commands pass
// untouched. `accepted` runs after every key that types into the field.
class KeyFilter : public QObject {
  Q_OBJECT
 public:
  using Allowed = std::function<QString()>;
  KeyFilter(QLineEdit* field, Allowed allowed, std::function<void()> accepted = {},
            std::function<void()> rejected = {});

  // The beep every rejected key sounds unless the field has its own `rejected`;
  // tests replace it to count.
  static std::function<void()>& Beep();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Allowed allowed_;
  std::function<void()> accepted_;
  std::function<void()> rejected_;
};

inline const QString Digits = QStringLiteral("0123456789");
// What the number boxes of the settings forms take.
inline const QString SettingCharacters = QStringLiteral("0123456789.-");

}  // namespace korvelan::app
