// The exchange form, driven with the mouse and the keyboard after real runs.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <set>

#include "SetupTestSupport.h"
#include "exchange/ExchangeMoves.h"
#include "exchange/TSExchangeForm.h"
#include "fixed/FixedEvaluation.h"
#include "setup/ParameterRules.h"
#include "setup/RunModels.h"
#include "solve/Evaluation.h"
#include "solve/TextFormat.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

namespace {

// The three measures of the open sites, straight from the distance matrix.
struct Scratch {
  Extended covered = 0;
  Extended average = 0;
  Extended cost = 0;
};

Scratch FromScratch(const ModelState& m) {
  Scratch s;
  Extended weighted = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    int32_t nearest = INT32_MAX;
    for (int j = 1; j <= m.Numbnodes; ++j)
      if (m.Node(j).Located) nearest = std::min(nearest, m.DistanceMatrix.at(i, j));
    weighted += m.Node(i).Demand * nearest;
    if (WithinCoverage(m.CoverageDistance, nearest)) s.covered += m.Node(i).Demand;
  }
  s.average = weighted / m.TotalDemand;
  Extended fixed = 0;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) fixed += m.Node(j).FixedCost;
  s.cost = m.CostPerMile * weighted + fixed;
  return s;
}

std::set<int> OpenSet(const ModelState& m) {
  std::set<int> open;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) open.insert(j);
  return open;
}

QString Cost(Extended x) { return QString::fromStdString(FormatCurrency(std::fabs(x), 15, 2)); }

}  // namespace

class ExchangeFormTest : public QObject {
  Q_OBJECT

  // The ten towns of tests/fixtures/forms, coverage distance 10, cost per mile 1,
  // solved by a real run; the form shown as the main menu shows it.
  struct Fixture {
    ModelState model;
    ScriptedDialogs dialogs;
    HeadlessRunHost host;
    TExchangeForm form{model, dialogs, host};

    explicit Fixture(char problem, char algorithm = 'M', int facilities = 2, bool costPerMile = true) {
      if (!LoadFixture(model, "ten.euc").empty()) qFatal("fixture did not load");
      EnterCoverageDistance(model, "10");
      if (costPerMile) EnterCostPerMile(model, "1", EntryForm::Parameters);
      if (!ConfirmParameters(model).ok) qFatal("parameters refused");
      OpenRunModels(model);
      ChooseProblem(model, problem);
      if (algorithm != ' ' && !ChooseAlgorithm(model, algorithm)) qFatal("no such algorithm");
      model.NumberToLocate = static_cast<uint16_t>(facilities);
      model.FixedNumberToLocate = facilities;
      if (ExecuteRun(model, host) != RunEnd::Completed) qFatal("run failed");
      host.progressLines.clear();
      form.Open();
      if (!QTest::qWaitForWindowExposed(&form)) qFatal("form not shown");
    }
    void ClickLine(int line) {
      QListWidget* list = form.FacilitiesList;
      QListWidgetItem* item = list->item(line - 1);
      list->scrollToItem(item);
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }
    void Click(QPushButton* button) {
      QVERIFY(button->isVisible() && button->isEnabled());
      QTest::mouseClick(button, Qt::LeftButton);
    }
    QString Line(int line) const { return form.FacilitiesList->item(line - 1)->text(); }
    int FirstOpen() const { return *OpenSet(model).begin(); }
    int FirstClosed() const {
      for (int j = 1; j <= model.Numbnodes; ++j)
        if (!model.Node(j).Located) return j;
      return 0;
    }
  };

  static QStringList Visible(const TExchangeForm& f) {
    QStringList shown;
    for (QPushButton* b : {f.CloseButton, f.AddSiteButton, f.DeleteButton, f.ExchangeSites, f.AddNodeButton,
                           f.DropNodeButton, f.CancelExchange, f.FindGoodButton, f.TryAllButton, f.LimitedButton})
      if (b->isVisible()) shown << b->text() + (b->isEnabled() ? "" : " (off)");
    return shown;
  }

