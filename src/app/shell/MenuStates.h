#pragma once
#include <array>
#include <string>

namespace korvelan::app {

// The main menu's buttons. Their enabled state is the application's state machine.
enum class MenuButton {
  LoadData,
  SetParameters,
  RunModels,
  TradeoffCurves,
  DisplayResults,
  MapResults,
  ExchangeSites,
  EditButton,
  ViewData,
  ExitKorvelan,
  AboutButton,
  HintShow,
  PrintSetter,
};
inline constexpr int MenuButtonCount = 13;

struct MenuState {
  std::array<bool, MenuButtonCount> enabled{};
  bool backgroundVisible = true;  // KVEBackground covers the work area until parameters are set

  bool operator[](MenuButton b) const { return enabled[static_cast<int>(b)]; }
  bool operator==(const MenuState&) const = default;
};

// What happens to the menu: its own actions and the returns of the windows it opens.
enum class MenuEvent {
  ProgramStarted,
  LoadFormOpened,           // "&Load Data" went ahead
  LoadCancelled,            // load form cancelled or closed
  DataLoaded,               // load form loaded a data set
  EditorOpenedEditable,     // "Ed&It Data" (or a click on the background)
  ParametersCancelledAfterChange,
  ParametersDone,           // "&Done and Run"
  ForcedStatusesChanged,    // force-nodes form closed after a status change
  InitialSolutionChanged,   // initial-solution form closed after a change
  RunCancelled,
  RunFailed,                // run ended with FatalError
  RunCompleted,             // needs the solved problem code
  LagRunStopped,            // a Lagrangian run stopped by the user
  TradeoffCancelled,
  TradeoffTraced,           // needs the traced problem code
};

// The one place where the enabling rules live: the state after `event`. The
// problem code matters for RunCompleted and TradeoffTraced only.
MenuState NextMenuState(const MenuState& state, MenuEvent event, char problemCode = ' ');

// The Yes/No question asked before a run when the weight for distances beyond
// the coverage distance is not 0.
std::string WeightingConstantQuestion(long double addedConstant);

}  // namespace korvelan::app
