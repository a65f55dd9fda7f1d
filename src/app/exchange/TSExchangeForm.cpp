#include "exchange/TSExchangeForm.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "exchange/ExchangeSearch.h"
#include "setup/FormStyle.h"
#include "setup/KeyFilter.h"
#include "shell/Dialogs.h"
#include "solve/RunHost.h"

namespace korvelan::app {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

void ShowButton(QPushButton* button, bool shown, bool enabled) {
  button->setVisible(shown);
  button->setEnabled(enabled);
}

}  // namespace

TExchangeForm::TExchangeForm(ModelState& model, Dialogs& dialogs, RunHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), dialogs_(dialogs), host_(host) {
  setWindowTitle("Exchange Facilities Form");
  BuildControls();
  connect(CloseButton, &QPushButton::clicked, this, &TExchangeForm::CloseButtonClick);
  connect(AddSiteButton, &QPushButton::clicked, this, &TExchangeForm::AddSiteClick);
  connect(DeleteButton, &QPushButton::clicked, this, &TExchangeForm::DeleteButtonClick);
  connect(ExchangeSites, &QPushButton::clicked, this, &TExchangeForm::ExchangeSitesClick);
  connect(AddNodeButton, &QPushButton::clicked, this, &TExchangeForm::AddNodeButtonClick);
  connect(DropNodeButton, &QPushButton::clicked, this, &TExchangeForm::DropNodeButtonClick);
  connect(CancelExchange, &QPushButton::clicked, this, &TExchangeForm::CancelExchangeClick);
  connect(FindGoodButton, &QPushButton::clicked, this, &TExchangeForm::FindGoodButtonClick);
  connect(TryAllButton, &QPushButton::clicked, this, &TExchangeForm::TryAllButtonClick);
  connect(LimitedButton, &QPushButton::clicked, this, &TExchangeForm::LimitedButtonClick);
  new KeyFilter(NoToExchange, [] { return Digits; });
  OnFocusLeave(NoToExchange, [this] { NoToExchangeExit(); });
  // Enter in the limit box takes the focus on to the list, which leaves the box.
  connect(NoToExchange, &QLineEdit::returnPressed, this, [this] { FacilitiesList->setFocus(Qt::TabFocusReason); });
}

void TExchangeForm::BuildControls() {
  FacilitiesList = new QListWidget;
  FacilitiesList->setFont(FixedPitchFont());
  FacilitiesList->setMinimumSize(520, 360);
  FacilitiesList->setToolTip("Candidate sites: select one, then choose an action");
  MessageArea = new QPlainTextEdit;
  MessageArea->setReadOnly(true);
  MessageArea->setFont(FixedPitchFont());
  MessageArea->setFixedHeight(120);
  MessageArea->setFocusPolicy(Qt::ClickFocus);
  CloseButton = MakeButton("&Close", "Close this form and return to the Main Menu");
  AddSiteButton = MakeButton("&Add Site to Solution", "Open a facility at the selected node");
  DeleteButton = MakeButton("&Delete Site from Solution", "Close the facility at the selected node");
  ExchangeSites = MakeButton("&Exchange 2 Sites", "Replace an open site by a closed one");
  AddNodeButton = MakeButton("Pick node to &Add", "The selected closed site enters the solution");
  DropNodeButton = MakeButton("Pick node to &Drop", "The selected open site leaves the solution");
  CancelExchange = MakeButton("&Cancel Exchange", "Abandon this exchange");
  FindGoodButton = MakeButton("&Find Best Exchange", "Find the exchange that improves the solution most");
  TryAllButton = MakeButton("&Try and Do All Subs.", "Make every improving exchange");
  LimitedButton = MakeButton("&Limited # of Exchanges", "Make improving exchanges, replacing a limited number of sites");
  NoToExchange = new QLineEdit;
  NoToExchange->setMaximumWidth(80);
  NoToExchangeLabel = new QLabel("&Input # to Exchange");
  NoToExchangeLabel->setBuddy(NoToExchange);
  // The limit row keeps its room while hidden, so the list does not shift when it appears.
  for (QWidget* w : {static_cast<QWidget*>(NoToExchange), static_cast<QWidget*>(NoToExchangeLabel)}) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
  }

  auto* left = new QVBoxLayout;
  left->addWidget(FacilitiesList, 1);
  left->addWidget(new QLabel("Messages"));
  left->addWidget(MessageArea);

  auto* manual = new QGroupBox("By hand");
  auto* manualButtons = new QVBoxLayout(manual);
  for (QPushButton* b : {AddSiteButton, DeleteButton, ExchangeSites, AddNodeButton, DropNodeButton, CancelExchange})
    manualButtons->addWidget(b);
  auto* automatic = new QGroupBox("Improving exchanges");
  auto* automaticButtons = new QVBoxLayout(automatic);
  for (QPushButton* b : {FindGoodButton, TryAllButton, LimitedButton}) automaticButtons->addWidget(b);
  auto* limitRow = new QHBoxLayout;
  limitRow->addWidget(NoToExchangeLabel);
  limitRow->addWidget(NoToExchange);
  automaticButtons->addLayout(limitRow);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(manual);
  buttons->addWidget(automatic);
  buttons->addStretch(1);
  buttons->addWidget(CloseButton);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(buttons);
}