 private slots:
  void openingListsEveryNodeAndOffersTheSearchesForCoveringMedianAndFixedCharge() {
    const QStringList manual{"&Close", "&Add Site to Solution", "&Delete Site from Solution", "&Exchange 2 Sites"};
    struct Case {
      char problem, algorithm;
      bool searches;
    };
    for (const Case& c : {Case{'C', 'S', true}, Case{'M', 'M', true}, Case{'F', 'A', true}, Case{'S', ' ', false}}) {
      Fixture f(c.problem, c.algorithm);
      QStringList expected = manual;
      if (c.searches) expected << "&Find Best Exchange" << "&Try and Do All Subs." << "&Limited # of Exchanges";
      QCOMPARE(Visible(f.form), expected);
      QVERIFY(!f.form.NoToExchange->isVisible());
      QCOMPARE(f.form.FacilitiesList->count(), 10);
      const char* places[] = {"",
                              "        0.00        0.00   Ashford",
                              "       10.00        0.00   Bexley",
                              "       20.00        0.00   Carden",
                              "        0.00       10.00   Dunmore",
                              "       10.00       10.00   Elsworth",
                              "       20.00       10.00   Farley",
                              "        0.00       20.00   Glenby",
                              "       10.00       20.00   Hartwell",
                              "       20.00       20.00   Ivesham",
                              "       35.00       35.00   Jarrow"};
      for (int n = 1; n <= 10; ++n)
        QCOMPARE(f.Line(n), QString::fromStdString(IntRight(n, 4)) + "   " +
                                (f.model.Node(n).Located ? "LOCATION" : "ALLOWED ") + places[n]);
      QVERIFY(f.form.MessageLines().isEmpty());
    }
  }

  void deletingTheLastFacilityIsRefusedAndChangesNothing() {
    Fixture f('M', 'M', 1);
    const int open = f.FirstOpen();
    f.ClickLine(open);
    f.Click(f.form.DeleteButton);
    QCOMPARE(Texts(f.dialogs),
             QStringList{"I: Only one facility remains in the solution.\rYou cannot delete the last facility.  Sorry!"});
    QCOMPARE(OpenSet(f.model), std::set<int>{open});
    QCOMPARE(f.model.ExchangeMade, uint8_t{0});
  }

  void actionsNeedASelectedNode() {
    Fixture f('M');
    for (QPushButton* b : {f.form.AddSiteButton, f.form.DeleteButton}) f.Click(b);
    QCOMPARE(Texts(f.dialogs), (QStringList{"W: You must select a node", "W: You must select a node"}));
  }

  void addingAnOpenSiteSaysSoAndChangesNothing() {
    Fixture f('M');
    const std::set<int> before = OpenSet(f.model);
    const int open = f.FirstOpen();
    f.ClickLine(open);
    f.Click(f.form.AddSiteButton);
    QCOMPARE(Texts(f.dialogs), QStringList{"W: There is already a facility at " + QString::number(open) +
                                           "\rNo Action Taken"});
    QCOMPARE(OpenSet(f.model), before);
    QCOMPARE(f.form.FacilitiesList->currentRow(), open - 1);
  }

