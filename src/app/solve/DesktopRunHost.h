#pragma once
#include "solve/RunHost.h"

namespace korvelan::app {

class Dialogs;
class TErrorForm;
class TGAProgForm;
class THeuristicProgressForm;
class TLagProgForm;
class TMessageForm;
class TTolvanSwapProgress;

// The RunHost of the desktop program: progress lines go to the heuristic
// progress window, the Lagrangian values to its progress window, notes to the
// message and error lists; pauses serve window events so the abort buttons work.
class DesktopRunHost : public RunHost {
 public:
  struct Windows {
    THeuristicProgressForm* heuristic;
    TLagProgForm* lagrangian;
    TMessageForm* messages;
    TErrorForm* errors;
    TGAProgForm* genetic;
    TTolvanSwapProgress* swap = nullptr;
  };
  DesktopRunHost(Windows windows, Dialogs& dialogs);

  void AddProgressLines(const std::vector<std::string>& lines) override;
  void ShowHeuristicProgress(bool visible) override;
  void ShowLagProgress(bool visible) override;
  void RefreshLagProgress() override;
  void AddMessageLine(const std::string& line) override;
  void AddErrorLine(const std::string& line) override;
  void Delay(int seconds, int milliseconds) override;
  void Warning(const std::string& text) override;
  void Information(const std::string& text) override;
  void Error(const std::string& text) override;
  bool Confirm(const std::string& text) override;
  void Beep() override;
  void ShowExchangeGauges(bool visible) override;
  void SetCandidateOutGauge(int percent) override;
  void SetCandidateInGauge(int percent) override;
  void SetExchangeLabels(const std::string& decrease, const std::string& total) override;
  void ShowSwapProgress(bool visible) override;
  void SetSwapProgress(int sitesPercent, int candidatesPercent, const std::string& status) override;
  void ShowGeneticProgress() override;
  void AddGeneticProgressLines(const std::vector<std::string>& lines) override;
  void SetGeneticProgress(int percent, const std::string& best) override;
  double ClockSeconds() override;

 private:
  Windows windows_;
  Dialogs& dialogs_;
};

}  // namespace korvelan::app
