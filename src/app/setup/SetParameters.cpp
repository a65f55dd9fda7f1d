#include "setup/SetParameters.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup/FieldFocus.h"
#include "setup/FormStyle.h"
#include "setup/KeyFilter.h"
#include "setup/ParameterRules.h"
#include "shell/Dialogs.h"

namespace korvelan::app {

TParameterForm::TParameterForm(ModelState& model, Dialogs& dialogs, MenuLink& menu, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), dialogs_(dialogs), menu_(menu) {
  setWindowTitle("Set Parameters");
  BuildControls();
  const QString allowed = Digits + ".";
  new KeyFilter(CovDist, [allowed] { return allowed; }, [this] { KeyTyped(true); });
  new KeyFilter(CostPerMile, [allowed] { return allowed; }, [this] { KeyTyped(false); });
  connect(CovDist, &QLineEdit::textEdited, this, &TParameterForm::UpdateDoneAndRun);
  connect(CostPerMile, &QLineEdit::textEdited, this, &TParameterForm::UpdateDoneAndRun);
  WatchField(CovDist, [this] { CovDistExit(); });
  WatchField(CostPerMile, [this] { CostPerMileExit(); });
  LeaveFieldsOnBackgroundClick(this);
  SetTabOrder({CovDist, CostPerMile, ForceNodes, InitializeNodes, DoneAndRun, Cancel});
  connect(DoneAndRun, &QPushButton::clicked, this, &TParameterForm::DoneAndRunClick);
  connect(Cancel, &QPushButton::clicked, this, &TParameterForm::CancelClick);
  connect(ForceNodes, &QPushButton::clicked, this, [this] {
    hide();
    emit forceNodesRequested();
  });
  connect(InitializeNodes, &QPushButton::clicked, this, [this] {
    hide();
    emit initializeNodesRequested();
  });
}

void TParameterForm::BuildControls() {
  auto* text = new QLabel(
      "Use this form to set parameters.  You must set the coverage distance and the cost per mile before you "
      "can run any algorithms.");
  text->setWordWrap(true);
  CovDist = new QLineEdit;
  CovDist->setToolTip("This is the coverage distance.  It is reported for all models.");
  CostPerMile = new QLineEdit;
  CostPerMile->setToolTip("This is the cost/mile.  Use 1 to show total demand-weighted miles.");
  DemWeighted = new QLabel("Demand Weighted");
  DemWeighted->setStyleSheet("color: red; font-weight: bold;");
  DoneAndRun = MakeButton("&Done and Run", "You must click this to recompute coverage tables and proceed");
  Cancel = MakeButton("&Cancel", "Cancel these inputs");
  ForceNodes = MakeButton("&Force Nodes", "Go to the Force Nodes Menu");
  InitializeNodes = MakeButton("&Initialize Nodes", "Go to the Initialize Nodes Menu");

  auto* coverageRow = new QHBoxLayout;
  coverageRow->addWidget(CovDist, 1);
  coverageRow->addWidget(DemWeighted);
  auto* fields = new QFormLayout;
  auto* covLabel = new QLabel("C&Overage Distance");
  covLabel->setBuddy(CovDist);
  auto* costLabel = new QLabel("Cost per &Mile");
  costLabel->setBuddy(CostPerMile);
  fields->addRow(covLabel, coverageRow);
  fields->addRow(costLabel, CostPerMile);

  auto* sites = new QHBoxLayout;
  sites->addWidget(ForceNodes);
  sites->addWidget(InitializeNodes);
  sites->addStretch(1);
  auto* commands = new QHBoxLayout;
  commands->addStretch(1);
  commands->addWidget(DoneAndRun);
  commands->addWidget(Cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addSpacing(8);
  layout->addLayout(fields);
  layout->addSpacing(8);
  layout->addLayout(sites);
  layout->addStretch(1);
  layout->addLayout(commands);
  setMinimumWidth(460);
}

void TParameterForm::Open() {
  FormActivate();
  show();
  raise();
  activateWindow();
  // Each visit starts in the coverage distance, ready to be typed over.
  CovDist->setFocus(Qt::OtherFocusReason);
  CovDist->selectAll();
}

void TParameterForm::FormActivate() {
  if (!menu_.enabled(MenuButton::RunModels) && !DoneAndRun->isEnabled()) {
    model_.CoverageDistanceSet = 0;
    model_.CostPerMileSet = 0;
  }
  changed_ = false;
  ShowStoredValues();
}

void TParameterForm::ShowStoredValues() {
  const bool bothSet = model_.CoverageDistanceSet && model_.CostPerMileSet;
  DoneAndRun->setEnabled(bothSet);
  DemWeighted->setVisible(bothSet && model_.ProblemCode == '%' && model_.DoWeightedFlag);
  if (!bothSet) {
    CovDist->clear();
    CostPerMile->clear();
    return;
  }
  CovDist->setText(QString::fromStdString(CoverageDistanceText(model_.CoverageDistance)));
  CostPerMile->setText(QString::fromStdString(CostPerMileText(model_.CostPerMile)));
}

void TParameterForm::KeyTyped(bool inCoverageDistance) {
  DoneAndRun->setEnabled(false);
  if (!inCoverageDistance) return;
  model_.DoWeightedFlag = 0;
  DemWeighted->hide();
}

void TParameterForm::UpdateDoneAndRun() {
  // While the analyst types, "&Done and Run" is offered as soon as both fields
  // hold numbers; the values are taken when a field is left or the button pressed.
  ModelState trial;
  const bool coverage = EnterCoverageDistance(trial, CovDist->text().toStdString()).empty();
  const bool cost = EnterCostPerMile(trial, CostPerMileValueText(), EntryForm::Parameters).empty();
  DoneAndRun->setEnabled(coverage && cost);
}

std::string TParameterForm::CostPerMileValueText() const {
  // The field shows the stored value with thousands separators; they are no part of the number.
  return CostPerMile->text().remove(',').toStdString();
}

bool TParameterForm::CommitField(QLineEdit* field) {
  const bool isCoverage = field == CovDist;
  const std::string text = isCoverage ? CovDist->text().toStdString() : CostPerMileValueText();
  if (text.empty()) return false;
  const std::string message = isCoverage ? EnterCoverageDistance(model_, text)
                                         : EnterCostPerMile(model_, text, EntryForm::Parameters);
  if (!message.empty()) {
    dialogs_.Information(QString::fromStdString(message));
    return false;
  }
  changed_ = true;
  return true;
}

void TParameterForm::CovDistExit() {
  CommitField(CovDist);
  DoneAndRun->setEnabled(model_.CoverageDistanceSet && model_.CostPerMileSet);
}

void TParameterForm::CostPerMileExit() {
  CommitField(CostPerMile);
  DoneAndRun->setEnabled(model_.CoverageDistanceSet && model_.CostPerMileSet);
}

void TParameterForm::DoneAndRunClick() {
  // Take what the fields hold now: a mnemonic press does not leave the field.
  if (CovDist->text().toStdString() != CoverageDistanceText(model_.CoverageDistance) && !CommitField(CovDist)) return;
  if (CostPerMile->text().toStdString() != CostPerMileText(model_.CostPerMile) && !CommitField(CostPerMile)) return;
  if (!model_.CoverageDistanceSet || !model_.CostPerMileSet) return;
  const ConfirmResult result = ConfirmParameters(model_);
  if (!result.ok) {
    dialogs_.Error(QString::fromStdString(result.message));
    return;
  }
  dialogs_.Information(QString::fromStdString(result.message));
  hide();
  menu_.Report(MenuEvent::ParametersDone);
  menu_.showMenu();
}

void TParameterForm::CancelClick() {
  hide();
  menu_.showMenu();
  if (changed_) menu_.Report(MenuEvent::ParametersCancelledAfterChange);
}

void TParameterForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  CancelClick();
}

}  // namespace korvelan::app