  void addingAnExcludedSiteChangesItOnlyAfterYes() {
    Fixture f('M');
    const int n = f.FirstClosed();
    f.model.Node(n).SiteStatus = StatusExcluded;
    f.form.FormShow();
    const std::set<int> before = OpenSet(f.model);
    f.ClickLine(n);
    f.Click(f.form.AddSiteButton);
    const QString question = "C: Node " + QString::number(n) + " is EXCLUDED.\rAdding a facility there will ALLOW it.";
    QCOMPARE(Texts(f.dialogs), (QStringList{question, "I: No action will be taken"}));
    QCOMPARE(f.model.Node(n).SiteStatus, StatusExcluded);
    QCOMPARE(OpenSet(f.model), before);

    f.dialogs.shown.clear();
    f.dialogs.answers = {true};
    const Scratch start = FromScratch(f.model);
    f.ClickLine(n);
    f.Click(f.form.AddSiteButton);
    QCOMPARE(Texts(f.dialogs), QStringList{question});
    QCOMPARE(f.model.Node(n).SiteStatus, StatusAllowed);
    QVERIFY(f.model.Node(n).Located);
    const Scratch now = FromScratch(f.model);
    QCOMPARE(f.form.MessageLines(),
             (QStringList{"Adding node " + QString::number(n) + " increases coverage to " +
                              QString::fromStdString(FormatNumber(now.covered, 12, 0)),
                          "Increasing coverage by " +
                              QString::fromStdString(FormatNumber(now.covered - start.covered, 12, 0)) + " units",
                          "And decreases average distance to " +
                              QString::fromStdString(FormatNumber(now.average, 12, 3)) + " units",
                          "Decreasing distance by " +
                              QString::fromStdString(FormatNumber(start.average - now.average, 12, 3)) + " units",
                          (start.cost > now.cost ? "Decreasing total cost by " : "Increasing total cost by ") +
                              QString::fromStdString(FormatCurrency(std::fabs(start.cost - now.cost), 12, 2))}));
    QVERIFY(f.Line(n).contains("LOCATION"));
    QCOMPARE(f.model.CostByCount[f.model.NumLocated], now.average);
  }

