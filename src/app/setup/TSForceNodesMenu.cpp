#include "setup/TSForceNodesMenu.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup/FormStyle.h"
#include "setup/InitialSolutionRules.h"
#include "shell/Dialogs.h"
#include "solve/NodeFiles.h"
#include "solve/RunHost.h"

namespace korvelan::app {

namespace {
const QString StatusFilter = QStringLiteral("Forced Node Files (*.FOR);;All Files (*)");
}

TForceNodesMenu::TForceNodesMenu(ModelState& model, Dialogs& dialogs, RunHost& host, MenuLink& menu,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), dialogs_(dialogs), host_(host), menu_(menu) {
  setWindowTitle("Force Nodes Menu");
  BuildControls();
  connect(DisallowAll, &QPushButton::clicked, this, &TForceNodesMenu::DisallowAllClick);
  connect(PermitAll, &QPushButton::clicked, this, &TForceNodesMenu::PermitAllClick);
  connect(ForceSite, &QPushButton::clicked, this, [this] { SiteActionClick(SiteAction::Force); });
  connect(UnforceSite, &QPushButton::clicked, this, [this] { SiteActionClick(SiteAction::Unforce); });
  connect(ExcludeSite, &QPushButton::clicked, this, [this] { SiteActionClick(SiteAction::Exclude); });
  connect(AllowSite, &QPushButton::clicked, this, [this] { SiteActionClick(SiteAction::Allow); });
  connect(WriteStatus, &QPushButton::clicked, this, &TForceNodesMenu::WriteStatusClick);
  connect(ReadStatus, &QPushButton::clicked, this, &TForceNodesMenu::ReadStatusClick);
  connect(CloseButton, &QPushButton::clicked, this, &TForceNodesMenu::CloseClick);
}

void TForceNodesMenu::BuildControls() {
  MainBox = new QListWidget;
  MainBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
  MainBox->setToolTip("Status of the nodes (foreced, excluded, ... )");
  MainBox->setFont(FixedPitchFont());
  MainBox->setMinimumSize(360, 380);
  AllowedLabel = new QLabel;
  ExcludedLabel = new QLabel;
  RequiredLabel = new QLabel;
  InitializedLabel = new QLabel;
  DisallowAll = MakeButton("&Disallow All Nodes", "Exclude all nodes");
  PermitAll = MakeButton("&Permit All Nodes", "Permit all nodes");
  ForceSite = MakeButton("&Force Site (s)", "Force a site into the solution");
  UnforceSite = MakeButton("&Unforce Site (s)", "Unforce a site that was forced into the solution");
  ExcludeSite = MakeButton("&Exclude Site (s)", "Exclude a site from the solution");
  AllowSite = MakeButton("&Allow Site (s)", "Allow a site that was excluded back into the solution");
  WriteStatus = MakeButton("&Write Status to Disk", "");
  ReadStatus = MakeButton("&Read Status from Disk", "");
  CloseButton = MakeButton("&Close", "Close this form and return to the Parameter Setting Menu");

  auto* counts = new QGridLayout;
  counts->addWidget(AllowedLabel, 0, 0);
  counts->addWidget(RequiredLabel, 0, 1);
  counts->addWidget(ExcludedLabel, 1, 0);
  counts->addWidget(InitializedLabel, 1, 1);
  auto* left = new QVBoxLayout;
  left->addWidget(MainBox, 1);
  left->addLayout(counts);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {ForceSite, UnforceSite, ExcludeSite, AllowSite}) buttons->addWidget(b);
  buttons->addSpacing(12);
  for (QPushButton* b : {DisallowAll, PermitAll}) buttons->addWidget(b);
  buttons->addSpacing(12);
  for (QPushButton* b : {WriteStatus, ReadStatus}) buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(CloseButton);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(buttons);
}

void TForceNodesMenu::Open() {
  FormShow();
  show();
  raise();
  MainBox->setFocus(Qt::OtherFocusReason);  // the list first: select, then act
}

void TForceNodesMenu::closeEvent(QCloseEvent* event) {
  // The window's own close box acts as "&Close" (and is refused while it is disabled).
  event->ignore();
  if (CloseButton->isEnabled()) CloseClick();
}

void TForceNodesMenu::FormShow() {
  changed_ = false;
  firstRemembered_ = lastRemembered_ = 0;
  RebuildList();
}

void TForceNodesMenu::RebuildList() {
  MainBox->clear();
  for (const std::string& line : ForceNodesLines(model_)) MainBox->addItem(QString::fromStdString(line));
  const StatusCounts counts = CountListStatuses(model_);
  const std::vector<std::string> labels = StatusCountLabels(counts);
  AllowedLabel->setText(QString::fromStdString(labels[0]));
  ExcludedLabel->setText(QString::fromStdString(labels[1]));
  RequiredLabel->setText(QString::fromStdString(labels[2]));
  InitializedLabel->setText(QString::fromStdString(labels[3]));
  CloseButton->setEnabled(counts.excluded < model_.Numbnodes);
  if (firstRemembered_ < 1) return;
  for (int n = firstRemembered_; n <= lastRemembered_ && n <= MainBox->count(); ++n)
    MainBox->item(n - 1)->setSelected(true);
  MainBox->setCurrentRow(firstRemembered_ - 1, QItemSelectionModel::NoUpdate);
}

void TForceNodesMenu::RememberSelection(const std::vector<int>& nodes) {
  firstRemembered_ = nodes.front();
  lastRemembered_ = nodes.back();
}

void TForceNodesMenu::DisallowAllClick() {
  DisallowAllNodes(model_);
  changed_ = true;
  RebuildList();
}

void TForceNodesMenu::PermitAllClick() {
  PermitAllNodes(model_);
  changed_ = true;
  RebuildList();
}

void TForceNodesMenu::SiteActionClick(SiteAction action) {
  if (MainBox->currentRow() < 0) {
    dialogs_.Warning("You must select a node");
    return;
  }
  std::vector<int> nodes;
  for (int row = 0; row < MainBox->count(); ++row)
    if (MainBox->item(row)->isSelected()) nodes.push_back(row + 1);
  if (nodes.empty()) return;
  const StatusChange change = ApplySiteAction(model_, action, nodes);
  for (const std::string& warning : change.warnings) dialogs_.Warning(QString::fromStdString(warning));
  changed_ = changed_ || change.changed;
  RememberSelection(nodes);
  RebuildList();
}

void TForceNodesMenu::WriteStatusClick() {
  const QString name = dialogs_.SaveFile("Write Status to Disk", StatusFilter, "FOR");
  if (name.isEmpty()) return;
  WriteNodeFile(model_, host_, 'F', name.toStdString());
}

void TForceNodesMenu::ReadStatusClick() {
  const QString name = dialogs_.OpenFile("Read Status from Disk", StatusFilter);
  if (name.isEmpty()) return;
  if (ReadNodeFile(model_, host_, 'F', name.toStdString())) {
    const std::string dropped = DropExcludedInitialSites(model_);
    if (!dropped.empty()) dialogs_.Warning(QString::fromStdString(dropped));
    model_.CoverStateChanged = 1;
    changed_ = true;
  }
  RebuildList();
}

void TForceNodesMenu::CloseClick() {
  CountStatuses(model_);
  if (changed_) menu_.Report(MenuEvent::ForcedStatusesChanged);
  hide();
  emit closed();
}

}  // namespace korvelan::app
