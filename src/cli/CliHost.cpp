#include "CliHost.h"

#include <atomic>
#include <iostream>

#include "solve/LagProgressText.h"

namespace korvelan::cli {

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

CliRunHost::CliRunHost(const ModelState& m, bool printProgress) : m_(m), printProgress_(printProgress) {
  onMessage = [](const Message& message) {
    static const char* const kinds[] = {"warning", "information", "error", "question (answered No)"};
    const int kind = message.kind == 'W' ? 0 : message.kind == 'I' ? 1 : message.kind == 'E' ? 2 : 3;
    std::cerr << "korvelan-cli: " << kinds[kind] << ": " << OneLine(message.text) << "\n";
  };
}

void CliRunHost::AddProgressLines(const std::vector<std::string>& lines) {
  if (printProgress_)
    for (const std::string& line : lines) std::cerr << line << "\n";
  HeadlessRunHost::AddProgressLines(lines);
}

void CliRunHost::ShowLagProgress(bool visible) {
  HeadlessRunHost::ShowLagProgress(visible);
  if (!printProgress_) return;
  if (!visible && lagShown_) PrintLagLine();  // the values the search ended with
  lagShown_ = visible;
  nextLagLine_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(LagProgressRefreshMilliseconds);
}

void CliRunHost::RefreshLagProgress() {
  HeadlessRunHost::RefreshLagProgress();
  PrintLagLineWhenDue();
}

void CliRunHost::Delay(int seconds, int milliseconds) {
  HeadlessRunHost::Delay(seconds, milliseconds);
  PrintLagLineWhenDue();
}

// The window's timer fires only while the solver pauses or refreshes, so the
// lines come at the same moments.
void CliRunHost::PrintLagLineWhenDue() {
  if (!lagShown_ || std::chrono::steady_clock::now() < nextLagLine_) return;
  PrintLagLine();
  nextLagLine_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(LagProgressRefreshMilliseconds);
}

void CliRunHost::PrintLagLine() {
  std::cerr << LagProgressLine(BuildLagProgressView(m_, m_.Covering.LBinStepsize == 'L', ClockSeconds())) << "\n"
            << std::flush;
}

namespace {

ModelState* interruptedModel = nullptr;

static_assert(std::atomic_ref<uint8_t>::is_always_lock_free, "the stop flag must be set without a lock");

// Only a lock-free store: nothing else is safe inside a signal handler.
extern "C" void RaiseAbortRequested(int) {
  std::atomic_ref<uint8_t>(interruptedModel->AbortRequested).store(1, std::memory_order_relaxed);
}

}  // namespace

StopOnInterrupt::StopOnInterrupt(ModelState& m) {
  interruptedModel = &m;
  struct sigaction action {};
  action.sa_handler = RaiseAbortRequested;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND | SA_RESTART;
  sigaction(SIGINT, &action, &previous_);
}

StopOnInterrupt::~StopOnInterrupt() {
  sigaction(SIGINT, &previous_, nullptr);
  interruptedModel = nullptr;
}

}  // namespace korvelan::cli