  void deletingARequiredSiteAsksFirstAndDescribesTheChange() {
    Fixture f('M', 'M', 3);
    const int n = f.FirstOpen();
    f.model.Node(n).SiteStatus = StatusRequired;
    const Scratch start = FromScratch(f.model);
    f.ClickLine(n);
    f.dialogs.answers = {true};
    f.Click(f.form.DeleteButton);
    QCOMPARE(Texts(f.dialogs), QStringList{"C: Node " + QString::number(n) +
                                           " is FORCED INTO the solution.\rDeleting a facility there will UNFORCE it."});
    QVERIFY(!f.model.Node(n).Located);
    QCOMPARE(f.model.NumLocated, uint16_t{2});
    const Scratch now = FromScratch(f.model);
    const QStringList lines = f.form.MessageLines();
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[1], "Decreasing coverage by " +
                           QString::fromStdString(FormatNumber(start.covered - now.covered, 12, 0)) + " units");
    QCOMPARE(lines[3], "Increasing average distance by " +
                           QString::fromStdString(FormatNumber(now.average - start.average, 12, 2)) + " units");
    QCOMPARE(lines[4], (now.cost > start.cost ? "Increasing total cost by " : "Decreasing total cost by ") +
                           Cost(now.cost - start.cost));
  }

  void deletingWalksTheOpenSitesWhenARunLeftFewerThanItsCount() {
    Fixture f('M', 'M', 3);
    const std::set<int> open = OpenSet(f.model);
    f.model.NumLocated = f.model.NumberToLocate = 5;  // as after a run that opened fewer sites
    f.model.LocatedList[4] = 0;
    f.model.LocatedList[5] = static_cast<uint16_t>(f.FirstClosed());
    f.form.FormShow();
    const int n = *open.rbegin();
    f.ClickLine(n);
    f.Click(f.form.DeleteButton);
    std::set<int> expected = open;
    expected.erase(n);
    QCOMPARE(OpenSet(f.model), expected);
    QCOMPARE(int(f.model.NumLocated), 2);
    QCOMPARE((std::set<int>{f.model.LocatedList[1], f.model.LocatedList[2]}), expected);
  }

  void withoutACostPerMileNoMessageHasACostLine() {
    Fixture f('M', 'M', 2, false);
    f.ClickLine(f.FirstClosed());
    f.Click(f.form.AddSiteButton);
    QStringList all = f.form.MessageLines();
    f.ClickLine(f.FirstOpen());
    f.Click(f.form.DeleteButton);
    all << f.form.MessageLines();
    f.Click(f.form.ExchangeSites);
    f.ClickLine(1);
    f.Click(f.form.AddNodeButton);
    f.ClickLine(1);
    f.Click(f.form.DropNodeButton);
    all << f.form.MessageLines();
    QCOMPARE(all.size(), 12);
    for (const QString& line : all) QVERIFY2(!line.contains("cost"), qPrintable(line));
  }

  // The list modes of a manual exchange, the proposal and its measures against
  // the solution recomputed after the change.
  void exchangingTwoSitesByHandShowsTheMeasuresThatTheChangeBrings() {
    Fixture f('C', 'G', 2);
    f.Click(f.form.ExchangeSites);
    QCOMPARE(f.form.ListMode(), ExchangeListMode::ClosedSites);
    QCOMPARE(f.form.FacilitiesList->count(), 8);
    QCOMPARE(Visible(f.form), (QStringList{"&Close (off)", "&Add Site to Solution (off)",
                                           "&Delete Site from Solution (off)", "&Exchange 2 Sites (off)",
                                           "Pick node to &Add", "Pick node to &Drop (off)", "&Cancel Exchange",
                                           "&Find Best Exchange (off)", "&Try and Do All Subs. (off)",
                                           "&Limited # of Exchanges (off)"}));
    const std::vector<int> closed = ListedSites(f.model, ExchangeListMode::ClosedSites);
    f.ClickLine(8);  // the last closed site
    f.Click(f.form.AddNodeButton);
    QCOMPARE(f.form.ListMode(), ExchangeListMode::OpenSites);
    QCOMPARE(f.form.FacilitiesList->count(), 2);
    QVERIFY(f.Line(1).contains("LOCATION"));
    QVERIFY(!f.form.AddNodeButton->isEnabled());
    const int dropped = *OpenSet(f.model).begin();
    const Scratch start = FromScratch(f.model);
    f.dialogs.answers = {true};
    f.ClickLine(1);
    f.Click(f.form.DropNodeButton);
    QCOMPARE(Texts(f.dialogs), QStringList{"C: Do you want to make this change?"});
    const Scratch now = FromScratch(f.model);
    QVERIFY(f.model.Node(closed.back()).Located);
    QVERIFY(!f.model.Node(dropped).Located);
    const Extended reduction = start.average - now.average;
    QCOMPARE(f.form.MessageLines(),
             (QStringList{"REMOVING   node " + QString::number(dropped),
                          "AND ADDING node " + QString::number(closed.back()),
                          "Changes coverage by " +
                              QString::fromStdString(FormatNumber(now.covered - start.covered, 12, 0)) + " units",
                          (reduction >= 0 ? "And reduces average distance by " : "And increases average distance by ") +
                              QString::fromStdString(FormatNumber(std::fabs(reduction), 12, 2)) + " units",
                          (start.cost >= now.cost ? "And reduces total cost by " : "And increases total cost by ") +
                              Cost(start.cost - now.cost)}));
    QCOMPARE(f.form.ListMode(), ExchangeListMode::AllSites);
    QVERIFY(f.form.CloseButton->isEnabled());
  }

  void aManualExchangeCanBeRefusedOrCancelled() {
    Fixture f('M', 'M', 2);
    const std::set<int> before = OpenSet(f.model);
    const int n = f.FirstClosed();
    f.model.Node(n).SiteStatus = StatusExcluded;
    f.Click(f.form.ExchangeSites);
    QVERIFY(f.Line(1).contains("EXCLUDED"));
    f.Click(f.form.AddNodeButton);  // nothing selected
    f.ClickLine(1);
    f.Click(f.form.AddNodeButton);  // Cancel to the warning
    QCOMPARE(Texts(f.dialogs), (QStringList{"W: You must select a node",
                                            "C: Node " + QString::number(n) + " is EXCLUDED.  Adding it will ALLOW it.",
                                            "I: Please select another node to ADD or CANCEL EXCHANGE."}));
    QCOMPARE(f.model.Node(n).SiteStatus, StatusExcluded);
    QCOMPARE(f.form.ListMode(), ExchangeListMode::ClosedSites);
    f.dialogs.shown.clear();
    f.dialogs.answers = {true, true, false};  // OK to both warnings, No to the change
    f.Click(f.form.AddNodeButton);
    QCOMPARE(f.model.Node(n).SiteStatus, StatusAllowed);  // stays allowed whatever follows
    const int drop = *before.begin();
    f.model.Node(drop).SiteStatus = StatusRequired;
    f.Click(f.form.DropNodeButton);  // line 1 stays selected: the first open site
    QCOMPARE(Texts(f.dialogs), (QStringList{"C: Node " + QString::number(n) + " is EXCLUDED.  Adding it will ALLOW it.",
                                            "C: Node " + QString::number(drop) + " is FORCED IN.  Adding it will UNFORCE it.",
                                            "C: Do you want to make this change?"}));
    QCOMPARE(OpenSet(f.model), before);
    QCOMPARE(f.model.Node(drop).SiteStatus, StatusAllowed);
    QCOMPARE(f.form.MessageLines().first(), "REMOVING   node " + QString::number(drop));
    f.Click(f.form.ExchangeSites);
    f.Click(f.form.CancelExchange);
    QCOMPARE(f.form.ListMode(), ExchangeListMode::AllSites);
    QCOMPARE(OpenSet(f.model), before);
    f.Click(f.form.CloseButton);
    QCOMPARE(f.model.SolutionClass, uint8_t{0});  // nothing was changed
  }

  void findBestExchangeOnALocallyOptimalFixedChargeSolutionFindsNothing() {
    Fixture f('F', 'E', 3);
    const std::set<int> before = OpenSet(f.model);
    f.Click(f.form.FindGoodButton);
    QCOMPARE(Texts(f.dialogs), QStringList{"I: No exchange was found that improves the solution.  Sorry...."});
    QCOMPARE(OpenSet(f.model), before);
  }

  void findBestExchangeProposesAndMakesTheBestImprovement() {
    for (char problem : {'C', 'M', 'F'}) {
      Fixture f(problem, problem == 'C' ? 'G' : problem == 'M' ? 'M' : 'A', 3);
      // Start from the three sites farthest from the best: 7, 9 and 10.
      for (int j = 1; j <= 10; ++j) f.model.Node(j).Located = 0;
      for (int j : {7, 9, 10}) f.model.Node(j).Located = 1;
      AssignToNearest(f.model);
      for (int i = 1; i <= 10; ++i) f.model.Node(i).NTIMES = 0;
      for (int j : {7, 9, 10})
        for (uint16_t i : f.model.Node(j).CoversList) ++f.model.Node(i).NTIMES;
      f.model.SecondFacilityValid = 0;
      f.form.FormShow();
      const Scratch start = FromScratch(f.model);
      f.dialogs.answers = {true};
      f.Click(f.form.FindGoodButton);
      QCOMPARE(Texts(f.dialogs), QStringList{"C: Do you want to make this change?"});
      const Scratch now = FromScratch(f.model);
      const QStringList lines = f.form.MessageLines();
      QCOMPARE(lines[2], "Changes coverage by " +
                             QString::fromStdString(FormatNumber(now.covered - start.covered, 12, 0)) + " units");
      QCOMPARE(lines[4], (start.cost >= now.cost ? "And reduces total cost by " : "And increases total cost by ") +
                             Cost(start.cost - now.cost));
      if (problem == 'C') QVERIFY(now.covered > start.covered);
      if (problem == 'M') QVERIFY(now.average < start.average);
      if (problem == 'F') QVERIFY(now.cost < start.cost);
      QCOMPARE(f.model.ExchangeMade, uint8_t{1});
    }
  }

  void tryingAllExchangesImprovesAndClosingMakesTheSolutionHandMade() {
    Fixture f('M', 'M', 3);
    for (int j = 1; j <= 10; ++j) f.model.Node(j).Located = j >= 8;
    AssignToNearest(f.model);
    f.model.SecondFacilityValid = 0;
    f.form.FormShow();
    const Scratch start = FromScratch(f.model);
    QSignalSpy closed(&f.form, &TExchangeForm::closed);
    f.Click(f.form.TryAllButton);
    const Scratch now = FromScratch(f.model);
    QVERIFY(now.average < start.average);
    QCOMPARE(f.model.CostByCount[3], now.average);
    f.Click(f.form.CloseButton);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!f.form.isVisible());
    QCOMPARE(f.model.SolutionClass, uint8_t{1});
    QCOMPARE(f.model.DemandWeightedDistance, now.average * f.model.TotalDemand);
  }

  void theLimitBoxTakesDigitsAndRunsTheLimitedExchangeWhenLeft() {
    struct Case {
      const char* typed;
      QStringList messages;
      int limit;
    };
    const QList<Case> cases{
        {"0", {}, 0},
        {"", {}, 0},
        {"7", {"W: Invalid number of facilities to exchange.  Must have 0 <= X <= 3"}, 0},
        {"99999999999", {"W: Invalid numeric input"}, 0},
        {"2", {}, 2}};
    for (const Case& c : cases) {
      Fixture f('M', 'M', 3);
      for (int j = 1; j <= 10; ++j) f.model.Node(j).Located = j >= 8;
      AssignToNearest(f.model);
      f.model.SecondFacilityValid = 0;
      f.form.FormShow();
      const std::set<int> start = OpenSet(f.model);
      BeepCounter beeps;
      f.Click(f.form.LimitedButton);
      QVERIFY(f.form.NoToExchange->isVisible() && f.form.NoToExchangeLabel->isVisible());
      QVERIFY(f.form.NoToExchange->hasFocus());
      QVERIFY(!f.form.CloseButton->isEnabled() && !f.form.AddSiteButton->isEnabled());
      QTest::keyClicks(f.form.NoToExchange, QString("x-.") + c.typed);
      QCOMPARE(beeps.beeps, 3);
      QCOMPARE(f.form.NoToExchange->text(), QString(c.typed));
      if (c.limit == 2)
        QTest::keyClick(f.form.NoToExchange, Qt::Key_Return);  // Enter leaves the box too
      else
        f.ClickLine(1);  // focus leaves the box
      QCOMPARE(Texts(f.dialogs), c.messages);
      QCOMPARE(f.form.ExchangeLimit(), c.limit);
      QVERIFY(!f.form.NoToExchange->isVisible());
      QVERIFY(f.form.CloseButton->isEnabled());
      int replaced = 0;
      for (int site : start) replaced += f.model.Node(site).Located ? 0 : 1;
      QVERIFY(replaced <= c.limit);
      if (c.limit == 0) QCOMPARE(OpenSet(f.model), start);
      if (c.limit == 2) QCOMPARE(replaced, 2);
      QCOMPARE(f.model.CostByCount[3], FromScratch(f.model).average);
    }
  }

  void theWeightForFarDistancesIsWarnedAbout() {
    for (bool ok : {true, false}) {
      Fixture f('M');
      f.model.MedianWithConstant = 1;
      f.dialogs.answers = {ok};
      f.form.FormShow();
      const QString warning =
          "C: Exchanges etc. will be evaluated WITHOUT using the constant for distances greater than coverage "
          "distance\rDo you want to proceed?";
      if (ok) {
        QCOMPARE(Texts(f.dialogs), QStringList{warning});
        QCOMPARE(f.model.MedianWithConstant, uint8_t{0});
        QCOMPARE(Visible(f.form).size(), 7);
      } else {
        QCOMPARE(Texts(f.dialogs), (QStringList{warning, "I: Click CLOSE to return to Main Menu..."}));
        QCOMPARE(Visible(f.form), QStringList{"&Close"});
      }
    }
  }
};

QTEST_MAIN(ExchangeFormTest)
#include "ExchangeFormTest.moc"
