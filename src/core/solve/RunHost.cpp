#include "solve/RunHost.h"

#include "solve/Clock.h"

namespace korvelan {

void HeadlessRunHost::AddProgressLines(const std::vector<std::string>& lines) {
  progressLines.insert(progressLines.end(), lines.begin(), lines.end());
  if (!heuristicProgressVisible) linesWhileHeuristicHidden += static_cast<int>(lines.size());
  Delay(0, 100);
}

void HeadlessRunHost::RefreshLagProgress() {
  ++lagRefreshes;
  if (onPause) onPause();
}

void HeadlessRunHost::Delay(int, int) {
  ++delays;
  if (onPause) onPause();
}

bool HeadlessRunHost::Confirm(const std::string& text) {
  Record('C', text);
  if (answersUsed_ < scriptedAnswers.size()) return scriptedAnswers[answersUsed_++];
  return defaultAnswer;
}

void HeadlessRunHost::ShowGeneticProgress() {
  ++geneticShown;
  geneticLines.clear();
}

void HeadlessRunHost::AddGeneticProgressLines(const std::vector<std::string>& lines) {
  geneticLines.insert(geneticLines.end(), lines.begin(), lines.end());
}

void HeadlessRunHost::SetGeneticProgress(int percent, const std::string& best) {
  geneticPercent = percent;
  geneticBest = best;
}

double HeadlessRunHost::ClockSeconds() { return WallClockSeconds(); }

void HeadlessRunHost::Record(char kind, const std::string& text) {
  messages.push_back({kind, text});
  if (onMessage) onMessage(messages.back());
}

}  // namespace korvelan
