#include "tradeoff/RunTradeoff.h"

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
#include "shell/Dialogs.h"
#include "solve/RunHost.h"
#include "tradeoff/TradeoffForm.h"

namespace korvelan::app {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

QCheckBox* MakeCheckBox(const QString& hint) {
  auto* box = new QCheckBox;
  box->setToolTip(hint);
  return box;
}

}  // namespace

TRunTradeoffForm::TRunTradeoffForm(ModelState& model, Dialogs& dialogs, RunHost& host, MenuLink& menu,
                                   RunFormLinks links, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), dialogs_(dialogs), host_(host), menu_(menu),
      links_(std::move(links)) {
  setWindowTitle("Run Tradeoff Form");
  BuildControls();
  ConnectControls();
  HideOptionalControls();
}

void TRunTradeoffForm::BuildControls() {
  ProblemSelector = new QGroupBox("Select a Problem to Solve");
  problemGroup_ = new QButtonGroup(this);
  auto* problems = new QVBoxLayout(ProblemSelector);
  const std::vector<ChoiceItem>& items = TradeoffProblemItems();
  for (size_t i = 0; i < ProblemItems.size(); ++i) {
    ProblemItems[i] = new QRadioButton(i < items.size() ? items[i].caption : "");
    problemGroup_->addButton(ProblemItems[i], static_cast<int>(i));
    problems->addWidget(ProblemItems[i]);
  }
  problems->addStretch(1);

  CoveringAlg = new QGroupBox("Select an Algorithm");
  algorithmGroup_ = new QButtonGroup(this);
  auto* algorithms = new QVBoxLayout(CoveringAlg);
  for (size_t i = 0; i < AlgorithmItems.size(); ++i) {
    AlgorithmItems[i] = new QRadioButton;
    algorithmGroup_->addButton(AlgorithmItems[i], static_cast<int>(i));
    algorithms->addWidget(AlgorithmItems[i]);
  }

  ViewLag = MakeButton("&View and Set Lagrangian Options", "Show the Lagrangian Parameter Setting Menu");
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
  commands->addStretch(1);
  commands->addWidget(Execute);
  commands->addWidget(CloseButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addSpacing(6);
  layout->addLayout(commands);
  setMinimumSize(680, 360);
}

QWidget* TRunTradeoffForm::BuildInputsPanel() {
  NumbInput = new QLineEdit;
  NumbInput->setToolTip("Specify the number of facilities to locate");
  NumbInput->setMaximumWidth(160);
  InputNumber = new QLabel("Num&ber to Locate");
  InputNumber->setBuddy(NumbInput);
  CostPerMile = new QLineEdit;
  CostPerMile->setToolTip("Specify the cost per item per mile");
  CostPerMile->setMaximumWidth(220);
  CostLabel = new QLabel("C&ost per mile");
  CostLabel->setBuddy(CostPerMile);
  ExchangeEveryIter = MakeCheckBox("Decide whether the Exhange algorithm should be used each iteration");
  ExcludeDominated = MakeCheckBox("Decide whether dominated nodes should be excluded");
  MedianExchange = MakeCheckBox("Decide whether the Exchange algorithm should be used each iteration");
  NeighborhoodExchange =
      MakeCheckBox("Decide whether the Neighborhood Search algorithm should be used each iteration");

  auto* panel = new QWidget;
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(InputNumber, 0, 0);
  grid->addWidget(NumbInput, 0, 1);
  grid->addWidget(CostLabel, 1, 0);
  grid->addWidget(CostPerMile, 1, 1);
  int row = 2;
  for (QCheckBox* box : {ExchangeEveryIter, ExcludeDominated, MedianExchange, NeighborhoodExchange})
    grid->addWidget(box, row++, 0, 1, 3);
  grid->setColumnStretch(2, 1);
  return panel;
}

void TRunTradeoffForm::ConnectControls() {
  connect(problemGroup_, &QButtonGroup::idClicked, this, &TRunTradeoffForm::ProblemSelectorClick);
  connect(algorithmGroup_, &QButtonGroup::idClicked, this, &TRunTradeoffForm::CoveringAlgClick);
  WatchField(NumbInput, [this] { NumbInputExit(); });
  WatchField(CostPerMile, [this] { CostPerMileExit(); }, [this] { CostPerMileEnter(); });
  LeaveFieldsOnBackgroundClick(this);
  new KeyFilter(NumbInput, [] { return Digits + "-"; });
  new KeyFilter(CostPerMile, [] { return Digits + "."; });
  connect(ExchangeEveryIter, &QCheckBox::clicked, this,
          [this] { CheckBoxClick(ExchangeEveryIter, &SetExchangeEveryIteration); });
  connect(ExcludeDominated, &QCheckBox::clicked, this,
          [this] { CheckBoxClick(ExcludeDominated, &SetExcludeDominated); });
  connect(MedianExchange, &QCheckBox::clicked, this,
          [this] { CheckBoxClick(MedianExchange, &SetMedianExchangeTiming); });
  connect(NeighborhoodExchange, &QCheckBox::clicked, this,
          [this] { CheckBoxClick(NeighborhoodExchange, &SetNeighborhoodTiming); });
  connect(ViewLag, &QPushButton::clicked, this, &TRunTradeoffForm::ViewLagClick);
  connect(Execute, &QPushButton::clicked, this, &TRunTradeoffForm::ExecuteClick);
  connect(CloseButton, &QPushButton::clicked, this, &TRunTradeoffForm::CloseButtonClick);
  SetTabOrder({ProblemItems[0], ProblemItems[1], ProblemItems[2], ProblemItems[3], AlgorithmItems[0],
               AlgorithmItems[1], AlgorithmItems[2], NumbInput, CostPerMile, ExchangeEveryIter, ExcludeDominated,
               MedianExchange, NeighborhoodExchange, ViewLag, Execute, CloseButton});
}

void TRunTradeoffForm::HideOptionalControls() {
  for (QWidget* w : std::initializer_list<QWidget*>{CoveringAlg, NumbInput, InputNumber, ExchangeEveryIter,
                                                    ExcludeDominated, NeighborhoodExchange, MedianExchange,
                                                    CostPerMile, CostLabel, ViewLag})
    w->hide();
}

void TRunTradeoffForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  CloseButtonClick();
}