void TExchangeForm::Open() {
  show();
  raise();
  activateWindow();
  FormShow();
}

void TExchangeForm::FormShow() {
  MessageArea->clear();
  model_.ExchangeMade = 0;
  Refresh();
  FacilitiesList->setFocus();
}

void TExchangeForm::closeEvent(QCloseEvent* event) {
  // The window's close box acts as "&Close" and is refused while that is disabled.
  event->ignore();
  if (CloseButton->isEnabled()) CloseButtonClick();
}

// ---- the state after every action ----

void TExchangeForm::Refresh() {
  ListOpenSites(model_);
  ShowList(ExchangeListMode::AllSites);
  limitEntry_ = false;
  NoToExchange->hide();
  NoToExchangeLabel->hide();
  EnableActions(true);
  ShowExchangeStep(false);
  CheckConstantWarning();
}

void TExchangeForm::EnableActions(bool enabled) {
  const bool searches = ExchangeSearchOffered(model_.ReportProblemCode);
  for (QPushButton* b : {CloseButton, AddSiteButton, DeleteButton, ExchangeSites}) ShowButton(b, true, enabled);
  for (QPushButton* b : {FindGoodButton, TryAllButton, LimitedButton}) ShowButton(b, searches, searches && enabled);
}

void TExchangeForm::ShowExchangeStep(bool shown) {
  ShowButton(AddNodeButton, shown, shown);
  ShowButton(DropNodeButton, shown, false);
  ShowButton(CancelExchange, shown, shown);
}

void TExchangeForm::CheckConstantWarning() {
  if (!model_.MedianWithConstant) return;
  if (dialogs_.WarningOkCancel(ConstantWarning)) {
    model_.MedianWithConstant = 0;
    return;
  }
  for (QPushButton* b : {AddSiteButton, DeleteButton, ExchangeSites, AddNodeButton, DropNodeButton, CancelExchange,
                         FindGoodButton, TryAllButton, LimitedButton})
    ShowButton(b, false, false);
  dialogs_.Information(CloseToReturnText);
}

void TExchangeForm::ShowList(ExchangeListMode mode) {
  listMode_ = mode;
  FillList(FacilitiesList, ExchangeListLines(model_, mode));
}

void TExchangeForm::ShowMessages(const std::vector<std::string>& lines) {
  MessageArea->clear();
  for (const std::string& line : lines) MessageArea->appendPlainText(Text(line));
}

QStringList TExchangeForm::MessageLines() const {
  const QString text = MessageArea->toPlainText();
  return text.isEmpty() ? QStringList() : text.split('\n');
}

void TExchangeForm::SelectLine(int line) {
  if (line < 1 || line > FacilitiesList->count()) return;
  FacilitiesList->setCurrentRow(line - 1);
  FacilitiesList->scrollToItem(FacilitiesList->currentItem());
}

int TExchangeForm::SelectedLine() const {
  const QListWidgetItem* item = FacilitiesList->currentItem();
  return item && item->isSelected() ? FacilitiesList->row(item) + 1 : 0;
}

// ---- add and delete ----

int TExchangeForm::SelectedNodeOrWarn() {
  const int n = SelectedLine();
  if (n != 0) return n;
  dialogs_.Warning(SelectNodeText);
  Refresh();
  return 0;
}

bool TExchangeForm::ReleaseStatus(int n, uint8_t status, const std::string& question) {
  NodeRecord& site = model_.Node(n);
  if (site.SiteStatus != status) return true;
  if (!dialogs_.Confirm(Text(question))) {
    dialogs_.Information(NoActionText);
    return false;
  }
  site.SiteStatus = StatusAllowed;
  return true;
}

void TExchangeForm::AddSiteClick() {
  const int n = SelectedNodeOrWarn();
  if (n == 0 || !ReleaseStatus(n, StatusExcluded, ExcludedAddQuestion(n))) return;
  if (model_.Node(n).Located)
    dialogs_.Warning(Text(AlreadyOpenWarning(n)));
  else
    ShowMessages(AddSite(model_, host_, n));
  Refresh();
  SelectLine(n);
}

