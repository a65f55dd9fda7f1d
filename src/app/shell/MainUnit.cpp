#include "shell/MainUnit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/AboutUnit.h"
#include "shell/Dialogs.h"
#include "shell/HintSwitch.h"
#include "shell/MenuBackground.h"
#include "shell/MenuStyle.h"

namespace korvelan::app {

namespace {

const char* const LoadQuestion =
    "You are about to LOAD new data.\rAre you sure you want to delete current data and solutions?";
const char* const ParametersQuestion = "You are about to CHANGE parameters.\rAre you sure you want to do so?";
const char* const NewRunQuestion = "You already have results.\rAre you sure you want to run a new model?";
const char* const ExitQuestion = "Thanks for using KORVELAN.\rAre you sure you want to exit now?";

}  // namespace

TKorvelanMain::TKorvelanMain(ModelState& model, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), model_(model), dialogs_(dialogs) {
  setObjectName("KorvelanMain");
  setAttribute(Qt::WA_StyledBackground);
  setWindowTitle("KORVELAN");
  about_ = new TAboutBox(this);
  connect(about_, &TAboutBox::finished, this, &TKorvelanMain::ShowMenu);
  splashTimer_ = new QTimer(this);
  splashTimer_->setSingleShot(true);
  splashTimer_->setInterval(1500);
  connect(splashTimer_, &QTimer::timeout, about_, &TAboutBox::EndSplash);
  hints_ = new HintSwitch(this);
  BuildWindow();
  Apply(MenuEvent::ProgramStarted);
  ShowHintState();
}

TKorvelanMain::~TKorvelanMain() = default;

void TKorvelanMain::BuildWindow() {
  auto* title = new QLabel("Korvelan Main Menu ");
  title->setObjectName("TitleLabel");
  KVEBackground = new MenuBackground;
  connect(KVEBackground, &MenuBackground::clicked, this, &TKorvelanMain::BackgroundClick);
  workArea_ = new QStackedWidget;
  workArea_->setObjectName("WorkArea");
  workArea_->addWidget(KVEBackground);
  workArea_->addWidget(BuildIdlePanel());
  auto* menuColumn = new QVBoxLayout;
  menuColumn->addWidget(BuildStepPanel());
  menuColumn->addWidget(BuildProgramPanel());
  menuColumn->addStretch();
  auto* body = new QHBoxLayout;
  body->setContentsMargins(16, 12, 16, 16);
  body->setSpacing(16);
  body->addLayout(menuColumn);
  body->addWidget(workArea_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(title);
  layout->addLayout(body, 1);
  setStyleSheet(MenuStyleSheet());
  resize(1060, 660);
}

QPushButton* TKorvelanMain::MakeButton(MenuButton b, const char* caption, const char* hint,
                                       void (TKorvelanMain::*click)()) {
  auto* button = new QPushButton(caption);
  button->setObjectName(MenuButtonName(b));
  if (*hint) button->setToolTip(hint);
  button->setMinimumWidth(150);
  connect(button, &QPushButton::clicked, this, click);
  buttons_[static_cast<int>(b)] = button;
  return button;
}

// One row of the menu: a button, its hint, its handler and the guide label beside it.
struct TKorvelanMain::Row {
  MenuButton button;
  const char* caption;
  const char* hint;
  void (TKorvelanMain::*click)();
  const char* guide;
};

QGroupBox* TKorvelanMain::BuildPanel(const char* title, const std::vector<Row>& rows) {
  auto* box = new QGroupBox(title);
  auto* grid = new QGridLayout(box);
  grid->setColumnMinimumWidth(0, 320);  // both panels line their buttons up
  grid->setColumnStretch(1, 1);
  for (const Row& row : rows) {
    const int r = grid->rowCount();
    grid->addWidget(MakeButton(row.button, row.caption, row.hint, row.click), r, 0);
    grid->addWidget(GuideLabel(row.guide), r, 1);
  }
  return box;
}

QWidget* TKorvelanMain::BuildStepPanel() {
  using B = MenuButton;
  using M = TKorvelanMain;
  QGroupBox* box = BuildPanel(
      "Work Flow",
      {{B::LoadData, "&Load Data", "Load demand and candidate location data as well as distance file",
        &M::LoadDataClick, "First you have to LOAD the data"},
       {B::SetParameters, "&Set Parameters", "Set the coverage distance and the cost per mile",
        &M::SetParametersClick, "Then you have to SET some parameters"},
       {B::RunModels, "&Run Models", "Select a model to run and set appropriate parameters", &M::RunModelsClick,
        "Next you can RUN the models"},
       {B::TradeoffCurves, "&Tradeoff Curves", "Select a model to run for tradeoff curves",
        &M::TradeoffCurvesClick, "Or generate TRADEOFF curves"},
       {B::DisplayResults, "&Display Results", "Display the results", &M::DisplayResultsClick,
        "Then you can DISPLAY the results"},
       {B::MapResults, "&Map Results", "Map the results", &M::MapResultsClick, "Or MAP the results"},
       {B::ExchangeSites, "E&Xchange Sites", "Exchange sites on your own", &M::ExchangeSitesClick,
        "Or EXCHANGE Sites Manually"}});
  auto* grid = static_cast<QGridLayout*>(box->layout());
  auto* data = new QHBoxLayout;
  data->addWidget(MakeButton(B::EditButton, "Ed&It Data", "", &M::EditButtonClick));
  data->addWidget(MakeButton(B::ViewData, "&View Data", "", &M::ViewDataClick));
  const int r = grid->rowCount();
  grid->addLayout(data, r, 0);
  grid->addWidget(GuideLabel("Edit or View the data"), r, 1);
  return box;
}

QWidget* TKorvelanMain::BuildProgramPanel() {
  using B = MenuButton;
  using M = TKorvelanMain;
  QGroupBox* box = BuildPanel(
      "Program",
      {{B::ExitKorvelan, "&Exit KORVELAN", "Exit from KORVELAN ... ", &M::ExitKorvelanClick,
        "You can always EXIT KORVELAN"},
       {B::AboutButton, "&About", "Show the About Box", &M::AboutButtonClick, "Display the ABOUT box for KORVELAN"},
       {B::PrintSetter, "&Print Setup", "Setup the printer", &M::PrintSetterClick,
        "You can set up the printer at any time"},
       {B::HintShow, "Hide &Hints", "Hide/show hints for buttons etc.", &M::HintShowClick,
        "Hints will be shown... Click to Hide"}});
  // The last guide label is the hint label: its text and colour follow the hints switch.
  auto* grid = static_cast<QGridLayout*>(box->layout());
  HintLabel = static_cast<QLabel*>(grid->itemAtPosition(grid->rowCount() - 1, 1)->widget());
  HintLabel->setObjectName("HintLabel");
  HintLabel->setCursor(Qt::PointingHandCursor);
  HintLabel->installEventFilter(this);  // the label says "Click to ...": a click toggles too
  return box;
}

void TKorvelanMain::SetSteps(Steps steps) {
  steps_ = std::move(steps);
  SyncButtons();
}

void TKorvelanMain::SetListWindows(QWidget* messages, QWidget* errors) {
  messages_ = messages;
  errors_ = errors;
}

bool TKorvelanMain::Available(MenuButton b) const {
  switch (b) {
    case MenuButton::LoadData: return bool(steps_.loadData);
    case MenuButton::SetParameters: return bool(steps_.setParameters);
    case MenuButton::RunModels: return bool(steps_.runModels);
    case MenuButton::TradeoffCurves: return bool(steps_.tradeoffCurves);
    case MenuButton::DisplayResults: return bool(steps_.displayResults);
    case MenuButton::MapResults: return bool(steps_.mapResults);
    case MenuButton::ExchangeSites: return bool(steps_.exchangeSites);
    case MenuButton::EditButton:
    case MenuButton::ViewData: return bool(steps_.showDataEditor);
    default: return true;
  }
}

void TKorvelanMain::SyncButtons() {
  for (int k = 0; k < MenuButtonCount; ++k) {
    const auto b = static_cast<MenuButton>(k);
    buttons_[k]->setEnabled(state_[b] && Available(b));
  }
  workArea_->setCurrentIndex(state_.backgroundVisible ? 0 : 1);
}

void TKorvelanMain::Apply(MenuEvent event, char problemCode) {
  state_ = NextMenuState(state_, event, problemCode);
  SyncButtons();
}

void TKorvelanMain::ReturnToMenu(MenuEvent event, char problemCode) {
  Apply(event, problemCode);
  ShowMenu();
}

void TKorvelanMain::ShowMenu() {
  show();
  raise();
  activateWindow();
  FocusNextStep();
}

// The keyboard focus waits on the step the analyst most likely takes next.
void TKorvelanMain::FocusNextStep() {
  for (MenuButton b : {MenuButton::DisplayResults, MenuButton::RunModels, MenuButton::SetParameters,
                       MenuButton::LoadData}) {
    if (Button(b)->isEnabled()) {
      Button(b)->setFocus();
      return;
    }
  }
}

void TKorvelanMain::LoadFormFinished(bool dataLoaded) {
  ReturnToMenu(dataLoaded ? MenuEvent::DataLoaded : MenuEvent::LoadCancelled);
}

// ---- splash ----

void TKorvelanMain::StartSplash() {
  about_->adjustSize();
  about_->move(frameGeometry().center() - about_->rect().center());
  about_->ShowAsSplash();
  splashTimer_->start();
}

bool TKorvelanMain::SplashRunning() const { return splashTimer_->isActive(); }

// Stopping the timer also ends the splash: it would otherwise stay on top without its OK button.
void TKorvelanMain::StopSplash() {
  splashTimer_->stop();
  about_->EndSplash();
}

// ---- the step buttons ----

// Hides the menu and opens the step's window.
void TKorvelanMain::HandOver(const std::function<void()>& open) {
  if (!open) return;
  hide();
  open();
}

void TKorvelanMain::LoadDataClick() {
  StopSplash();
  if (state_[MenuButton::SetParameters] && !dialogs_.Confirm(LoadQuestion)) return;
  Apply(MenuEvent::LoadFormOpened);
  HandOver(steps_.loadData);
}

void TKorvelanMain::SetParametersClick() {
  if (state_[MenuButton::RunModels] && !dialogs_.Confirm(ParametersQuestion)) return;
  HandOver(steps_.setParameters);
}

bool TKorvelanMain::ConfirmNewRun() {
  return !state_[MenuButton::DisplayResults] || dialogs_.Confirm(NewRunQuestion);
}

void TKorvelanMain::PrepareRun() {
  RestoreDemands(model_);
  CheckWeightingConstant();
  if (messages_) messages_->hide();
  if (errors_) errors_->hide();
}

void TKorvelanMain::CheckWeightingConstant() {
  if (model_.AddedConstant == 0) return;
  if (dialogs_.Confirm(QString::fromStdString(WeightingConstantQuestion(model_.AddedConstant))))
    model_.AddedConstant = 0;
}

void TKorvelanMain::RunModelsClick() {
  if (!ConfirmNewRun()) return;
  PrepareRun();
  HandOver(steps_.runModels);
}

void TKorvelanMain::TradeoffCurvesClick() {
  if (!ConfirmNewRun()) return;
  PrepareRun();
  HandOver(steps_.tradeoffCurves);
}

void TKorvelanMain::DisplayResultsClick() { HandOver(steps_.displayResults); }

void TKorvelanMain::MapResultsClick() {
  AskForBorder();
  HandOver(steps_.mapResults);
}

void TKorvelanMain::ExchangeSitesClick() { HandOver(steps_.exchangeSites); }

void TKorvelanMain::EditButtonClick() {
  if (!steps_.showDataEditor) return;
  steps_.showDataEditor(true);
  Apply(MenuEvent::EditorOpenedEditable);
}

void TKorvelanMain::ViewDataClick() {
  if (steps_.showDataEditor) steps_.showDataEditor(false);
}

void TKorvelanMain::BackgroundClick() {
  if (state_[MenuButton::EditButton]) EditButtonClick();
}

// ---- program services ----

bool TKorvelanMain::HintsShown() const { return hints_->Shown(); }

void TKorvelanMain::HintShowClick() {
  hints_->SetShown(!hints_->Shown());
  ShowHintState();
}

void TKorvelanMain::ShowHintState() {
  const bool shown = hints_->Shown();
  HintLabel->setText(shown ? "Hints will be shown... Click to Hide" : "Hints will be hidden... Click to Show");
  HintLabel->setStyleSheet(HintLabelStyle(shown));
  Button(MenuButton::HintShow)->setText(shown ? "Hide &Hints" : "Show &Hints");
}

bool TKorvelanMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == HintLabel && event->type() == QEvent::MouseButtonRelease) {
    HintShowClick();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TKorvelanMain::PrintSetterClick() { dialogs_.PrinterSetup(); }

void TKorvelanMain::AboutButtonClick() {
  StopSplash();
  hide();
  about_->ShowWithOk();
}

void TKorvelanMain::ExitKorvelanClick() { close(); }

void TKorvelanMain::closeEvent(QCloseEvent* event) {
  StopSplash();
  QApplication::beep();
  if (!dialogs_.Confirm(ExitQuestion)) {
    event->ignore();
    return;
  }
  for (int n = 1; n <= model_.Numbnodes; ++n) ReleaseNode(model_, n);
  dialogs_.Information("Exiting KORVELAN.");
  event->accept();
  emit exitConfirmed();
}

}  // namespace korvelan::app
