#include "invloc/TForceAssignments.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/AtomicFile.h"
#include "invloc/InvLocAssignments.h"
#include "setup/FormStyle.h"
#include "shell/Dialogs.h"
#include "solve/NodeFiles.h"
#include "solve/RunHost.h"

namespace korvelan::app {

namespace {

const QString AssignmentFilter = "Assignment File|*.ass|All Files|*.*";

}  // namespace

TForceAssignments::TForceAssignments(ModelState& model, Dialogs& dialogs, RunHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), dialogs_(dialogs), host_(host) {
  setWindowTitle("Force Assignments");
  BuildControls();
  connect(DemandNodeList, &QListWidget::currentRowChanged, this, &TForceAssignments::DemandNodeClick);
  // A click, or Return / Space on the highlighted line, chooses a facility.
  connect(FacilityList, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { FacilityClick(FacilityList->row(item)); });
  connect(FacilityList, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { FacilityClick(FacilityList->row(item)); });
  connect(SaveAssignments, &QPushButton::clicked, this, &TForceAssignments::SaveAssignmentsClick);
  connect(ReadAssignments, &QPushButton::clicked, this, &TForceAssignments::ReadAssignmentsClick);
  connect(ForceFacilities, &QPushButton::clicked, this, &TForceAssignments::ForceFacilitiesClick);
  connect(ClosestAssignments, &QPushButton::clicked, this, &TForceAssignments::ClosestAssignmentsClick);
  connect(QuitButton, &QPushButton::clicked, this, &TForceAssignments::QuitClick);
}

void TForceAssignments::BuildControls() {
  Instruction = new QLabel;
  Instruction->setWordWrap(true);
  Instruction->setStyleSheet("font-weight: bold;");
  DemandNodeList = new QListWidget;
  FacilityList = new QListWidget;
  for (QListWidget* list : {DemandNodeList, FacilityList}) list->setFont(FixedPitchFont());
  DemandNodeList->setMinimumSize(260, 380);
  FacilityList->setMinimumSize(520, 380);
  auto* demandLabel = new QLabel("&Demand Node List");
  demandLabel->setBuddy(DemandNodeList);
  auto* facilityLabel = new QLabel("Facility &List");
  facilityLabel->setBuddy(FacilityList);
  SaveAssignments = MakeButton("&Save Assignments", "Write the current assignments to an assignment file");
  ReadAssignments = MakeButton("&Read Assignments (same locations)",
                               "Read assignments to the facilities located now from an assignment file");
  ForceFacilities = MakeButton("&Force Facilities and Assignments",
                               "Locate the facilities of an assignment file and assign demands as it says");
  ClosestAssignments = MakeButton("Force &Closest Facility Assignments",
                                  "Assign every demand node to its nearest facility");
  QuitButton = MakeButton("&Quit", "Return to the results form");

  auto* lists = new QGridLayout;
  lists->addWidget(demandLabel, 0, 0);
  lists->addWidget(facilityLabel, 0, 1);
  lists->addWidget(DemandNodeList, 1, 0);
  lists->addWidget(FacilityList, 1, 1);
  lists->setColumnStretch(1, 2);
  lists->setColumnStretch(0, 1);
  auto* commands = new QHBoxLayout;
  for (QPushButton* b : {SaveAssignments, ReadAssignments, ForceFacilities, ClosestAssignments})
    commands->addWidget(b);
  commands->addStretch(1);
  commands->addWidget(QuitButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Instruction);
  layout->addLayout(lists, 1);
  layout->addLayout(commands);
}

void TForceAssignments::Open() {
  show();
  raise();
  activateWindow();
  FormShow();
}

void TForceAssignments::FormShow() {
  const bool editable = AssignmentsEditable(model_);
  Instruction->setText(QString::fromStdString(AssignmentInstruction(model_)));
  for (QPushButton* b : {ReadAssignments, ForceFacilities, ClosestAssignments}) b->setVisible(editable);
  highlighted_ = 1;
  {
    const QSignalBlocker quiet(DemandNodeList);
    FillList(DemandNodeList, DemandNodeLines(model_));
    DemandNodeList->setCurrentRow(0);
  }
  ShowFacilities();
  DemandNodeList->setFocus(Qt::OtherFocusReason);
}

void TForceAssignments::ShowFacilities() {
  const korvelan::FacilityList list = FacilityListOf(model_, highlighted_);
  facilitySites_ = list.sites;
  FillList(FacilityList, list.lines);
}

void TForceAssignments::DemandNodeClick(int row) {
  if (row < 0) return;
  highlighted_ = row + 1;
  ShowFacilities();
}

void TForceAssignments::FacilityClick(int row) {
  if (row < 0 || row >= static_cast<int>(facilitySites_.size())) return;
  if (!AssignmentsEditable(model_)) {
    dialogs_.Information(UnableToReassignMessage);
    return;
  }
  AssignDemandNode(model_, highlighted_, facilitySites_[row]);
  ShowFacilities();
  FacilityList->setCurrentRow(0);
}

void TForceAssignments::SaveAssignmentsClick() {
  const QString name = dialogs_.SaveFile("Assignment File Name", AssignmentFilter, "ass");
  if (name.isEmpty()) {
    dialogs_.Warning("ASSIGNMENT FILE WILL NOT BE SAVED");
    host_.Beep();
    return;
  }
  const std::string reason = WriteFileReason(name.toStdString(), AssignmentFileText(model_));
  if (!reason.empty()) WriteErrorNotice(host_, name.toStdString(), reason);
}

void TForceAssignments::ReadFile(bool forceFacilities) {
  const QString name = dialogs_.OpenFile("Assignment File Name", AssignmentFilter);
  if (name.isEmpty()) return;
  ReadAssignmentFile(model_, host_, name.toStdString(),
                     forceFacilities ? AssignmentReadMode::ForceFacilities : AssignmentReadMode::SameLocations);
  ShowFacilities();
}

void TForceAssignments::ReadAssignmentsClick() { ReadFile(false); }

void TForceAssignments::ForceFacilitiesClick() { ReadFile(true); }

void TForceAssignments::ClosestAssignmentsClick() {
  ForceClosestAssignments(model_, host_);
  ShowFacilities();
}

void TForceAssignments::QuitClick() {
  hide();
  emit closed();
}

void TForceAssignments::closeEvent(QCloseEvent* event) {
  event->ignore();
  QuitClick();
}

}  // namespace korvelan::app
