#pragma once
#include <QObject>
#include <QRect>

class QWidget;

namespace korvelan::app {

// Every window of the program comes back where the analyst left it when it is
// shown again, and always wholly on its screen. One application-wide filter does
// it for all windows and dialogs, so a form needs nothing of its own:
// - the position a window has when it is hidden (wherever the analyst or the
//   program moved it) is remembered and given back the next time it is shown;
// - a position the program sets while the window is hidden replaces the
//   remembered one;
// - a window shown for the first time without a position of its own opens
//   centred over the active window (or on the screen);
// - a window about to be shown partly off the available area of its screen is
//   moved (and if need be shrunk) to lie inside it.
class WindowPlacement : public QObject {
  Q_OBJECT
 public:
  explicit WindowPlacement(QObject* parent = nullptr);
  ~WindowPlacement() override;

  // Where a window whose frame is `frame` goes so that it lies inside `available`.
  static QRect KeptInside(QRect frame, const QRect& available);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static void Remember(QWidget* window);
  static void Forget(QWidget* window);
  static void PlaceForShowing(QWidget* window);
  static void PlaceFirstTime(QWidget* window);
  static void KeepOnScreen(QWidget* window);
  static void MoveTo(QWidget* window, const QPoint& place);
};

}  // namespace korvelan::app
