#include "setup/RunModelsForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "setup/FieldFocus.h"
#include "setup/FormStyle.h"
#include "setup/KeyFilter.h"
#include "setup/RunChoices.h"
#include "setup/RunModels.h"
#include "shell/Dialogs.h"
#include "solve/RunHost.h"
#include "setup/ParameterRules.h"

namespace korvelan::app {

namespace {

const char* const ProblemCaptions[] = {"Ma&Ximum Covering",
                                       "P-&Median",
                                       "Uncapacitated &Fixed Charge",
                                       "&Set Covering",
                                       "&P-Center",
                                       "Par&Tial Set Covering",
                                       "P&Artial P-Center",
                                       "Integrated In&V/Loc (Brask) Model"};

QLineEdit* MakeField(const QString& hint) {
  auto* field = new QLineEdit;
  if (!hint.isEmpty()) field->setToolTip(hint);
  field->setMaximumWidth(160);
  return field;
}

QLabel* MakeLabel(const QString& caption, QWidget* buddy) {
  auto* label = new QLabel(caption);
  label->setBuddy(buddy);
  return label;
}

QCheckBox* MakeCheckBox(const QString& caption, const QString& hint) {
  auto* box = new QCheckBox(caption);
  if (!hint.isEmpty()) box->setToolTip(hint);
  return box;
}

}  // namespace

TRunModelsForm::TRunModelsForm(ModelState& model, Dialogs& dialogs, RunHost& host, MenuLink& menu,
                               RunFormLinks links, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), dialogs_(dialogs), host_(host), menu_(menu),
      links_(std::move(links)) {
  setWindowTitle("Run Models");
  BuildControls();
  ConnectControls();
  HideOptionalControls();
  SetTabOrderTopDown();
}

// The problems, the algorithms, the inputs from top to bottom, then the buttons.
void TRunModelsForm::SetTabOrderTopDown() {
  std::vector<QWidget*> order(ProblemItems.begin(), ProblemItems.end());
  order.insert(order.end(), AlgorithmItems.begin(), AlgorithmItems.end());
  order.insert(order.end(), {NumbInput, CostPerMile, ExchangeEveryIter, ExcludeDominated, MedianExchange,
                             NeighborhoodExchange, FirstSubsAlg, DemandFraction, NodeCount, CovAmount, UPPER, LOWER,
                             DoWeighted, ViewLag, ReturnButton, Execute, CloseButton});
  SetTabOrder(order);
}

std::vector<QString> TRunModelsForm::AlgorithmCaptions(char problemCode) {
  switch (problemCode) {
    case 'C': return {"&Greedy Adding", "Greedy Adding and &Substitution", "&Lagrangian Relaxation"};
    case 'M': return {"&Myopic", "&Exchange", "&Neighborhood", "&Lagrangian Relaxation", "Gene&Tic Algorithm"};
    case 'F':
    case 'V': return {"&Add", "&Drop", "&Exchange", "&Neighborhood", "&Lagrangian Relaxation"};
    default: return {};
  }
}

void TRunModelsForm::BuildControls() {
  ProblemSelector = new QGroupBox("Select a Problem to Solve");
  ProblemSelector->setToolTip("Select a model to solve");
  problemGroup_ = new QButtonGroup(this);
  auto* problems = new QVBoxLayout(ProblemSelector);
  for (int i = 0; i < 8; ++i) {
    ProblemItems[i] = new QRadioButton(ProblemCaptions[i]);
    problemGroup_->addButton(ProblemItems[i], i);
    problems->addWidget(ProblemItems[i]);
  }
  problems->addStretch(1);

  CoveringAlg = new QGroupBox("Select an Algorithm");
  CoveringAlg->setToolTip("Select an algorithm to use to solve the model");
  algorithmGroup_ = new QButtonGroup(this);
  auto* algorithms = new QVBoxLayout(CoveringAlg);
  for (int i = 0; i < 5; ++i) {
    AlgorithmItems[i] = new QRadioButton;
    algorithmGroup_->addButton(AlgorithmItems[i], i);
    algorithms->addWidget(AlgorithmItems[i]);
  }

  ViewLag = MakeButton("&View and Set Lagrangian Options", "Show the Lagrangian Parameter Setting Menu");
  ReturnButton = MakeButton("&Return to Cost Setting Menu", "");
  Execute = MakeButton("&Quit and Run", "Quit and run the selected model");
  CloseButton = MakeButton("&Cancel", "Cancel and do not run any model");
  Execute->setDefault(true);

  auto* right = new QVBoxLayout;
  right->addWidget(CoveringAlg);
  right->addWidget(BuildInputsPanel());
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addWidget(ProblemSelector);
  columns->addLayout(right, 1);
  auto* commands = new QHBoxLayout;
  commands->addWidget(ViewLag);
  commands->addWidget(ReturnButton);
  commands->addStretch(1);
  commands->addWidget(Execute);
  commands->addWidget(CloseButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addSpacing(6);
  layout->addLayout(commands);
  setMinimumSize(760, 440);
}

QWidget* TRunModelsForm::BuildInputsPanel() {
  NumbInput = MakeField("Specify the number of facilities to locate (-1 tells model to optimize of this number)");
  InputNumber = MakeLabel("Num&ber to Locate", NumbInput);
  InputNumber->setToolTip(NumbInput->toolTip());
  NumberMinusOne = new QLabel("-1 for Number to Locate Means OPTIMIZE over number to locate");
  NumberMinusOne->setStyleSheet("color: darkblue;");
  CostPerMile = MakeField("Specify the cost per item per mile");
  CostLabel = MakeLabel("C&ost per mile", CostPerMile);
  ExchangeEveryIter =
      MakeCheckBox("Exc&Hange every iteration", "Decide whether the Exhange algorithm should be used each iteration");
  ExcludeDominated = MakeCheckBox("Exclude &Dominated Nodes", "Decide whether dominated nodes should be excluded");
  MedianExchange =
      MakeCheckBox("E&Xchange every iteration", "Decide whether the Exchange algorithm should be used each iteration");
  NeighborhoodExchange =
      MakeCheckBox("Ne&Ighborhood Search on Each Iteration",
                   "Decide whether the Neighborhood Search algorithm should be used each iteration");
  FirstSubsAlg =
      MakeCheckBox("Do ADD algorithm &First", "Decide whether the ADD or DROP algorithm should be used first");
  CoverTypeSelector = new QGroupBox("Select Type of Coverage");
  CoverTypeSelector->setToolTip("Select the criterion for partial coverage");
  DemandFraction = new QRadioButton("&% Demand");
  NodeCount = new QRadioButton("&# Nodes");
  auto* types = new QHBoxLayout(CoverTypeSelector);
  types->addWidget(DemandFraction);
  types->addWidget(NodeCount);
  CovAmount = MakeField("");
  SpecifyAmount = MakeLabel("Specify Amount of Desired Co&Verage", CovAmount);
  UPPER = MakeField("Input an estimate of the upper bound on the coverage distance");
  UpperEstimate = MakeLabel("&Upper Estimate", UPPER);
  LOWER = MakeField("Input an estimate of a lower bound on the coverage distance");
  LowerEstimate = MakeLabel("Lo&Wer Estimate", LOWER);
  DoWeighted = MakeCheckBox("&Do Weighted", "Check if weighted distances are to be used");

  auto* panel = new QGroupBox("Model Inputs");
  inputsPanel_ = panel;
  auto* grid = new QGridLayout(panel);
  int row = 0;
  grid->addWidget(InputNumber, row, 0);
  grid->addWidget(NumbInput, row++, 1);
  grid->addWidget(NumberMinusOne, row++, 0, 1, 3);
  grid->addWidget(CostLabel, row, 0);
  grid->addWidget(CostPerMile, row++, 1);
  for (QCheckBox* box : {ExchangeEveryIter, ExcludeDominated, MedianExchange, NeighborhoodExchange, FirstSubsAlg})
    grid->addWidget(box, row++, 0, 1, 3);
  grid->addWidget(CoverTypeSelector, row++, 0, 1, 3);
  grid->addWidget(SpecifyAmount, row, 0);
  grid->addWidget(CovAmount, row++, 1);
  grid->addWidget(UpperEstimate, row, 0);
  grid->addWidget(UPPER, row++, 1);
  grid->addWidget(LowerEstimate, row, 0);
  grid->addWidget(LOWER, row++, 1);
  grid->addWidget(DoWeighted, row++, 0, 1, 3);
  grid->setColumnStretch(2, 1);
  return panel;
}

void TRunModelsForm::ConnectControls() {
  connect(problemGroup_, &QButtonGroup::idClicked, this, &TRunModelsForm::ProblemSelectorClick);
  connect(algorithmGroup_, &QButtonGroup::idClicked, this, &TRunModelsForm::CoveringAlgClick);
  WatchField(NumbInput, [this] { NumbInputExit(); });
  WatchField(CovAmount, [this] { CovAmountExit(); });
  WatchField(UPPER, [this] { UpperExit(); });
  WatchField(LOWER, [this] { LowerExit(); });
  WatchField(CostPerMile, [this] { CostPerMileExit(); }, [this] { CostPerMileEnter(); });
  LeaveFieldsOnBackgroundClick(this);
  connect(DemandFraction, &QRadioButton::clicked, this, [this] { CoverTypeClick('F'); });
  connect(NodeCount, &QRadioButton::clicked, this, [this] { CoverTypeClick('N'); });
  connect(ExchangeEveryIter, &QCheckBox::clicked, this, &TRunModelsForm::ExchangeEveryIterClick);
  connect(ExcludeDominated, &QCheckBox::clicked, this, &TRunModelsForm::ExcludeDominatedClick);
  connect(MedianExchange, &QCheckBox::clicked, this, &TRunModelsForm::MedianExchangeClick);
  connect(NeighborhoodExchange, &QCheckBox::clicked, this, &TRunModelsForm::NeighborhoodExchangeClick);
  connect(FirstSubsAlg, &QCheckBox::clicked, this, &TRunModelsForm::FirstSubsAlgClick);
  connect(DoWeighted, &QCheckBox::clicked, this, &TRunModelsForm::DoWeightedClick);
  connect(ViewLag, &QPushButton::clicked, this, &TRunModelsForm::ViewLagClick);
  connect(ReturnButton, &QPushButton::clicked, this, &TRunModelsForm::ReturnButtonClick);
  connect(Execute, &QPushButton::clicked, this, &TRunModelsForm::ExecuteClick);
  connect(CloseButton, &QPushButton::clicked, this, &TRunModelsForm::CloseButtonClick);

  new KeyFilter(NumbInput, [this] { return model_.AllowMinusOne ? Digits + "-" : Digits; });
  new KeyFilter(CostPerMile, [] { return Digits + "."; });
  new KeyFilter(UPPER, [] { return Digits; });
  new KeyFilter(LOWER, [] { return Digits; });
  new KeyFilter(CovAmount, [this] { return model_.CoverTypeCode == 'F' ? Digits + "." : Digits; });
}

void TRunModelsForm::HideOptionalControls() {
  for (QWidget* w : std::initializer_list<QWidget*>{
           CoveringAlg, InputNumber, NumbInput, NumberMinusOne, CostLabel, CostPerMile, ExchangeEveryIter,
           ExcludeDominated, MedianExchange, NeighborhoodExchange, FirstSubsAlg, CoverTypeSelector, SpecifyAmount,
           CovAmount, UpperEstimate, UPPER, LowerEstimate, LOWER, DoWeighted, ViewLag, ReturnButton, inputsPanel_})
    w->hide();
}

void TRunModelsForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  CloseButtonClick();
}

void TRunModelsForm::Open() {
  FormShow();
  show();
  raise();
  activateWindow();
  ProblemItems[0]->setFocus(Qt::OtherFocusReason);
}

void TRunModelsForm::FormShow() {
  if (*firstOpening_) {
    *firstOpening_ = false;
    PrepareFirstOpening(model_);
  }
  HideOptionalControls();
  OpenRunModels(model_);
  estimates_ = {};
  for (QLineEdit* field : {CovAmount, UPPER, LOWER, NumbInput}) field->clear();
  UncheckAll(problemGroup_);
  UncheckAll(algorithmGroup_);
  DemandFraction->setAutoExclusive(false);
  DemandFraction->setChecked(false);
  NodeCount->setChecked(false);
  DemandFraction->setAutoExclusive(true);
  CoveringAlg->setEnabled(true);
  NumbInput->setEnabled(true);
  InputNumber->setEnabled(true);
  Execute->setEnabled(false);
  ProblemSelector->setEnabled(true);
}

void TRunModelsForm::ShowAlgorithms(char problemCode) {
  const std::vector<QString> captions = AlgorithmCaptions(problemCode);
  for (size_t i = 0; i < AlgorithmItems.size(); ++i) {
    AlgorithmItems[i]->setVisible(i < captions.size());
    if (i < captions.size()) AlgorithmItems[i]->setText(captions[i]);
  }
  UncheckAll(algorithmGroup_);
  CoveringAlg->setEnabled(true);
  CoveringAlg->show();
}

void TRunModelsForm::ProblemSelectorClick(int index) {
  if (index < 0 || index >= static_cast<int>(ProblemCodes.size())) return;
  ShowProblemControls(ProblemCodes[index]);
}

void TRunModelsForm::ShowProblemControls(char code) {
  ChooseProblem(model_, code);
  ProblemSelector->setEnabled(false);
  inputsPanel_->setVisible(code != 'S');
  switch (code) {
    case 'C':
    case 'M':
      ShowAlgorithms(code);
      AlgorithmItems[0]->setFocus(Qt::OtherFocusReason);
      break;
    case 'F':
      ShowAlgorithms(code);
      CostLabel->show();
      CostPerMile->show();
      CostPerMile->setEnabled(true);
      CostPerMile->setText(QString::fromStdString(CostPerMileText(model_.CostPerMile)));
      AlgorithmItems[0]->setFocus(Qt::OtherFocusReason);
      break;
    case 'S':
      Execute->setEnabled(true);
      ViewLag->show();
      Execute->setFocus(Qt::OtherFocusReason);
      break;
    case 'P':
    case '%':
      ShowNumberInput();
      DoWeighted->setChecked(false);
      ViewLag->show();
      break;
    case '&':
      CoverTypeSelector->show();
      ViewLag->show();
      DemandFraction->setFocus(Qt::OtherFocusReason);
      break;
    case 'V':
      if (links_.openInvLocParameters) links_.openInvLocParameters();
      ShowAlgorithms('V');
      AlgorithmItems[4]->setChecked(true);
      CoveringAlg->setEnabled(false);
      ShowNumberInput();
      ViewLag->show();
      ReturnButton->show();
      Execute->setEnabled(false);
      break;
  }
  ViewLag->setEnabled(true);
}

void TRunModelsForm::ShowNumberInput() {
  const bool fixedFamily = model_.ProblemCode == 'F' || model_.ProblemCode == 'V';
  const long long value = fixedFamily ? model_.FixedNumberToLocate : model_.NumberToLocate;
  NumbInput->setText(QString::number(value));
  NumbInput->setEnabled(true);
  InputNumber->setEnabled(true);
  InputNumber->show();
  NumbInput->show();
  NumberMinusOne->setVisible(fixedFamily && model_.AllowMinusOne);
  NumbInput->setFocus();
  NumbInput->selectAll();
}

void TRunModelsForm::ShowCheckBox(QCheckBox* box, bool checked, const QString& caption) {
  box->setChecked(checked);
  box->setText(caption);
  box->show();
}

char TRunModelsForm::AlgorithmLetter(char problemCode, int index) {
  static const char* const covering = "GSL";
  static const char* const median = "MENLT";
  static const char* const fixed = "ADENL";
  const char* letters = problemCode == 'C' ? covering : problemCode == 'M' ? median : fixed;
  return index >= 0 && index < static_cast<int>(std::char_traits<char>::length(letters)) ? letters[index] : ' ';
}

void TRunModelsForm::CoveringAlgClick(int index) {
  const std::vector<QString> captions = AlgorithmCaptions(model_.ProblemCode);
  if (index < 0 || index >= static_cast<int>(captions.size())) return;
  for (QCheckBox* box : {ExchangeEveryIter, ExcludeDominated, MedianExchange, NeighborhoodExchange, FirstSubsAlg})
    box->hide();
  ChooseAlgorithm(model_, AlgorithmLetter(model_.ProblemCode, index));
  StartFixedSearchWithAdd(model_);
  const char code = model_.ProblemCode;
  if (code == 'C' && model_.SolutionClass == 0) {
    if (model_.DoSubstitution) ShowCheckBox(ExchangeEveryIter, true, "Exc&Hange EVERY Iteration");
    ShowCheckBox(ExcludeDominated, model_.Covering.ExcludeDominatedNodes, "");
  }
  if (code == 'M' && model_.MedianAlgorithm == 'E') ShowCheckBox(MedianExchange, model_.MedianTiming == 'E', "");
  if (code == 'M' && model_.MedianAlgorithm == 'N')
    ShowCheckBox(NeighborhoodExchange, model_.MedianTiming == 'E', "");
  if (code == 'M' && model_.MedianAlgorithm == 'T' && links_.openGeneticSettings) links_.openGeneticSettings();
  if (code == 'F' && (model_.FixedAlgorithm == 'E' || model_.FixedAlgorithm == 'N'))
    ShowCheckBox(FirstSubsAlg, true, "Do ADD Algorithm &First");
  UpdateCheckCaptions();
  ShowNumberInput();
  ViewLag->setVisible(IsLagrangianChoice());
  ViewLag->setEnabled(true);
}

bool TRunModelsForm::IsLagrangianChoice() const {
  const char code = model_.ProblemCode;
  if (code == 'C') return model_.SolutionClass == 2;
  if (code == 'M') return model_.MedianAlgorithm == 'L';
  if (code == 'F') return model_.FixedAlgorithm == 'L';
  return true;
}

void TRunModelsForm::UpdateCheckCaptions() {
  ExchangeEveryIter->setText(model_.ExchangeEveryIteration
                                 ? "Exc&Hange EVERY Iteration"
                                 : "Exc&Hange On LAST Iteration Only (Click for EVERY Iteration)");
  ExcludeDominated->setText(model_.Covering.ExcludeDominatedNodes ? "Exclude &Dominated Nodes"
                                                         : "Do NOT Exclude &Dominated Nodes (Check to exclude)");
  const bool every = model_.MedianTiming == 'E';
  MedianExchange->setText(every ? "E&Xchange EVERY iteration" : "E&Xchange after LAST iteration (Check for EVERY)");
  NeighborhoodExchange->setText(every ? "Ne&Ighborhood Search on EACH Iteration"
                                      : "Ne&Ighborhood Search on LAST Iteration (Check for EACH)");
  FirstSubsAlg->setText(model_.AddFirst == 'A' ? "Do ADD Algorithm &First" : "Do DROP Algorithm &First");
}

void TRunModelsForm::ExchangeEveryIterClick() {
  model_.ExchangeEveryIteration = ExchangeEveryIter->isChecked();
  UpdateCheckCaptions();
}

void TRunModelsForm::ExcludeDominatedClick() {
  model_.Covering.ExcludeDominatedNodes = ExcludeDominated->isChecked();
  UpdateCheckCaptions();
}

void TRunModelsForm::MedianExchangeClick() {
  model_.MedianTiming = MedianExchange->isChecked() ? 'E' : 'L';
  UpdateCheckCaptions();
}

void TRunModelsForm::NeighborhoodExchangeClick() {
  model_.MedianTiming = NeighborhoodExchange->isChecked() ? 'E' : 'L';
  UpdateCheckCaptions();
}

void TRunModelsForm::FirstSubsAlgClick() {
  model_.AddFirst = FirstSubsAlg->isChecked() ? 'A' : 'D';
  UpdateCheckCaptions();
}

void TRunModelsForm::DoWeightedClick() { model_.DoWeightedFlag = DoWeighted->isChecked(); }

}  // namespace korvelan::app
