#pragma once
#include <functional>
#include <string>
#include <vector>

namespace korvelan {

// Everything a solver or a core service needs from outside: progress lines,
// the Lagrangian progress display, pauses, message boxes, the beep, the clock.
// The desktop program implements it with its windows; the batch program and the
// tests use HeadlessRunHost. Stop requests arrive as the ModelState flags
// AbortRequested and HeuristicAbort, which a host may raise while it pauses.
class RunHost {
 public:
  virtual ~RunHost() = default;

  // Heuristic progress window: append lines, keep the newest in view, pause 100 ms.
  virtual void AddProgressLines(const std::vector<std::string>& lines) = 0;
  void AddProgressLine(const std::string& line) { AddProgressLines({line}); }
  // Shows the heuristic progress window with an empty list for a heuristic that
  // runs inside another procedure (the greedy start of set covering), or hides it
  // once that heuristic is done.
  virtual void ShowHeuristicProgress(bool visible) = 0;

  // Lagrangian progress window: show or hide it around a run, and refresh it from
  // the values the solver published in the ModelState.
  virtual void ShowLagProgress(bool visible) = 0;
  virtual void RefreshLagProgress() = 0;

  // Message list window ("Messages") and error list window ("Error form").
  virtual void AddMessageLine(const std::string& line) = 0;
  virtual void AddErrorLine(const std::string& line) = 0;

  // Wait until the wall clock has advanced by the given time, serving window
  // events meanwhile (a headless host returns at once).
  virtual void Delay(int seconds, int milliseconds) = 0;

  // Message boxes. Texts use "\n" for line breaks.
  virtual void Warning(const std::string& text) = 0;
  virtual void Information(const std::string& text) = 0;
  virtual void Error(const std::string& text) = 0;
  // Yes/No confirmation; true for Yes.
  virtual bool Confirm(const std::string& text) = 0;

  virtual void Beep() = 0;

  // Candidate gauges of the Lagrangian progress window, shown while an exchange
  // search runs: CandOutGauge (open sites tried) and CandInGauge (candidates tried),
  // 0..100, and the two labels that show the last decrease ("Dec=...") and the
  // total decrease ("Tot=..."). A host without such a window ignores them.
  virtual void ShowExchangeGauges(bool /*visible*/) {}
  virtual void SetCandidateOutGauge(int /*percent*/) {}
  virtual void SetCandidateInGauge(int /*percent*/) {}
  virtual void SetExchangeLabels(const std::string& /*decrease*/, const std::string& /*total*/) {}

  // The swap search's progress window of the inventory/location model: shown around
  // the search, then after each located site the share of located sites and of
  // candidates done (0..100; a negative share leaves its gauge as it is) and "FOUND
  // SWAP" or "DID NOT FIND SWAP" (an empty status leaves the text). A host without
  // such a window ignores them.
  virtual void ShowSwapProgress(bool /*visible*/) {}
  virtual void SetSwapProgress(int /*sitesPercent*/, int /*candidatesPercent*/, const std::string& /*status*/) {}

  // The genetic algorithm's progress window: shown with an empty list when a run
  // starts, the lines of every bred generation, and after each generation the
  // "Percent Done" gauge (0..100) and the best value's text. A host without such a
  // window ignores them.
  virtual void ShowGeneticProgress() {}
  virtual void AddGeneticProgressLines(const std::vector<std::string>& /*lines*/) {}
  virtual void SetGeneticProgress(int /*percent*/, const std::string& /*best*/) {}

  // Time of day in seconds with milliseconds.
  virtual double ClockSeconds() = 0;
};

// The host of the batch program and the tests: records everything, never waits.
class HeadlessRunHost : public RunHost {
 public:
  struct Message {
    char kind;  // 'W' warning, 'I' information, 'E' error, 'C' confirmation
    std::string text;
  };

  std::vector<std::string> progressLines;
  std::vector<std::string> messageLines;
  std::vector<std::string> errorLines;
  std::vector<Message> messages;
  // The genetic algorithm's window: its list, the last gauge value and best text.
  std::vector<std::string> geneticLines;
  int geneticShown = 0;
  int geneticPercent = 0;
  std::string geneticBest;
  int beeps = 0;
  int lagRefreshes = 0;
  int delays = 0;
  bool lagProgressVisible = false;
  bool heuristicProgressVisible = false;
  int heuristicProgressShows = 0;
  // Progress lines added while the heuristic progress window was hidden.
  int linesWhileHeuristicHidden = 0;
  // Answers given to confirmations in turn; when exhausted, defaultAnswer.
  std::vector<bool> scriptedAnswers;
  bool defaultAnswer = false;
  // Called on every Delay and every Lagrangian refresh: lets a test raise a stop flag.
  std::function<void()> onPause;
  // Called with each message as it is shown (the batch program prints them).
  std::function<void(const Message&)> onMessage;

  void AddProgressLines(const std::vector<std::string>& lines) override;
  void ShowHeuristicProgress(bool visible) override {
    heuristicProgressVisible = visible;
    heuristicProgressShows += visible;
  }
  void ShowLagProgress(bool visible) override { lagProgressVisible = visible; }
  void RefreshLagProgress() override;
  void AddMessageLine(const std::string& line) override { messageLines.push_back(line); }
  void AddErrorLine(const std::string& line) override { errorLines.push_back(line); }
  void Delay(int seconds, int milliseconds) override;
  void Warning(const std::string& text) override { Record('W', text); }
  void Information(const std::string& text) override { Record('I', text); }
  void Error(const std::string& text) override { Record('E', text); }
  bool Confirm(const std::string& text) override;
  void Beep() override { ++beeps; }
  void ShowGeneticProgress() override;
  void AddGeneticProgressLines(const std::vector<std::string>& lines) override;
  void SetGeneticProgress(int percent, const std::string& best) override;
  double ClockSeconds() override;

 private:
  size_t answersUsed_ = 0;
  void Record(char kind, const std::string& text);
};

}  // namespace korvelan
