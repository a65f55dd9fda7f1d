// The tradeoff run form's rules as the model sees them: the offered choices,
// what each choice stores, the number and cost fields, and how a run ends.
#include <gtest/gtest.h>

#include "TradeoffModels.h"
#include "tradeoff/TradeoffForm.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

TEST(TradeoffForm, OffersTheFourCurvesAndTheirAlgorithms) {
  const std::vector<ChoiceItem>& items = TradeoffProblemItems();
  ASSERT_EQ(items.size(), 4u);
  const char* captions[] = {"Ma&Ximum Covering", "P-&Median", "Uncapacitated &Fixed Charge", "Covering - Me&Dian"};
  const char codes[] = {'C', 'M', 'F', 'D'};
  const char* phrases[] = {"MAX COVERING", "MEDIAN OBJECTIVE", "UNCAP FIXED CHARGE", "COVERING MEDIAN TRADEOFF"};
  for (int k = 0; k < 4; ++k) {
    EXPECT_STREQ(items[k].caption, captions[k]);
    EXPECT_EQ(items[k].code, codes[k]);
    EXPECT_EQ(TradeoffLagCaption(codes[k]), std::string("Lagrangian Progress Form ") + phrases[k]);
  }
  const auto captionsOf = [](char code) {
    std::string text;
    for (const ChoiceItem& item : TradeoffAlgorithmItems(code)) text += std::string(item.caption) + item.code + "|";
    return text;
  };
  EXPECT_EQ(captionsOf('C'), "&Greedy AddingG|Greedy Adding and &SubstitutionS|");
  EXPECT_EQ(captionsOf('M'), "&MyopicM|&ExchangeE|&NeighborhoodN|");
  EXPECT_EQ(captionsOf('F'), "&AddA|&DropD|");
  EXPECT_EQ(captionsOf('D'), "&Lagrangian RelaxationL|");
}

TEST(TradeoffForm, OpeningAndChoosingStoreTheRunChoices) {
  ModelState m;
  m.Numbnodes = 9;
  m.Tradeoff.TradeoffList.resize(3);
  m.NumberToLocate = 4;
  m.FixedNumberToLocate = 4;
  OpenTradeoff(m);
  EXPECT_TRUE(m.Tradeoff.TradeoffList.empty());
  EXPECT_EQ(m.NumberToLocate, 0);
  EXPECT_EQ(m.FixedNumberToLocate, 0);

  m.AddedConstant = 7;
  EXPECT_TRUE(ChooseTradeoffProblem(m, 'D'));
  EXPECT_EQ(m.ProblemCode, 'D');
  EXPECT_EQ(m.ReportProblemCode, 'D');
  EXPECT_EQ(m.AddedConstant, 0);
  EXPECT_EQ(m.SolutionClass, 2);
  EXPECT_FALSE(ChooseTradeoffAlgorithm(m, 'L'));  // the single method is not chosen
  EXPECT_FALSE(ChooseTradeoffProblem(m, 'S'));

  struct Choice {
    char problem, letter;
    uint8_t substitution, everyIteration;
    char medianAlgorithm, timing, fixedAlgorithm;
  };
  const Choice choices[] = {
      {'C', 'G', 0, 0, 'M', 'L', 'A'}, {'C', 'S', 1, 1, 'M', 'L', 'A'}, {'M', 'M', 1, 0, 'M', 'L', 'A'},
      {'M', 'E', 1, 0, 'E', 'E', 'A'}, {'M', 'N', 1, 0, 'N', 'E', 'A'}, {'F', 'D', 1, 0, 'M', 'L', 'D'},
  };
  for (const Choice& c : choices) {
    SCOPED_TRACE(::testing::Message() << c.problem << c.letter);
    ModelState fresh;
    fresh.Numbnodes = 9;
    fresh.DoSubstitution = 1;
    fresh.ExchangeEveryIteration = 0;
    fresh.MedianTiming = 'L';
    ChooseTradeoffProblem(fresh, c.problem);
    fresh.SolutionClass = 2;
    ASSERT_TRUE(ChooseTradeoffAlgorithm(fresh, c.letter));
    EXPECT_EQ(fresh.SolutionClass, 0);
    EXPECT_EQ(fresh.NumberToLocate, 9);
    EXPECT_EQ(fresh.FixedNumberToLocate, 9);
    EXPECT_EQ(fresh.DoSubstitution, c.substitution);
    EXPECT_EQ(fresh.ExchangeEveryIteration, c.everyIteration);
    EXPECT_EQ(fresh.MedianAlgorithm, c.medianAlgorithm);
    EXPECT_EQ(fresh.MedianTiming, c.timing);
    EXPECT_EQ(fresh.FixedAlgorithm, c.fixedAlgorithm);
    EXPECT_FALSE(ChooseTradeoffAlgorithm(fresh, 'L'));
  }
}

