// The run-models form's input fields: the number to locate, the amount of
// partial coverage, the distance estimates and the cost per mile.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "setup/ParameterRules.h"
#include "setup/RunModelsForm.h"
#include "shell/Dialogs.h"

namespace korvelan::app {

void TRunModelsForm::ShowFieldResult(QLineEdit* field, const FieldResult& result) {
  if (!result.message.empty()) dialogs_.Warning(QString::fromStdString(result.message));
  field->setText(QString::fromStdString(result.fieldText));
}

void TRunModelsForm::NumbInputExit() {
  if (!NumbInput->isVisible() || !NumbInput->isEnabled()) return;
  const std::string text = NumbInput->text().trimmed().toStdString();
  if (text.empty()) return;  // an empty field changes nothing
  const FieldResult result = EnterNumberToLocate(model_, text);
  ShowFieldResult(NumbInput, result);
  if (!result.accepted) return;
  // The next step opens first: disabling the field moves the focus on, into the
  // cost per mile say, which must find "&Quit and Run" as the step left it.
  switch (model_.ProblemCode) {
    case 'C':
    case 'M':
    case 'F':
    case 'V': Execute->setEnabled(true); break;
    case 'P': ShowEstimates(); break;
    case '%': CoverTypeSelector->show(); break;
    default: break;
  }
  NumbInput->setEnabled(false);
  if (model_.ProblemCode == 'F' || model_.ProblemCode == 'V') InputNumber->setEnabled(false);
}

void TRunModelsForm::ShowEstimates() {
  for (QWidget* w : std::initializer_list<QWidget*>{UpperEstimate, UPPER, LowerEstimate, LOWER}) w->show();
}

void TRunModelsForm::CoverTypeClick(char type) {
  model_.CoverTypeCode = type;
  SpecifyAmount->setText(type == 'F' ? "&Specify Fraction of Desired Coverage" : "&Specify Number of Nodes to Cover");
  SpecifyAmount->show();
  CovAmount->clear();
  CovAmount->show();
  CovAmount->setFocus();
  Execute->setEnabled(false);
  model_.NodesToCover = model_.NumDemandNodes;
  model_.CoverFraction = 1.0;
}

void TRunModelsForm::CovAmountExit() {
  if (!CovAmount->isVisible()) return;
  const std::string text = CovAmount->text().trimmed().toStdString();
  if (text.empty()) return;
  const FieldResult result = EnterCoverAmount(model_, text);
  if (!result.accepted) {
    ShowFieldResult(CovAmount, result);
    Execute->setEnabled(false);
    return;
  }
  if (model_.ProblemCode == '&') {
    Execute->setEnabled(true);
    return;
  }
  ShowEstimates();
  DoWeighted->show();
}

void TRunModelsForm::UpperExit() {
  if (!UPPER->isVisible()) return;
  const FieldResult result = EnterUpperEstimate(model_, estimates_, UPPER->text().trimmed().toStdString());
  if (!result.accepted) ShowFieldResult(UPPER, result);
  Execute->setEnabled(EstimatesComplete(model_, estimates_));
}

void TRunModelsForm::LowerExit() {
  if (!LOWER->isVisible()) return;
  const FieldResult result = EnterLowerEstimate(model_, estimates_, LOWER->text().trimmed().toStdString());
  if (!result.accepted) ShowFieldResult(LOWER, result);
  Execute->setEnabled(EstimatesComplete(model_, estimates_));
}

void TRunModelsForm::CostPerMileEnter() {
  executeBeforeCost_ = Execute->isEnabled();
  Execute->setEnabled(false);
}

void TRunModelsForm::CostPerMileExit() {
  if (!CostPerMile->isVisible()) return;
  const std::string text = CostPerMile->text().remove(',').trimmed().toStdString();
  if (!text.empty()) {
    const std::string message = EnterCostPerMile(model_, text, EntryForm::RunModels);
    if (!message.empty()) dialogs_.Warning(QString::fromStdString(message));
  }
  CostPerMile->setText(QString::fromStdString(CostPerMileText(model_.CostPerMile)));
  Execute->setEnabled(executeBeforeCost_);
}

}  // namespace korvelan::app
