#pragma once
#include <signal.h>

#include <chrono>
#include <string>
#include <vector>

#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan::cli {

// Message-box texts become one line on standard error.
std::string OneLine(std::string text);

// The headless host of the batch program: message boxes go to standard error,
// questions take the answer that changes nothing (No). With progress on, the
// heuristic progress lines are printed on standard error, and while the
// Lagrangian progress window would be shown, one line of its values at each of
// its refreshes (every LagProgressRefreshMilliseconds) and one when the search ends.
class CliRunHost : public HeadlessRunHost {
 public:
  CliRunHost(const ModelState& m, bool printProgress);
  void AddProgressLines(const std::vector<std::string>& lines) override;
  void ShowLagProgress(bool visible) override;
  void RefreshLagProgress() override;
  void Delay(int seconds, int milliseconds) override;

 private:
  void PrintLagLineWhenDue();
  void PrintLagLine();

  const ModelState& m_;
  bool printProgress_;
  bool lagShown_ = false;
  std::chrono::steady_clock::time_point nextLagLine_;
};

// While it lives, Ctrl-C (SIGINT) does what the abort button of the Lagrangian
// progress window does: it raises the model's AbortRequested, and the search
// stops at its next look at the flag, keeping its best solution. A second Ctrl-C,
// half a second or more after the first, ends the program at once; one sooner is
// the same request delivered twice (timeout(1) signals the command and its group).
class StopOnInterrupt {
 public:
  explicit StopOnInterrupt(ModelState& m);
  ~StopOnInterrupt();
  StopOnInterrupt(const StopOnInterrupt&) = delete;
  StopOnInterrupt& operator=(const StopOnInterrupt&) = delete;

 private:
  struct sigaction previous_ {};
};

}  // namespace korvelan::cli
