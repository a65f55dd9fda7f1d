#include "solve/LagProgressText.h"

#include <cmath>
#include <cstring>

#include "covering/BranchPath.h"
#include "solve/Clock.h"
#include "solve/TextFormat.h"

namespace korvelan {

namespace {

// Thousands separators and the given decimals; enough digits for any bound.
std::string Shown(Extended x, int decimals = 1) { return FormatNumber(x, 15, decimals); }

LagProgressField Counter(const char* caption, long long value) { return {caption, IntRight(value, 13)}; }

bool CodeIn(char code, const char* codes) { return code != '\0' && std::strchr(codes, code) != nullptr; }

char StatusMark(uint8_t status) {
  if (status == StatusExcluded) return '-';
  return status == StatusRequired ? '+' : '0';
}

void FillStatus(const ModelState& m, LagProgressView& v) {
  v.abortVisible = v.countsVisible = m.BranchAndBoundOn != 0;
  v.abortEnabled = v.abortVisible && m.AtRootNode == 0;
  v.statusLines = StatusListLines(m);
  int in = 0, out = 0, unknown = 0;
  for (int n = 1; n <= m.Numbnodes; ++n) {
    const uint8_t status = m.Node(n).SiteStatus;
    (status == StatusRequired ? in : status == StatusExcluded ? out : unknown) += 1;
  }
  v.inText = std::to_string(in) + " In";
  v.outText = std::to_string(out) + " Out";
  v.unknownText = std::to_string(unknown) + " Unknown";
}

void FillCounters(const ModelState& m, LagProgressView& v) {
  v.locations = Counter("Locations", m.NumLocated);
  v.iterations = Counter("Iterations", m.LagIteration);
  v.branchNodes = Counter("B+B Nodes", m.RunBranchNodes);
  v.lagIterations = Counter("Lag. Iterations", static_cast<long long>(m.IterationsBeforeNode) + m.LagIteration);
  v.level = Counter("B+B Level", static_cast<long long>(m.PublishedLevel) - 1);
}

LagProgressField TargetField(const ModelState& m, char code) {
  if (CodeIn(code, "FV") && m.BestValue < 1e30L) return {"Best Value", Shown(m.BestValue)};
  if (m.TargetValue > -1) return {code == 'C' ? "Best Value" : "Target Value", Shown(m.TargetValue)};
  return {"Target Value", "", false};
}

// Before the tree has a second node the best Lagrangian bound is the root's own bound.
Extended TreeUpperBound(const ModelState& m) {
  return m.RunBranchNodes < 2 ? m.RunUpperBound : m.BestLagUpperBound;
}

void FillBounds(const ModelState& m, char code, bool lagrangianLowerBound, LagProgressView& v) {
  const bool median = code == 'M';
  const bool hideLagBounds = CodeIn(code, "DFMV");
  v.coverageDistance = {"Coverage Distance",
                        Shown(static_cast<Extended>(m.CoverageDistance) / FixedPointScale), IsCoveringCode(code)};
  v.target = TargetField(m, code);
  v.bestLagUpper = {median ? "Best Upper Bound" : "Best Lag UB",
                    Shown(median ? TreeUpperBound(m) : m.BestLagUpperBound), median || !hideLagBounds};
  v.lagLower = {"Lag LB", Shown(m.LagLowerBound), !hideLagBounds};
  v.upperBound = {"Upper Bound", Shown(m.RunUpperBound), true, m.RunUpperBound >= m.UpperBoundMark};
  v.lowerBound = {"Lower Bound", Shown(m.RunLowerBound)};
  const Extended lagGap = m.RunLowerBound <= 0
                              ? Extended(100000000)
                              : (TreeUpperBound(m) - m.RunLowerBound) * 100 / m.RunLowerBound;
  v.percent = {"Percent", Shown(m.LagGap, 7)};
  v.percentLagUB = {"Percent Lag UB", Shown(lagGap), median};
  v.stepBasisVisible = IsCoveringCode(code);
  v.stepBasisText = lagrangianLowerBound ? "Lagrange LB" : "Lower Bound";
}

void FillSearch(const ModelState& m, char code, LagProgressView& v) {
  v.alpha = {"Alpha", Shown(m.LagAlpha, 10)};
  v.failures = {"Failures", Shown(m.LagFailures)};
  v.stepSize = {"Step Size", Shown(m.LagStep, DecimalsFor(12, m.LagStep))};
  v.weight = {"Weight for D>Dc", Shown(m.AddedConstant), CodeIn(code, "DV")};
  v.exchangeText = m.DoSubstitution ? "EXCHANGE ON" : "exchange off";
}

void FillGauge(const ModelState& m, char code, double now, LagProgressView& v) {
  v.gaugeVisible = CodeIn(code, "%&CDFMPSV");
  if (!v.gaugeVisible) return;
  v.gaugePercent = static_cast<int>(RoundHalfEven(ExploredPercent(m.BranchPath, m.BranchFirstMarks)));
  v.elapsedText = Shown(WrapElapsed(now - m.RunStart), 2);
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string LagProgressLine(const LagProgressView& v) {
  std::string line;
  const auto add = [&line](const std::string& item) { line += (line.empty() ? "" : " | ") + item; };
  for (const LagProgressField* field :
       {&v.locations, &v.iterations, &v.lagIterations, &v.branchNodes, &v.level, &v.coverageDistance, &v.target,
        &v.bestLagUpper, &v.lagLower, &v.upperBound, &v.lowerBound, &v.percent, &v.percentLagUB, &v.alpha,
        &v.failures, &v.stepSize, &v.weight})
    if (field->visible) add(field->caption + " " + Trimmed(field->value));
  if (v.gaugeVisible) add("Explored " + std::to_string(v.gaugePercent) + "% | Seconds " + v.elapsedText);
  return line;
}

std::vector<std::string> StatusListLines(const ModelState& m) {
  std::vector<std::string> lines;
  std::string line;
  for (int n = 1; n <= m.Numbnodes; ++n) {
    const int column = (n - 1) % 20;
    if (column == 0) line = IntRight(n - 1, 4) + "  ";
    line += StatusMark(m.Node(n).SiteStatus);
    if (column == 9) line += '|';
    if (column == 19 || n == m.Numbnodes) lines.push_back(line);
  }
  return lines;
}

bool IsCoveringCode(char code) { return CodeIn(code, "%&CPS"); }

LagProgressView BuildLagProgressView(const ModelState& m, bool lagrangianLowerBound, double now) {
  const char code = m.ReportProblemCode;
  LagProgressView v;
  FillStatus(m, v);
  FillCounters(m, v);
  FillBounds(m, code, lagrangianLowerBound, v);
  FillSearch(m, code, v);
  FillGauge(m, code, now, v);
  return v;
}

}  // namespace korvelan