TEST(TradeoffForm, CheckBoxesStoreTheirStateAndNameIt) {
  ModelState m;
  EXPECT_EQ(SetExchangeEveryIteration(m, false), "Exc&Hange On LAST Iteration Only (Click for EVERY Iteration)");
  EXPECT_EQ(m.ExchangeEveryIteration, 0);
  EXPECT_EQ(SetExchangeEveryIteration(m, true), "Exc&Hange EVERY Iteration");
  EXPECT_EQ(m.ExchangeEveryIteration, 1);
  EXPECT_EQ(SetMedianExchangeTiming(m, false), "E&Xchange after LAST iteration (Check for EVERY)");
  EXPECT_EQ(m.MedianTiming, 'L');
  EXPECT_EQ(SetMedianExchangeTiming(m, true), "E&Xchange EVERY iteration");
  EXPECT_EQ(m.MedianTiming, 'E');
  EXPECT_EQ(SetNeighborhoodTiming(m, false), "Ne&Ighborhood Search on LAST Iteration (Check for EACH)");
  EXPECT_EQ(m.MedianTiming, 'L');
  EXPECT_EQ(SetNeighborhoodTiming(m, true), "Ne&Ighborhood Search on EACH Iteration");
  EXPECT_EQ(SetExcludeDominated(m, false), "Do NOT Exclude &Dominated Nodes (Check to exclude)");
  EXPECT_EQ(m.Covering.DominatedBox, 0);
  EXPECT_EQ(m.Covering.ExcludeDominatedNodes, 0);
  EXPECT_EQ(SetExcludeDominated(m, true), "Exclude &Dominated Nodes");
  EXPECT_EQ(m.Covering.DominatedBox, 1);
  EXPECT_EQ(m.Covering.ExcludeDominatedNodes, 1);
}

TEST(TradeoffForm, NumberToLocateCountsEveryRequiredAndExcludedSite) {
  using Kind = TradeoffCountCheck::Kind;
  ModelState m;
  RandomModelOptions options;
  options.nodes = 9;
  options.demandNodes = 6;
  PrepareCurveModel(m, 2, options, 5);
  m.Node(3).SiteStatus = StatusRequired;
  m.Node(8).SiteStatus = StatusRequired;  // candidate-only
  m.Node(9).SiteStatus = StatusExcluded;  // candidate-only
  ChooseTradeoffProblem(m, 'D');
  const std::string range = "Invalid number of facilities to locate.  Must have 2 <= X <= 8";
  struct Case {
    const char* text;
    Kind kind;
    const char* warning;
    const char* shown;
    bool execute, fieldEnabled;
    int stored;
  };
  const Case cases[] = {
      {"", Kind::Empty, "", "", false, true, 0},
      {"5", Kind::Accepted, "", "5", true, false, 5},
      {"2", Kind::Accepted, "", "2", true, false, 2},
      {"8", Kind::Accepted, "", "8", true, false, 8},
      {"9", Kind::OutOfRange, range.c_str(), "2", false, true, 2},
      {"1", Kind::OutOfRange, range.c_str(), "2", false, true, 2},
      {"-1", Kind::OutOfRange, range.c_str(), "2", false, true, 2},
      {"2.5", Kind::OutOfRange, range.c_str(), "2", false, true, 2},
      {"five", Kind::NotANumber, "Invalid numeric input", "2", true, true, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    m.NumberToLocate = 0;
    const TradeoffCountCheck check = CheckTradeoffCount(m, c.text);
    EXPECT_EQ(check.kind, c.kind);
    EXPECT_EQ(check.warning, c.warning);
    EXPECT_EQ(check.fieldText, c.shown);
    EXPECT_EQ(check.executeEnabled, c.execute);
    EXPECT_EQ(check.fieldEnabled, c.fieldEnabled);
    EXPECT_EQ(m.NumberToLocate, c.stored);
  }
}

TEST(TradeoffForm, CostPerMileFieldShowsAndStoresTheCost) {
  ModelState m;
  m.CostPerMile = 2.5L;
  EXPECT_EQ(CostPerMileShownText(m), "2.5000000000000");
  EXPECT_EQ(LeaveCostPerMile(m, "0.125"), "");
  EXPECT_EQ(m.CostPerMile, 0.125L);
  EXPECT_EQ(CostPerMileLeftText(m), "0.125000");
  EXPECT_EQ(LeaveCostPerMile(m, "1.2.3"), "Invalid numeric input");
  EXPECT_EQ(m.CostPerMile, 0.125L);
  EXPECT_EQ(LeaveCostPerMile(m, ""), "");
  EXPECT_EQ(m.CostPerMile, 0.125L);
}

TEST(TradeoffForm, RunEndsAreToldAsTheRunFormTellsThem) {
  RandomModelOptions options;
  {
    ModelState m;
    PrepareCurveModel(m, 4, options, 5);
    m.ProblemCode = 'S';  // not a curve
    HeadlessRunHost host;
    EXPECT_EQ(ExecuteTradeoff(m, host), RunEnd::Fatal);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Fatal Error in execution of algorithm.");
    EXPECT_EQ(host.beeps, 1);
  }
  {
    // Every Lagrangian run of the curve is stopped at its first refresh.
    ModelState m;
    PrepareCurveModel(m, 4, options, 5);
    m.ShowLagProgress = 1;
    m.MedianWithConstant = 1;
    ChooseTradeoffProblem(m, 'D');
    CheckTradeoffCount(m, "2");
    HeadlessRunHost host;
    host.onPause = [&] { m.AbortRequested = 1; };
    EXPECT_EQ(ExecuteTradeoff(m, host), RunEnd::Stopped);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back().text, "Program Stopped at User Request");
    EXPECT_EQ(host.messages.back().kind, 'W');
    EXPECT_GE(host.beeps, 1);
    EXPECT_EQ(m.MedianWithConstant, 0);
    EXPECT_FALSE(m.Tradeoff.TradeoffList.empty());
    EXPECT_EQ(m.DemandWeightedDistance, NearestWeightedDistance(m, OpenSet(m)));
  }
}

}  // namespace