void TRunTradeoffForm::Open() {
  FormShow();
  show();
  raise();
  activateWindow();
  ProblemItems[0]->setFocus(Qt::OtherFocusReason);
}

void TRunTradeoffForm::FormShow() {
  OpenTradeoff(model_);
  if (*firstOpening_) {
    *firstOpening_ = false;
    PrepareFirstOpening(model_);
  }
  HideOptionalControls();
  UncheckAll(problemGroup_);
  UncheckAll(algorithmGroup_);
  NumbInput->clear();
  NumbInput->setEnabled(true);
  InputNumber->setEnabled(true);
  ProblemSelector->setEnabled(true);
  Execute->setEnabled(false);
}

void TRunTradeoffForm::ShowAlgorithms(char code) {
  const std::vector<ChoiceItem> items = TradeoffAlgorithmItems(code);
  for (size_t i = 0; i < AlgorithmItems.size(); ++i) {
    AlgorithmItems[i]->setVisible(i < items.size());
    if (i < items.size()) AlgorithmItems[i]->setText(items[i].caption);
  }
  UncheckAll(algorithmGroup_);
  // The covering-median curve has one method: shown chosen, not to be changed.
  AlgorithmItems[0]->setChecked(code == 'D');
  CoveringAlg->show();
  CoveringAlg->setEnabled(code != 'D');
}

void TRunTradeoffForm::ProblemSelectorClick(int index) {
  const std::vector<ChoiceItem>& items = TradeoffProblemItems();
  if (index < 0 || index >= static_cast<int>(items.size())) return;
  const char code = items[index].code;
  if (!ChooseTradeoffProblem(model_, code)) return;
  ProblemSelector->setEnabled(false);
  Execute->show();
  Execute->setEnabled(false);
  ShowAlgorithms(code);
  if (code == 'F') {
    CostLabel->show();
    CostPerMile->show();
    CostPerMile->setEnabled(true);
    CostPerMile->setText(Text(CostPerMileShownText(model_)));
  }
  if (code == 'D') {
    NumbInput->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{NumbInput, InputNumber, ViewLag}) {
      w->show();
      w->setEnabled(true);
    }
    NumbInput->setFocus(Qt::OtherFocusReason);
    return;
  }
  AlgorithmItems[0]->setFocus(Qt::OtherFocusReason);
}

