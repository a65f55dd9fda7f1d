// The data editor on the main menu: the menu's button states after opening,
// editing and leaving it in both modes, as the program links them.
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "SetupTestSupport.h"
#include "data/EditForm.h"
#include "setup/StepForms.h"
#include "shell/MainUnit.h"
#include "shell/MenuBackground.h"
#include "solve/SolveWindows.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

namespace {

using B = MenuButton;

std::vector<bool> Enabled(const TKorvelanMain& menu) {
  std::vector<bool> enabled;
  for (int k = 0; k < MenuButtonCount; ++k) enabled.push_back(menu.Button(static_cast<B>(k))->isEnabled());
  return enabled;
}

}  // namespace

class EditorMenuTest : public QObject {
  Q_OBJECT

  struct Program {
    ModelState model;
    ScriptedDialogs dialogs;
    TKorvelanMain menu{model, dialogs};
    SolveWindows solve{model, dialogs};
    StepForms forms{model, dialogs, menu, solve};
    TEditorForm editor{model, dialogs};
    int loads = 0;
    explicit Program(const std::string& sites = {}) {
      TKorvelanMain::Steps steps;
      steps.loadData = [this] { ++loads; };
      forms.AddSteps(steps);
      AddDataEditor(editor, menu, steps);
      menu.SetSteps(steps);
      LoadRequest request;
      request.DemandFileName = Fixture("ten.euc").toStdString();
      request.ExtraSitesFileName = sites;
      if (!LoadDataSet(model, request).empty()) qFatal("fixture did not load");
      menu.Apply(MenuEvent::DataLoaded);
      menu.show();
    }
    void SetParameters() {
      dialogs.answers.push_back(true);
      menu.Button(B::SetParameters)->click();
      forms.parameters.CovDist->setText("10");
      forms.parameters.CovDistExit();
      forms.parameters.CostPerMile->setText("1");
      forms.parameters.CostPerMileExit();
      forms.parameters.DoneAndRun->click();
      dialogs.answers.clear();
    }
  };

 private slots:
  void viewingChangesNoButton() {
    Program p;
    p.SetParameters();
    p.menu.Apply(MenuEvent::RunCompleted, 'M');
    const std::vector<bool> before = Enabled(p.menu);
    QVERIFY(before[int(B::DisplayResults)]);
    QTest::mouseClick(p.menu.Button(B::ViewData), Qt::LeftButton);
    QVERIFY(p.editor.isVisible());
    QVERIFY(!p.editor.Editable());
    QCOMPARE(Enabled(p.menu), before);
    QTest::mouseClick(p.editor.CloseButton, Qt::LeftButton);
    QVERIFY(p.editor.isHidden());
    QVERIFY(p.menu.isVisible());
    QCOMPARE(Enabled(p.menu), before);
  }

  // After an editable visit the parameters must be confirmed again before any run.
  void editingAsksForTheParametersAgain() {
    Program p;
    p.SetParameters();
    p.menu.Apply(MenuEvent::RunCompleted, 'M');
    QTest::mouseClick(p.menu.Button(B::EditButton), Qt::LeftButton);
    QVERIFY(p.editor.isVisible());
    QVERIFY(p.editor.Editable());
    const std::vector<bool> afterOpening = Enabled(p.menu);
    for (B b : {B::LoadData, B::SetParameters, B::EditButton, B::ViewData}) QVERIFY(afterOpening[int(b)]);
    for (B b : {B::RunModels, B::TradeoffCurves, B::DisplayResults, B::MapResults, B::ExchangeSites})
      QVERIFY(!afterOpening[int(b)]);
    QTest::mouseClick(p.editor.CloseButton, Qt::LeftButton);
    QCOMPARE(Enabled(p.menu), afterOpening);
    p.SetParameters();
    QVERIFY(p.menu.Button(B::RunModels)->isEnabled());
  }

  void backgroundClickOpensTheEditorOnlyWhenEditingIsOffered() {
    Program p;
    p.menu.Apply(MenuEvent::LoadFormOpened);  // no data: the editor buttons are off
    QTest::mouseClick(p.menu.KVEBackground, Qt::LeftButton);
    QVERIFY(p.editor.isHidden());
    p.menu.Apply(MenuEvent::DataLoaded);
    QTest::mouseClick(p.menu.KVEBackground, Qt::LeftButton);
    QVERIFY(p.editor.isVisible());
    QVERIFY(p.editor.Editable());
  }

  void newLoadClosesTheEditor() {
    Program p;
    QTest::mouseClick(p.menu.Button(B::ViewData), Qt::LeftButton);
    QVERIFY(p.editor.isVisible());
    p.dialogs.answers = {true};
    QTest::mouseClick(p.menu.Button(B::LoadData), Qt::LeftButton);
    QCOMPARE(p.loads, 1);
    QVERIFY(p.editor.isHidden());
  }

  // With every demand node removed the parameters are refused, so no run starts.
  void removingEveryDemandNodeLeavesNothingToRun() {
    QTemporaryDir dir;
    QFile sites(dir.filePath("sites.euc"));
    QVERIFY(sites.open(QIODevice::WriteOnly));
    sites.write("1 5 5 0 0 10 <North>\n2 15 5 0 0 10 <South>\n");
    sites.close();
    Program p(sites.fileName().toStdString());
    p.SetParameters();
    QTest::mouseClick(p.menu.Button(B::EditButton), Qt::LeftButton);
    for (int removed = 0; removed < 10; ++removed) {
      p.editor.DeleteNodeBox->setCurrentIndex(0);
      emit p.editor.DeleteNodeBox->activated(0);
      QTest::mouseClick(p.editor.RemoveNodeButton, Qt::LeftButton);
    }
    QCOMPARE(int(p.model.NumDemandNodes), 0);
    QCOMPARE(int(p.model.Numbnodes), 2);
    QTest::mouseClick(p.editor.CloseButton, Qt::LeftButton);
    p.dialogs.shown.clear();
    p.SetParameters();
    QVERIFY(!p.menu.Button(B::RunModels)->isEnabled());
    QVERIFY(!p.menu.Button(B::TradeoffCurves)->isEnabled());
    QCOMPARE(p.dialogs.shown.size(), 1);
    QCOMPARE(p.dialogs.shown[0].kind, 'E');
    QCOMPARE(p.dialogs.shown[0].text,
             QString("The data set has no demand nodes.\nThere is no demand for a facility to serve."));
  }
};

QTEST_MAIN(EditorMenuTest)
#include "EditorMenuTest.moc"
