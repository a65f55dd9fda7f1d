#pragma once
#include <functional>

#include "shell/MenuStates.h"

namespace korvelan::app {

// The setup, run and results forms' link to the main menu, which owns the
// enabling rules of its step buttons. Every hook has a harmless default, so a
// form works (and is tested) without a menu.
struct MenuLink {
  // The menu applies its enabling rules to an event (the code matters for a completed run).
  std::function<void(MenuEvent, char)> apply = [](MenuEvent, char) {};
  std::function<void()> showMenu = [] {};
  std::function<bool(MenuButton)> enabled = [](MenuButton) { return false; };

  void Report(MenuEvent event, char problemCode = ' ') const { apply(event, problemCode); }
};

}  // namespace korvelan::app