void TRunTradeoffForm::ShowCheckBox(QCheckBox* box, bool checked, const std::string& caption) {
  box->setChecked(checked);
  box->setText(Text(caption));
  box->show();
  box->setEnabled(true);
}

void TRunTradeoffForm::CoveringAlgClick(int index) {
  const std::vector<ChoiceItem> items = TradeoffAlgorithmItems(model_.ProblemCode);
  if (index < 0 || index >= static_cast<int>(items.size())) return;
  if (!ChooseTradeoffAlgorithm(model_, items[index].code)) return;
  for (QCheckBox* box : {ExchangeEveryIter, ExcludeDominated, MedianExchange, NeighborhoodExchange}) box->hide();
  Execute->setEnabled(true);
  ViewLag->hide();
  const char code = model_.ProblemCode;
  if (code == 'C') {
    const bool exclude = model_.Covering.ExcludeDominatedNodes;
    ShowCheckBox(ExcludeDominated, exclude, SetExcludeDominated(model_, exclude));
    if (model_.DoSubstitution) ShowCheckBox(ExchangeEveryIter, true, SetExchangeEveryIteration(model_, true));
  }
  if (code == 'M' && model_.MedianAlgorithm == 'E')
    ShowCheckBox(MedianExchange, true, SetMedianExchangeTiming(model_, true));
  if (code == 'M' && model_.MedianAlgorithm == 'N')
    ShowCheckBox(NeighborhoodExchange, true, SetNeighborhoodTiming(model_, true));
}

void TRunTradeoffForm::CheckBoxClick(QCheckBox* box, std::string (*store)(ModelState&, bool)) {
  box->setText(Text(store(model_, box->isChecked())));
}

void TRunTradeoffForm::NumbInputExit() {
  if (!NumbInput->isVisible() || !NumbInput->isEnabled()) return;
  const TradeoffCountCheck check = CheckTradeoffCount(model_, NumbInput->text().toStdString());
  if (!check.warning.empty()) dialogs_.Warning(Text(check.warning));
  if (check.kind != TradeoffCountCheck::Kind::Empty) NumbInput->setText(Text(check.fieldText));
  Execute->setEnabled(check.executeEnabled);
  NumbInput->setEnabled(check.fieldEnabled);
  InputNumber->setEnabled(check.fieldEnabled);
  if (!check.fieldEnabled) Execute->setFocus(Qt::OtherFocusReason);
}

void TRunTradeoffForm::CostPerMileEnter() {
  executeBeforeCost_ = Execute->isEnabled();
  Execute->setEnabled(false);
}

void TRunTradeoffForm::CostPerMileExit() {
  const std::string warning = LeaveCostPerMile(model_, CostPerMile->text().toStdString());
  if (!warning.empty()) dialogs_.Warning(Text(warning));
  CostPerMile->setText(Text(CostPerMileLeftText(model_)));
  Execute->setEnabled(executeBeforeCost_);
}

void TRunTradeoffForm::ViewLagClick() {
  if (links_.openLagSettings) links_.openLagSettings('M');
}

void TRunTradeoffForm::ExecuteClick() {
  const char code = model_.ProblemCode;
  if (links_.setLagCaption) links_.setLagCaption(Text(TradeoffLagCaption(code)));
  hide();
  const bool heuristic = model_.SolutionClass != 2;
  const bool notice = !heuristic && model_.ShowLagProgress == 0 && links_.showRunningNotice;
  if (links_.prepareHeuristicProgress) links_.prepareHeuristicProgress(heuristic);
  if (notice) {
    links_.showRunningNotice(true);
    host_.Delay(0, 100);
  }
  const RunEnd end = ExecuteTradeoff(model_, host_);
  if (links_.heuristicRunEnded) links_.heuristicRunEnded();
  if (notice) links_.showRunningNotice(false);
  if (end != RunEnd::Fatal) menu_.Report(MenuEvent::TradeoffTraced, code);
  if (hideLagProgress) hideLagProgress();
  menu_.showMenu();
}

void TRunTradeoffForm::CloseButtonClick() {
  hide();
  menu_.showMenu();
  menu_.Report(MenuEvent::TradeoffCancelled);
}

}  // namespace korvelan::app
