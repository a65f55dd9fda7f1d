#include "shell/MenuStates.h"

#include <initializer_list>

#include "solve/TextFormat.h"

namespace korvelan::app {

namespace {

using B = MenuButton;

void Set(MenuState& s, std::initializer_list<B> buttons, bool on) {
  for (B b : buttons) s.enabled[static_cast<int>(b)] = on;
}

constexpr std::initializer_list<B> Results = {B::DisplayResults, B::MapResults, B::ExchangeSites};
constexpr std::initializer_list<B> RunsAndResults = {B::RunModels, B::TradeoffCurves, B::DisplayResults,
                                                     B::MapResults, B::ExchangeSites};

// Solutions of these models cannot be changed by hand.
bool ExchangeAllowedAfterRun(char code) {
  for (char c : {'S', 'P', '%', '&', 'V'})
    if (code == c) return false;
  return true;
}

MenuState StartState() {
  MenuState s;
  Set(s, {B::LoadData, B::ExitKorvelan, B::AboutButton, B::HintShow, B::PrintSetter}, true);
  s.backgroundVisible = true;
  return s;
}

}  // namespace

MenuState NextMenuState(const MenuState& state, MenuEvent event, char problemCode) {
  MenuState s = state;
  switch (event) {
    case MenuEvent::ProgramStarted:
      return StartState();
    case MenuEvent::LoadFormOpened:
      s.backgroundVisible = true;
      Set(s, {B::ViewData, B::EditButton}, false);
      break;
    case MenuEvent::LoadCancelled:
      Set(s, {B::SetParameters}, false);
      Set(s, RunsAndResults, false);
      break;
    case MenuEvent::DataLoaded:
      Set(s, {B::SetParameters, B::EditButton, B::ViewData}, true);
      Set(s, RunsAndResults, false);
      break;
    case MenuEvent::EditorOpenedEditable:
      Set(s, {B::SetParameters}, true);
      Set(s, RunsAndResults, false);
      break;
    case MenuEvent::ParametersCancelledAfterChange:
      Set(s, RunsAndResults, false);
      break;
    case MenuEvent::ParametersDone:
      Set(s, {B::RunModels, B::TradeoffCurves}, true);
      Set(s, Results, false);
      s.backgroundVisible = false;
      break;
    case MenuEvent::ForcedStatusesChanged:
    case MenuEvent::InitialSolutionChanged:
    case MenuEvent::RunCancelled:
    case MenuEvent::RunFailed:
    case MenuEvent::TradeoffCancelled:
      Set(s, Results, false);
      break;
    case MenuEvent::RunCompleted:
      Set(s, {B::DisplayResults, B::MapResults}, true);
      Set(s, {B::ExchangeSites}, ExchangeAllowedAfterRun(problemCode));
      break;
    case MenuEvent::LagRunStopped:
      Set(s, {B::ExchangeSites}, false);
      break;
    case MenuEvent::TradeoffTraced:
      Set(s, {B::DisplayResults, B::MapResults}, true);
      Set(s, {B::ExchangeSites}, problemCode != 'D');
      break;
  }
  return s;
}

std::string WeightingConstantQuestion(long double addedConstant) {
  return "WARNING ... WARNING\r\rConstant multiplier for distances > coverage distance is not equal to 0\r"
         "Current constant = " +
         FormatFixed(addedConstant, 15, 3) + "\r" +
         "Do you want to reset the weighting constant for distances greater than the coverage distance?" +
         "\r\r" + "WARNING ... WARNING";
}

}  // namespace korvelan::app
