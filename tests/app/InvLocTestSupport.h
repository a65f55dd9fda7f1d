#pragma once
// Shared by the inventory/location form tests: the desktop program with the ten
// towns loaded and the parameters set, driven through its menu.
#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "SetupTestSupport.h"
#include "shell/DesktopProgram.h"

namespace korvelan::app::testing {

inline constexpr int InventoryLocation = 7;  // position of the model on the run form

inline void ClickIndicator(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

inline void ClickRow(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

struct Program {
  ModelState model;
  ScriptedDialogs dialogs;
  DesktopProgram program{model, dialogs};

  Program() {
    if (!LoadFixture(model, "ten.euc").empty()) qFatal("fixture did not load");
    program.menu.show();
    program.menu.Apply(MenuEvent::DataLoaded);
    Step(MenuButton::SetParameters);
    TParameterForm& p = forms().parameters;
    p.CovDist->setText("10");
    p.CovDistExit();
    p.CostPerMile->setText("1");
    p.CostPerMileExit();
    QTest::mouseClick(p.DoneAndRun, Qt::LeftButton);
  }
  StepForms& forms() { return program.stepForms; }
  TTolvParamForm& parameters() { return forms().invLocParameters; }
  void Step(MenuButton b) {
    dialogs.answers.push_back(true);
    QTest::mouseClick(program.menu.Button(b), Qt::LeftButton);
    dialogs.answers.clear();
  }
  // "&Run Models", the inventory/location model: its parameter form opens.
  void ChooseModel() {
    Step(MenuButton::RunModels);
    ClickIndicator(forms().run.ProblemItems[InventoryLocation]);
  }
  // The number to locate, then "&Quit and Run"; the parameter form was quit before.
  void Run(const char* number) {
    TRunModelsForm& run = forms().run;
    run.NumbInput->setText(number);
    run.NumbInputExit();
    QTest::mouseClick(run.Execute, Qt::LeftButton);
  }
  // A whole run of the model: the daily demand per unit of loaded demand typed into
  // the parameter form, the number of centres, then "&Display Results".
  void Solve(const char* demandPerPopulation, const char* number) {
    ChooseModel();
    QVERIFY(MakeActive(forms().invLocParameters));
    QLineEdit* box = forms().invLocParameters.Edit("tolvDemPerPopEdit");
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, demandPerPopulation);
    QTest::keyClick(box, Qt::Key_Tab);
    QTest::mouseClick(forms().invLocParameters.QuitButton, Qt::LeftButton);
    Run(number);
    QCOMPARE(model.FatalError, uint8_t{0});
    Step(MenuButton::DisplayResults);
  }
  bool DemandsLoaded() const {
    for (int i = 1; i <= model.NumDemandNodes; ++i)
      if (model.Node(i).Demand != model.Node(i).LoadedDemand) return false;
    return true;
  }
};

// Types over the whole box, as the analyst does after Ctrl+A.
inline void TypeOver(QLineEdit* edit, const char* text) {
  QTest::mouseClick(edit, Qt::LeftButton);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(edit, text);
}

}  // namespace korvelan::app::testing
