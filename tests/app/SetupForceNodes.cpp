// The force-nodes form, the initial-solution form and the forced-nodes report.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "SetupTestSupport.h"
#include "setup/TSForceNodesMenu.h"
#include "setup/TSInitialSolnForm.h"
#include "setup/TShowForcedNodes.h"
#include "solve/PrintSink.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

class SetupForceNodes : public QObject {
  Q_OBJECT

  struct Fixture {
    ModelState model;
    ScriptedDialogs dialogs;
    HeadlessRunHost host;
    MenuRecorder menu;
    TForceNodesMenu force{model, dialogs, host, menu.link};
    TInitialSolutionForm initial{model, dialogs, host, menu.link};
    Fixture() {
      if (!LoadFixture(model, "ten.euc").empty()) qFatal("fixture did not load");
      menu.Happen(MenuEvent::DataLoaded);
      menu.Happen(MenuEvent::ParametersDone);
      menu.Happen(MenuEvent::RunCompleted, 'C');
    }
    void Select(std::initializer_list<int> nodes) {
      force.MainBox->clearSelection();
      for (int n : nodes) force.MainBox->item(n - 1)->setSelected(true);
      force.MainBox->setCurrentRow(*nodes.begin() - 1, QItemSelectionModel::NoUpdate);
    }
    std::vector<int> Statuses() const {
      std::vector<int> s;
      for (int n = 1; n <= model.Numbnodes; ++n) s.push_back(model.Node(n).SignedStatus());
      return s;
    }
  };

 private slots:
  void listShowsEveryNodeWithItsStatus() {
    Fixture f;
    f.model.Node(3).SiteStatus = StatusExcluded;
    f.force.Open();
    QCOMPARE(f.force.MainBox->count(), 10);
    QCOMPARE(f.force.MainBox->item(0)->text(), QString("   1   ALLOWED    Ashford"));
    QCOMPARE(f.force.MainBox->item(2)->text(), QString("   3   EXCLUDED   Carden"));
    QCOMPARE(f.force.ExcludedLabel->text(), QString("1 Excluded Nodes"));
    QCOMPARE(f.force.AllowedLabel->text(), QString("9 Allowed Nodes"));
  }

  void siteButtonsNeedASelectedNode() {
    Fixture f;
    f.force.Open();
    f.force.ForceSite->click();
    QCOMPARE(Texts(f.dialogs), QStringList{"W: You must select a node"});
    QCOMPARE(f.Statuses(), std::vector<int>(10, 0));
  }

  void forcingAndExcludingASelection() {
    Fixture f;
    f.force.Open();
    f.Select({2, 3, 4});
    f.force.ExcludeSite->click();
    f.Select({3, 5});
    f.force.ForceSite->click();  // an excluded node becomes required in one step
    QCOMPARE(f.Statuses(), (std::vector<int>{0, -1, 1, -1, 1, 0, 0, 0, 0, 0}));
    f.Select({4, 5});
    f.force.ForceSite->click();
    QCOMPARE(Texts(f.dialogs), QStringList{"W: Node 5 already forced... Request Ignored"});
    QVERIFY(f.force.MainBox->item(3)->isSelected());  // the selection survives the rebuild
    QCOMPARE(f.force.RequiredLabel->text(), QString("3 Required Nodes"));
    f.force.CloseButton->click();
    QCOMPARE(f.model.ForcedCount, uint16_t{3});
    QCOMPARE(f.menu.events, QList<MenuEvent>{MenuEvent::ForcedStatusesChanged});
    QVERIFY(!f.menu.state[MenuButton::DisplayResults]);
    QVERIFY(!f.menu.state[MenuButton::ExchangeSites]);
    QVERIFY(f.menu.state[MenuButton::RunModels]);
  }

  void closingWithoutChangesKeepsTheResults() {
    Fixture f;
    f.force.Open();
    f.force.CloseButton->click();
    QVERIFY(f.menu.events.isEmpty());
    QVERIFY(f.menu.state[MenuButton::DisplayResults]);
  }

  void disallowAllLeavesTheInitialSolutionAndBlocksClosing() {
    Fixture f;
    f.force.Open();
    f.force.DisallowAll->click();
    QVERIFY(!f.force.CloseButton->isEnabled());
    f.force.PermitAll->click();
    QVERIFY(f.force.CloseButton->isEnabled());
    f.model.Node(6).InInitialSolution = 1;
    f.force.DisallowAll->click();
    QVERIFY(f.force.CloseButton->isEnabled());
    QCOMPARE(f.Statuses(), (std::vector<int>{-1, -1, -1, -1, -1, 0, -1, -1, -1, -1}));
    QCOMPARE(f.force.MainBox->item(5)->text(), QString("   6   INITIAL    Farley"));
  }

