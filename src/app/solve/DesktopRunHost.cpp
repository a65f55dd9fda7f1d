#include "solve/DesktopRunHost.h"

#include <QApplication>
#include <QProgressBar>

#include "invloc/TolvanSwapProgress.h"
#include "median/GAProgForm.h"
#include "shell/Dialogs.h"
#include "shell/LineListWindow.h"
#include "solve/Clock.h"
#include "solve/Delay.h"
#include "solve/TSHeuristicProgressForm.h"
#include "solve/TSShowLag.h"

namespace korvelan::app {

DesktopRunHost::DesktopRunHost(Windows windows, Dialogs& dialogs) : windows_(windows), dialogs_(dialogs) {}

void DesktopRunHost::AddProgressLines(const std::vector<std::string>& lines) {
  windows_.heuristic->AddLines(lines);
  if (windows_.heuristic->PausesOnEachLine())
    Delay(0, 100);
  else
    windows_.heuristic->RepaintWhenDue();
}

void DesktopRunHost::ShowHeuristicProgress(bool visible) {
  if (visible)
    windows_.heuristic->ShowCleared();
  else
    windows_.heuristic->HideAfterUse();
}

void DesktopRunHost::ShowLagProgress(bool visible) {
  if (visible) {
    windows_.lagrangian->show();
    windows_.lagrangian->raise();
  } else {
    windows_.lagrangian->hide();
  }
}

void DesktopRunHost::RefreshLagProgress() { windows_.lagrangian->Refresh(); }

void DesktopRunHost::AddMessageLine(const std::string& line) { windows_.messages->AddLine(line); }

void DesktopRunHost::AddErrorLine(const std::string& line) { windows_.errors->AddLine(line); }

void DesktopRunHost::Delay(int seconds, int milliseconds) { app::Delay(seconds, milliseconds); }

void DesktopRunHost::Warning(const std::string& text) { dialogs_.Warning(QString::fromStdString(text)); }

void DesktopRunHost::Information(const std::string& text) { dialogs_.Information(QString::fromStdString(text)); }

void DesktopRunHost::Error(const std::string& text) { dialogs_.Error(QString::fromStdString(text)); }

bool DesktopRunHost::Confirm(const std::string& text) { return dialogs_.Confirm(QString::fromStdString(text)); }

void DesktopRunHost::Beep() { QApplication::beep(); }

void DesktopRunHost::ShowExchangeGauges(bool visible) { windows_.lagrangian->ShowExchangeGauges(visible); }

void DesktopRunHost::SetCandidateOutGauge(int percent) { windows_.lagrangian->CandOutGauge->setValue(percent); }

void DesktopRunHost::SetCandidateInGauge(int percent) { windows_.lagrangian->CandInGauge->setValue(percent); }

void DesktopRunHost::SetExchangeLabels(const std::string& decrease, const std::string& total) {
  windows_.lagrangian->SetExchangeLabels(QString::fromStdString(decrease), QString::fromStdString(total));
}

void DesktopRunHost::ShowSwapProgress(bool visible) {
  if (windows_.swap) windows_.swap->setVisible(visible);
}

void DesktopRunHost::SetSwapProgress(int sitesPercent, int candidatesPercent, const std::string& status) {
  if (windows_.swap) windows_.swap->SetProgress(sitesPercent, candidatesPercent, QString::fromStdString(status));
}

void DesktopRunHost::ShowGeneticProgress() { windows_.genetic->ShowCleared(); }

void DesktopRunHost::AddGeneticProgressLines(const std::vector<std::string>& lines) {
  windows_.genetic->AddLines(lines);
}

void DesktopRunHost::SetGeneticProgress(int percent, const std::string& best) {
  windows_.genetic->SetProgress(percent, QString::fromStdString(best));
}

double DesktopRunHost::ClockSeconds() { return WallClockSeconds(); }

}  // namespace korvelan::app
