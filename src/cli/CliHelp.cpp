#include "CliHelp.h"

#include "CliOptions.h"
#include "CliProblems.h"

namespace korvelan::cli {
namespace {

// Wraps text to the given width, every line indented.
std::string Wrapped(const std::string& text, size_t indent, size_t width) {
  std::string out, line;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (!line.empty() && indent + line.size() + 1 + word.size() > width) {
      out += std::string(indent, ' ') + line + "\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    start = end + 1;
  }
  if (!line.empty()) out += std::string(indent, ' ') + line + "\n";
  return out;
}

std::string OptionsSection(const std::vector<CliOption>& table) {
  std::string out;
  for (const CliOption& option : table) {
    out += "  " + option.name + (option.value.empty() ? "" : " " + option.value) + "\n";
    out += Wrapped(option.help, 8, 79);
  }
  return out;
}

const char* const kHead = R"(NAME
  korvelan-cli - solve facility-location models from the command line

SYNOPSIS
  korvelan-cli solve --demand FILE [--sites FILE | --circle-points]
      [--metric euclidean|great-circle|manhattan|network] [--km]
      [--distances FILE] [--weight W] --coverage D --cost-per-mile C
      [--status FILE.FOR] [--initial FILE.SOL] --problem NAME
      [--algorithm NAME] [--locate N] [--timing every|last]
      [--add-first|--drop-first] [--no-dominated-exclusion]
      [--cover-fraction F | --cover-nodes N] [--upper-estimate D]
      [--lower-estimate D] [--weighted] [--set NAME=VALUE ...]
      [--report FILE|-] [--solution FILE.SOL] [--json FILE|-] [--progress]
  korvelan-cli tradeoff --demand FILE ... --coverage D --cost-per-mile C
      --problem max-covering|p-median|fixed-charge|covering-median
      [--algorithm NAME] [--locate N] [--timing every|last]
      [--no-dominated-exclusion] [--set NAME=VALUE ...] [--csv FILE|-]
      [--json FILE|-] [--report-file FILE] [--progress]
  korvelan-cli --help
  korvelan-cli --version

DESCRIPTION
  Loads a data set, sets the coverage distance and the cost per mile, applies
  the site statuses and the initial solution, solves one model and reports the
  result, exactly as the desktop program KORVELAN does through its forms, with
  the same checks and messages. It never waits for anyone: messages the
  desktop program shows in boxes are printed on standard error, and every
  question is answered with the choice that changes nothing.

  The results report (the basic results and the location summary) goes to
  standard output unless --report names a file. Files are written whole or not
  at all: a temporary file in the same folder is renamed over the target, so
  after a failure an earlier file is unchanged. A symbolic link stays a link
  (the file it leads to is written), and a device or a pipe (/dev/null,
  /dev/stdout) is written straight through. Before anything is read, every
  output's folder must exist and accept files, and no two outputs may name the
  same file.

  An option that does not apply to the chosen model is ignored with a warning;
  an option given twice with different values, or two options that contradict
  each other, are bad usage.

OPTIONS
)";

const char* const kTradeoff = R"(
TRADEOFF CURVES
  "tradeoff" loads the data and the parameters as "solve" does and traces the
  curve of "&Tradeoff Curves": covered demand (max-covering), average distance
  (p-median) or total cost (fixed-charge) with 1, 2, ... facilities up to every
  site that is not excluded, or, for a fixed number of facilities (--locate),
  the supported combinations of average distance and covered demand
  (covering-median) with the curve measures ICP and IPF. The curve goes to
  standard output as CSV unless --csv, --json or --report-file name outputs.
  JSON: one object with problem (code letter), algorithm, status and points in
  curve order: {"facilities": k, "value": v} for the first three curves, and
  {"weighted_distance", "average_distance", "covered_demand", "weight",
  "located"} for covering-median, whose object also holds icp,
  icp_normalized, ipf, ipf_normalized and weighted_median_runs. The CSV has the
  same columns (located: the sites separated by blanks). Ctrl-C stops a
  heuristic curve between facility counts (its points so far are written, exit
  status 4) and a covering-median curve's Lagrangian run in progress.

TRADEOFF OPTIONS
)";

const char* const kStopping = R"(
STOPPING A RUN
  Ctrl-C (SIGINT) during a run does what the abort button of the Lagrangian
  progress window does: the search stops at its next look at the flag, its
  best solution is installed and reported, and the exit status is 4. A request
  made before the Lagrangian search begins is cleared when it begins, as the
  abort button is; heuristics run to their end. A second Ctrl-C, half a
  second or more after the first, ends the program at once. Two signals
  within half a second are one request: timeout(1) sends its signal to the
  command and again to the command's process group, so "timeout -s INT"
  stops a run once and its results are still written.

  With --progress, a Lagrangian run prints the values of the Lagrangian
  progress window (locations, iterations, tree nodes and level, bounds, gap,
  step) as one line on standard error at each of the window's refreshes (every
  2 seconds) and once more when the search ends.
)";

const char* const kTail = R"(
JSON SUMMARY
  One object with: problem (the model's code letter), algorithm, status
  ("completed", "stopped" or "fatal"), nodes, demand_nodes, total_demand,
  coverage_distance (for the center models the distance found), cost_per_mile,
  num_located, located (ascending node numbers), covered_demand,
  weighted_distance, average_distance, max_assigned_distance, fixed_cost,
  total_cost, upper_bound, lower_bound, iterations, branch_nodes and seconds
  (wall time of the solve alone).

EXIT STATUS
  0  the run completed
  2  bad usage or bad input (the message names the option, or the file and the
     line); nothing was solved. Also when an output file could not be written.
  3  "Fatal Error in execution of algorithm." (no usable solution)
  4  the solver stopped before it finished (Ctrl-C); its best solution is
     reported

EXAMPLES
  korvelan-cli solve --demand cities.grt --coverage 150 --cost-per-mile 1 \
      --problem max-covering --algorithm greedy-substitution --locate 5
  korvelan-cli solve --demand plants.euc --sites depots.euc --coverage 20 \
      --cost-per-mile 0.5 --problem fixed-charge --algorithm add --locate -1 \
      --json - --report /dev/null
  korvelan-cli solve --demand cities.grt --coverage 150 --cost-per-mile 1 \
      --problem inventory --locate -1 --plant 1,3 --set FixedDistanceEdit=0.5 \
      --json -
)";

}  // namespace

std::string HelpText() {
  return kHead + OptionsSection(SolveOptions()) + kTradeoff + OptionsSection(TradeoffOptions()) + kStopping + kTail;
}

}  // namespace korvelan::cli
