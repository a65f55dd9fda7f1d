#include "CliHost.h"

#include <atomic>
#include <csignal>
#include <ctime>
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
// When the first Ctrl-C arrived (monotonic nanoseconds; 0 while none has).
std::atomic<int64_t> firstInterruptAt{0};

// timeout(1) sends its signal to the command and then to the command's process
// group, so one request can arrive twice within microseconds. Only a Ctrl-C at
// least this long after the first is a second request.
constexpr int64_t SecondInterruptAfterNanoseconds = 500'000'000;

static_assert(std::atomic_ref<uint8_t>::is_always_lock_free, "the stop flag must be set without a lock");
static_assert(std::atomic<int64_t>::is_always_lock_free,
              "the first interrupt's time must be kept without a lock");

int64_t MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);  // safe inside a signal handler
  return int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Only lock-free atomics, clock_gettime, sigaction and raise: nothing else is
// safe inside a signal handler.
extern "C" void OnInterrupt(int) {
  const int64_t now = MonotonicNanoseconds();
  const int64_t first = firstInterruptAt.load(std::memory_order_relaxed);
  if (first == 0) {
    firstInterruptAt.store(now, std::memory_order_relaxed);
    std::atomic_ref<uint8_t>(interruptedModel->AbortRequested).store(1, std::memory_order_relaxed);
    return;
  }
  if (now - first < SecondInterruptAfterNanoseconds) return;
  // A second request ends the program the way Ctrl-C ends any program.
  struct sigaction defaultAction {};
  defaultAction.sa_handler = SIG_DFL;
  sigemptyset(&defaultAction.sa_mask);
  sigaction(SIGINT, &defaultAction, nullptr);
  raise(SIGINT);  // delivered as soon as this handler returns
}

}  // namespace

StopOnInterrupt::StopOnInterrupt(ModelState& m) {
  interruptedModel = &m;
  firstInterruptAt.store(0, std::memory_order_relaxed);
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, &previous_);
}

StopOnInterrupt::~StopOnInterrupt() {
  sigaction(SIGINT, &previous_, nullptr);
  interruptedModel = nullptr;
}

}  // namespace korvelan::cli
