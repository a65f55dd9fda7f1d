#include "solve/Delay.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace korvelan::app {

void Delay(int seconds, int milliseconds) {
  const int total = seconds * 1000 + milliseconds;
  QCoreApplication::processEvents();
  if (total <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(total, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace korvelan::app
