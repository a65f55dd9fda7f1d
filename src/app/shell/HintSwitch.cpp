#include "shell/HintSwitch.h"

#include <QApplication>
#include <QEvent>

namespace korvelan::app {

HintSwitch::HintSwitch(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

HintSwitch::~HintSwitch() {
  if (qApp) qApp->removeEventFilter(this);
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
  if (!shown_ && event->type() == QEvent::ToolTip) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace korvelan::app