  void statusFileRoundTrip() {
    Fixture f;
    QTemporaryDir dir;
    const QString file = dir.filePath("plan.FOR");
    f.force.Open();
    f.Select({1, 9});
    f.force.ForceSite->click();
    f.Select({10});
    f.force.ExcludeSite->click();
    f.dialogs.saveFiles.push_back(file);
    f.force.WriteStatus->click();
    f.force.PermitAll->click();
    f.dialogs.openFiles.push_back(file);
    f.force.ReadStatus->click();
    QCOMPARE(f.Statuses(), (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 1, -1}));
    QVERIFY(f.host.messages.empty());
  }

  void statusFileNeverExcludesASiteOfTheInitialSolution() {
    Fixture f;
    QTemporaryDir dir;
    const QString file = dir.filePath("out.FOR");
    f.force.Open();
    f.Select({3, 4});
    f.force.ExcludeSite->click();
    f.dialogs.saveFiles.push_back(file);
    f.force.WriteStatus->click();
    f.force.PermitAll->click();
    f.model.Node(4).InInitialSolution = 1;
    f.dialogs.openFiles.push_back(file);
    f.force.ReadStatus->click();
    QCOMPARE(Texts(f.dialogs),
             QStringList{"W: Excluded sites are never opened.\rThese sites of the initial solution are EXCLUDED and "
                         "were left out: 4"});
    QCOMPARE(f.model.Node(4).InInitialSolution, uint8_t{0});
    QCOMPARE(f.force.MainBox->item(3)->text(), QString("   4   EXCLUDED   Dunmore"));
  }

  void statusFileWithAnotherNodeCountChangesNothing() {
    Fixture f;
    QTemporaryDir dir;
    const QString file = dir.filePath("short.FOR");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("         2\n         1\n        -1\n");
    out.close();
    f.force.Open();
    f.dialogs.openFiles.push_back(file);
    f.force.ReadStatus->click();
    QCOMPARE(f.Statuses(), std::vector<int>(10, 0));
    QCOMPARE(f.host.messages.size(), size_t{1});
    QVERIFY(QString::fromStdString(f.host.messages[0].text).startsWith("NUMBER OF NODES on FILE <"));
    f.force.CloseButton->click();
    QVERIFY(f.menu.events.isEmpty());
  }

  void initialSolutionFromAWrittenSolution() {
    Fixture f;
    QTemporaryDir dir;
    const QString file = dir.filePath("best.SOL");
    for (int n : {2, 5, 9}) f.model.Node(n).Located = 1;
    f.initial.Open();
    QVERIFY(f.initial.WriteSolution->isEnabled());  // a solution exists
    f.dialogs.saveFiles.push_back(file);
    f.initial.WriteSolution->click();
    f.model.Node(5).SiteStatus = StatusExcluded;
    f.dialogs.openFiles.push_back(file);
    f.initial.ReadInitial->click();
    std::vector<int> marks;
    for (int n = 1; n <= 10; ++n) marks.push_back(f.model.Node(n).InInitialSolution);
    QCOMPARE(marks, (std::vector<int>{0, 1, 0, 0, 0, 0, 0, 0, 1, 0}));
    QCOMPARE(Texts(f.dialogs),
             QStringList{"W: Excluded sites are never opened.\rThese sites of the initial solution are EXCLUDED and "
                         "were left out: 5"});
    QVERIFY(f.initial.InitialLoaded());
    QCOMPARE(f.model.InitialSolutionFileName, file.toStdString());
    f.initial.CloseButton->click();
    QCOMPARE(f.model.InitialCount, uint16_t{2});
    QCOMPARE(f.menu.events, QList<MenuEvent>{MenuEvent::InitialSolutionChanged});
  }

  void writingNeedsASolutionAndClearEmptiesTheInitialSolution() {
    Fixture f;
    f.menu.Happen(MenuEvent::RunFailed);
    f.model.Node(4).InInitialSolution = 1;
    f.initial.Open();
    QVERIFY(!f.initial.WriteSolution->isEnabled());
    f.initial.ClearInitial->click();
    QCOMPARE(f.model.Node(4).InInitialSolution, uint8_t{0});
    f.initial.CloseButton->click();
    QCOMPARE(f.menu.events, QList<MenuEvent>{MenuEvent::InitialSolutionChanged});
  }

  void forcedNodesReportListsAndPrints() {
    Fixture f;
    f.model.Node(2).SiteStatus = StatusRequired;
    f.model.Node(7).SiteStatus = StatusExcluded;
    f.model.Node(4).InInitialSolution = 1;
    RecordingPrintSink printed;
    TShowForcedNodes report(f.model, RecordInto(printed));
    report.show();
    QCOMPARE(report.ForceNodeBox->item(0)->text(), QString("   2 Bexley"));
    QCOMPARE(report.UnforceNodeBox->item(0)->text(), QString("   7 Glenby"));
    QCOMPARE(report.InitBox->item(0)->text(), QString("   4 Dunmore"));
    QCOMPARE(report.InitLabel->text(), QString("1 Nodes Initialized"));
    report.PrintButton->click();
    const QStringList expected = {"18 FORCED NODES SUMMARY",
                                  "10 ",
                                  "10 ",
                                  "10b 1 Nodes Forced Into Solution",
                                  "10 ",
                                  "10    2 Bexley",
                                  "10 ",
                                  "10b 1 Nodes Excluded From Solution",
                                  "10 ",
                                  "10    7 Glenby",
                                  "10 ",
                                  "10b 1 Nodes Initialized",
                                  "10 ",
                                  "10    4 Dunmore",
                                  "10 "};
    QCOMPARE(PrintedLines(printed), expected);
    QVERIFY(printed.finished);
    QCOMPARE(printed.items[0].font.family, std::string("Monospac821 DL"));
  }
};

QTEST_MAIN(SetupForceNodes)
#include "SetupForceNodes.moc"
