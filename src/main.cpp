#include <QApplication>

#include "model/ModelState.h"
#include "shell/DesktopProgram.h"
#include "shell/Dialogs.h"

using namespace korvelan;
using namespace korvelan::app;

// The desktop program: one ModelState, every window created once, the event loop.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("KORVELAN");
  QApplication::setApplicationDisplayName("KORVELAN");
  // The menu hides itself while another window has the work; the program ends
  // only when the analyst confirms the exit.
  QApplication::setQuitOnLastWindowClosed(false);

  ModelState model;
  QtDialogs dialogs;
  DesktopProgram program(model, dialogs);
  dialogs.SetParent(&program.menu);
  QObject::connect(&program.menu, &TKorvelanMain::exitConfirmed, &app, &QApplication::quit);

  program.menu.show();
  program.menu.StartSplash();
  return QApplication::exec();
}
