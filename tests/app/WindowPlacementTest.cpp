// Windows shown again come back where they were left, and wholly on the screen.
#include <QScreen>
#include <QtTest>

#include "shell/WindowPlacement.h"

using namespace korvelan::app;

class WindowPlacementTest : public QObject {
  Q_OBJECT

  static QRect Available(const QWidget& window) { return window.screen()->availableGeometry(); }

  // A window of the program, shown once at a known place.
  struct ShownWindow {
    QWidget window;
    ShownWindow() {
      window.resize(300, 200);
      window.move(40, 30);
      window.show();
      if (!QTest::qWaitForWindowExposed(&window)) qFatal("window not shown");
    }
    void HideAndShow() {
      window.hide();
      window.show();
    }
  };

 private slots:
  void keptInsideTheAvailableArea_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("inside stays") << QRect(10, 20, 300, 200) << QRect(10, 20, 300, 200);
    QTest::newRow("past the bottom") << QRect(2, 500, 300, 200) << QRect(2, 400, 300, 200);
    QTest::newRow("past the right") << QRect(700, 20, 300, 200) << QRect(500, 20, 300, 200);
    QTest::newRow("above and left") << QRect(-50, -10, 300, 200) << QRect(0, 0, 300, 200);
    QTest::newRow("larger than the area") << QRect(100, 100, 900, 700) << QRect(0, 0, 800, 600);
  }

  void keptInsideTheAvailableArea() {
    QFETCH(QRect, frame);
    QFETCH(QRect, expected);
    QCOMPARE(WindowPlacement::KeptInside(frame, QRect(0, 0, 800, 600)), expected);
  }

  void comesBackWhereItWasMoved() {
    WindowPlacement placement;
    ShownWindow shown;
    shown.window.move(120, 90);
    shown.HideAndShow();
    QCOMPARE(shown.window.pos(), QPoint(120, 90));
  }

  // Left hanging over the bottom right corner, the window comes back inside.
  void comesBackWhollyOnTheScreen() {
    WindowPlacement placement;
    ShownWindow shown;
    const QRect area = Available(shown.window);
    shown.window.move(area.right() - 100, area.bottom() - 80);
    shown.HideAndShow();
    const QRect frame = shown.window.frameGeometry();
    QVERIFY2(area.contains(frame), qPrintable(QString("%1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
    QCOMPARE(frame.bottomRight(), area.bottomRight());
  }

  // A window without a place of its own opens over the window the analyst works in.
  void firstShowingOpensOverTheActiveWindow() {
    WindowPlacement placement;
    ShownWindow working;
    QApplication::setActiveWindow(&working.window);
    QVERIFY(QTest::qWaitForWindowActive(&working.window));
    QWidget opened;
    opened.resize(120, 80);
    opened.show();
    QVERIFY(QTest::qWaitForWindowExposed(&opened));
    QCOMPARE(opened.frameGeometry().center(), working.window.frameGeometry().center());
  }

  // A place the program gives a hidden window (a splash centred on the menu, say) wins.
  void placeGivenWhileHiddenWins() {
    WindowPlacement placement;
    ShownWindow shown;
    shown.window.move(120, 90);
    shown.window.hide();
    shown.window.move(60, 50);
    shown.window.show();
    QCOMPARE(shown.window.pos(), QPoint(60, 50));
  }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
