#pragma once
#include <QDateTime>
#include <QWidget>

class QLabel;
class QPushButton;

namespace korvelan::app {

// The about window: what the program solves and which build this is. At start
// it doubles as the splash, stay-on-top and without its OK button.
class TAboutBox : public QWidget {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  void ShowAsSplash();
  // Ends the splash: the OK button is visible again and the window closes.
  void EndSplash();
  void ShowWithOk();
  bool IsSplash() const { return splash_; }

  // "Version " + the four version numbers + three blanks + file date + " at " + file time.
  static QString VersionLine(const QString& version, const QDateTime& fileTime);

  QPushButton* OKButton;

 signals:
  // The analyst left the window (OK or its close box); the menu shows itself again.
  void finished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool splash_ = false;
  void OKButtonClick();
  void SetStayOnTop(bool on);
};

}  // namespace korvelan::app