void TExchangeForm::DeleteButtonClick() {
  if (model_.NumLocated <= 1) {
    dialogs_.Information(LastFacilityText);
    return;
  }
  const int n = SelectedNodeOrWarn();
  if (n == 0 || !ReleaseStatus(n, StatusRequired, ForcedDeleteQuestion(n))) return;
  if (model_.Node(n).Located)
    ShowMessages(DeleteSite(model_, host_, n));
  else
    dialogs_.Information(Text(NoFacilityText(n)));
  Refresh();
  SelectLine(n);
}

// ---- exchange of two sites picked by hand ----

void TExchangeForm::ExchangeSitesClick() {
  for (QPushButton* b : {CloseButton, AddSiteButton, DeleteButton, ExchangeSites, FindGoodButton, TryAllButton,
                         LimitedButton})
    b->setEnabled(false);
  ShowExchangeStep(true);
  siteToAdd_ = 0;
  ShowList(ExchangeListMode::ClosedSites);
  FacilitiesList->setFocus();
}

void TExchangeForm::AddNodeButtonClick() {
  const int line = SelectedLine();
  const int n = SiteOnLine(model_, ExchangeListMode::ClosedSites, line);
  if (n == 0) {
    dialogs_.Warning(SelectNodeText);
    return;
  }
  if (model_.Node(n).SiteStatus == StatusExcluded && !dialogs_.WarningOkCancel(Text(ExcludedExchangeWarning(n)))) {
    dialogs_.Information(PickAnotherAddText);
    return;
  }
  model_.Node(n).SiteStatus = StatusAllowed;
  siteToAdd_ = n;
  ShowList(ExchangeListMode::OpenSites);
  SelectLine(line);
  AddNodeButton->setEnabled(false);
  DropNodeButton->setEnabled(true);
  FacilitiesList->setFocus();
}

void TExchangeForm::DropNodeButtonClick() {
  const int n = SiteOnLine(model_, ExchangeListMode::OpenSites, SelectedLine());
  if (n == 0) {
    dialogs_.Warning(SelectNodeText);
    return;
  }
  if (model_.Node(n).SiteStatus == StatusRequired && !dialogs_.WarningOkCancel(Text(ForcedExchangeWarning(n)))) {
    dialogs_.Information(PickAnotherDropText);
    return;
  }
  model_.Node(n).SiteStatus = StatusAllowed;
  ShowExchangeStep(false);
  Propose(EvaluateExchange(model_, n, siteToAdd_));
  Refresh();
}

void TExchangeForm::CancelExchangeClick() { Refresh(); }

void TExchangeForm::Propose(const ExchangeProposal& proposal) {
  ShowMessages(ProposalLines(model_, proposal));
  if (dialogs_.Confirm(MakeChangeQuestion)) MakeExchange(model_, host_, proposal);
}

// ---- exchanges the system finds ----

void TExchangeForm::FindGoodButtonClick() {
  MessageArea->clear();
  if (const auto proposal = FindBestExchange(model_))
    Propose(*proposal);
  else
    dialogs_.Information(NoImprovementText);
  Refresh();
}

void TExchangeForm::TryAllButtonClick() {
  MessageArea->clear();
  TryAllExchanges(model_, host_);
  Refresh();
}

void TExchangeForm::LimitedButtonClick() {
  NoToExchange->clear();
  NoToExchange->show();
  NoToExchangeLabel->show();
  NoToExchange->setEnabled(true);
  exchangeLimit_ = 0;
  EnableActions(false);
  limitEntry_ = true;
  NoToExchange->setFocus();
}

void TExchangeForm::ReadExchangeLimit() {
  const QString text = NoToExchange->text();
  if (text.isEmpty()) return;
  bool converted = false;
  const int value = text.toInt(&converted);
  if (converted && value >= 0 && value <= model_.NumLocated) {
    exchangeLimit_ = value;
    return;
  }
  dialogs_.Warning(converted ? Text(ExchangeLimitWarning(model_.NumLocated)) : InvalidNumericText);
  NoToExchange->setText("0");
  exchangeLimit_ = 0;
}

void TExchangeForm::NoToExchangeExit() {
  if (!limitEntry_) return;
  limitEntry_ = false;
  ReadExchangeLimit();
  NoToExchange->hide();
  NoToExchangeLabel->hide();
  MessageArea->clear();
  LimitedExchange(model_, host_, exchangeLimit_);
  Refresh();
}

void TExchangeForm::CloseButtonClick() {
  FinishExchanges(model_);
  hide();
  emit closed();
}

}  // namespace korvelan::app
