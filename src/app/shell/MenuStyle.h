#pragma once
#include <QString>

#include "shell/MenuStates.h"

class QLabel;
class QWidget;

namespace korvelan::app {

// The look of the main menu, kept apart from its behaviour.
QString MenuStyleSheet();
// The hint label: lime green while hints are shown, yellow while hidden.
QString HintLabelStyle(bool hintsShown);
// A guide label beside a button.
QLabel* GuideLabel(const char* text);
// The work area once parameters are set and the background picture is gone.
QWidget* BuildIdlePanel();
// The control name of a button ("LoadData", "SetParameters", ...).
QString MenuButtonName(MenuButton b);

}  // namespace korvelan::app
