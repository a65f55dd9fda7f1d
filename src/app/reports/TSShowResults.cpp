#include "reports/TSShowResults.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/BasicResultsForm.h"
#include "reports/NodeReports.h"
#include "reports/ReportNavigator.h"
#include "reports/SolutionReports.h"
#include "reports/TextReportForm.h"
#include "setup/FormStyle.h"
#include "data/AtomicFile.h"
#include "Version.h"
#include "map/GeoJson.h"
#include "reports/MappingFile.h"
#include "reports/TradeoffFile.h"
#include "shell/Dialogs.h"
#include "solve/NodeFiles.h"
#include "solve/RunHost.h"

namespace korvelan::app {

namespace {

// The report pages built from one core function of the current solution.
struct PlainReport {
  ReportPage page;
  const char* caption;
  ListReport (*build)(const ModelState&);
};

const PlainReport PlainReports[] = {
    {ReportPage::LocationSummary, "Location Summary", LocationSummary},
    {ReportPage::ExtendedSummary, "Extended Location Summary", ExtendedLocationSummary},
    {ReportPage::UncoveredDemands, "Uncovered Demands", UncoveredDemands},
    {ReportPage::AssignedDemands, "Assigned Demands", AssignedDemands},
    {ReportPage::DemandAreaCoverage, "Demand Area Coverage Report", DemandAreaCoverage},
    {ReportPage::CoverageSummary, "Coverage Summary Report", CoverageSummary},
    {ReportPage::DominatedNodes, "Dominated Nodes Summary", DominatedNodesSummary},
    {ReportPage::Assignment, "Assignment of Demands to Sites", AssignmentReport},
};

// The running program as the tradeoff file's header names it.
ProgramStamp RunningProgram() {
  const QString path = QCoreApplication::applicationFilePath();
  const QDateTime stamp = QFileInfo(path).lastModified();
  return {path.toStdString(), stamp.toString("yyyy-MM-dd").toStdString(), stamp.toString("HH:mm:ss").toStdString(),
          KORVELAN_VERSION_TEXT};
}

int FirstLocatedSite(const ModelState& m) {
  for (int n = 1; n <= m.Numbnodes; ++n)
    if (m.Node(n).Located) return n;
  return 1;
}

}  // namespace

TShowResultsForm::TShowResultsForm(ModelState& model, Dialogs& dialogs, RunHost& host, MenuLink& menu,
                                   PrintSinkFactory printer, ResultsLinks links, QWidget* parent)
    : QWidget(parent, Qt::Window),
      model_(model),
      dialogs_(dialogs),
      host_(host),
      menu_(menu),
      links_(std::move(links)) {
  setWindowTitle("Show Model Results");
  navigator_ = new ReportNavigator(model_, this, this);
  BuildReports(std::move(printer));
  BuildCommands();
}

TShowResultsForm::~TShowResultsForm() {
  // The report windows are top-level windows of their own.
  delete basic_;
  for (auto& [page, report] : reports_) delete report;
}

void TShowResultsForm::BuildReports(PrintSinkFactory printer) {
  basic_ = new TBasicResultsForm(model_, printer);
  navigator_->Add(ReportPage::BasicResults, basic_);
  connect(basic_, &TBasicResultsForm::settingsReportRequested, this, [this](const QString& family) {
    if (links_.settingsReport) links_.settingsReport(family);
  });
  auto add = [&](ReportPage page, const char* caption, TextReportForm::Builder build) {
    auto* report = new TextReportForm(model_, caption, std::move(build), printer);
    reports_[page] = report;
    navigator_->Add(page, report);
    return report;
  };
  for (const PlainReport& plain : PlainReports)
    add(plain.page, plain.caption, [build = plain.build](const ModelState& m, int) { return build(m); });
  add(ReportPage::CoverLists, "Cover Lists", [](const ModelState& m, int node) { return CoverLists(m, node); })
      ->AddNodeSelector("Select &Node Number", [](const ModelState&) { return 1; });
  add(ReportPage::Utilization, "Utilization Report",
      [](const ModelState& m, int site) { return UtilizationReport(m, site); })
      ->AddNodeSelector("Select &Facility", FirstLocatedSite);
  TextReportForm* fixed = add(ReportPage::FixedCost, "Fixed Cost Form", [](const ModelState& m, int order) {
    return FixedCostReport(m, static_cast<FixedCostOrder>(order));
  });
  fixed->AddSortCommand("Sort by &Ascending Cost", static_cast<int>(FixedCostOrder::AscendingCost));
  fixed->AddSortCommand("Sort by &Descending Demand", static_cast<int>(FixedCostOrder::DescendingDemand));
  fixed->AddSortCommand("List &Facilities First", static_cast<int>(FixedCostOrder::FacilitiesFirst));
  fixed->AddSortCommand("List in &Input Order", static_cast<int>(FixedCostOrder::Input));
  TextReportForm* names = add(ReportPage::NodeToFacility, "Node to Facility Report", [](const ModelState& m, int order) {
    return NodeToFacilityReport(m, static_cast<NodeFacilityOrder>(order));
  });
  names->AddSortCommand("Sort by &Demand Area Name", static_cast<int>(NodeFacilityOrder::DemandAreaName));
  names->AddSortCommand("Sort by Demand &Area Population", static_cast<int>(NodeFacilityOrder::Population));
  names->AddSortCommand("Sort by &Facility Name", static_cast<int>(NodeFacilityOrder::FacilityName));
  names->AddSortCommand("Display in &Input Order", static_cast<int>(NodeFacilityOrder::Input));
}

QPushButton* TShowResultsForm::AddCommand(QMenu* menu, const QString& caption, const QString& hint,
                                          std::function<void()> run) {
  QPushButton* button = MakeButton(caption, hint);
  QAction* action = menu->addAction(caption);
  connect(button, &QPushButton::clicked, this, run);
  connect(action, &QAction::triggered, this, run);
  buttons_[caption] = button;
  actions_[caption] = action;
  return button;
}

void TShowResultsForm::BuildCommands() {
  menuBar_ = new QMenuBar(this);
  QMenu* reports = menuBar_->addMenu("Reports");
  QMenu* tradeoff = menuBar_->addMenu("Tradeoff");
  QMenu* files = menuBar_->addMenu("Files");
  QMenu* quit = menuBar_->addMenu("Quit");
  struct PageCommand {
    const char* caption;
    ReportPage page;
  };
  const PageCommand pages[] = {
      {"&Basic Inputs and Outputs", ReportPage::BasicResults},
      {"&Forced Nodes", ReportPage::ForcedNodes},
      {"&Location Summary", ReportPage::LocationSummary},
      {"&Extended Summary", ReportPage::ExtendedSummary},
      {"&Number of Times Covered", ReportPage::CoverageSummary},
      {"&Uncovered Node Summary", ReportPage::UncoveredDemands},
      {"&Assigned Demand Summary", ReportPage::AssignedDemands},
      {"&Coverage Summary", ReportPage::DemandAreaCoverage},
      {"C&Over Lists", ReportPage::CoverLists},
      {"Ut&Ilization of Facility Sites", ReportPage::Utilization},
      {"Assign&Ment to Sites", ReportPage::Assignment},
      {"&Dominated Nodes", ReportPage::DominatedNodes},
      {"Fi&Xed Costs", ReportPage::FixedCost},
      {"&@ Node to Facility Report", ReportPage::NodeToFacility},
  };
  auto* reportBox = new QGroupBox("Reports");
  auto* reportGrid = new QGridLayout(reportBox);
  int index = 0;
  for (const PageCommand& command : pages) {
    QPushButton* b = AddCommand(reports, command.caption, "", [this, page = command.page] { OpenPage(page); });
    reportGrid->addWidget(b, index / 2, index % 2);
    ++index;
  }
  QPushButton* inventory =
      AddCommand(reports, "Show Inventor&Y Inputs", "", [this] { OpenElsewhere(links_.inventoryInputs, "The inputs"); });
  reportGrid->addWidget(inventory, index / 2, index % 2);
  ++index;
  inventory->hide();
  QPushButton* require = AddCommand(reports, "&Require Assignments", "", [this] { RunLink(links_.requireAssignments); });
  reportGrid->addWidget(require, index / 2, index % 2);

  auto* otherBox = new QGroupBox("Tradeoff Curve and Files");
  auto* other = new QVBoxLayout(otherBox);
  other->addWidget(AddCommand(tradeoff, "&Tradeoff Curve", "", [this] { TradeoffCurveClick(); }));
  other->addWidget(AddCommand(tradeoff, "&Graph Tradeoff Curve", "", [this] { GraphTradeoffClick(); }));
  other->addSpacing(8);
  other->addWidget(AddCommand(files, "Save Solution to Dis&K", "", [this] { SaveSolutionClick(); }));
  other->addWidget(AddCommand(files, "Sa&Ve Tradeoff Curve", "", [this] { SaveTradeoffClick(); }));
  other->addWidget(AddCommand(files, "Save Ma&Pping Data", "", [this] { SaveMappingClick(); }));
  other->addStretch(1);
  QPushButton* quitButton = AddCommand(quit, "&Quit (return to main menu)", "", [this] { QuitClick(); });
  other->addWidget(quitButton);

  const std::pair<const char*, bool> linked[] = {
      {"&Require Assignments", bool(links_.requireAssignments)}};
  for (const auto& [caption, available] : linked) {
    buttons_[caption]->setEnabled(available);
    actions_[caption]->setEnabled(available);
  }
  auto* columns = new QHBoxLayout;
  columns->addWidget(reportBox, 2);
  columns->addWidget(otherBox, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar_);
  layout->addLayout(columns);
}

TextReportForm* TShowResultsForm::Report(ReportPage page) const {
  const auto found = reports_.find(page);
  return found == reports_.end() ? nullptr : found->second;
}

QPushButton* TShowResultsForm::Command(const QString& caption) const {
  const auto found = buttons_.find(caption);
  return found == buttons_.end() ? nullptr : found->second;
}

QAction* TShowResultsForm::MenuCommand(const QString& caption) const {
  const auto found = actions_.find(caption);
  return found == actions_.end() ? nullptr : found->second;
}

void TShowResultsForm::Open() {
  FormShow();
  show();
  raise();
  activateWindow();
}

void TShowResultsForm::FormShow() {
  // The inventory inputs are offered after a run of the inventory/location model only.
  const QString inventory = "Show Inventor&Y Inputs";
  const bool inputs = model_.ReportProblemCode == 'V' && bool(links_.inventoryInputs);
  buttons_[inventory]->setVisible(inputs);
  buttons_[inventory]->setEnabled(inputs);
  actions_[inventory]->setVisible(inputs);
  actions_[inventory]->setEnabled(inputs);
  const QString names = "&@ Node to Facility Report";
  const bool available = NodeToFacilityAvailable(model_);
  buttons_[names]->setVisible(available);
  buttons_[names]->setEnabled(available);
  actions_[names]->setVisible(available);
  actions_[names]->setEnabled(available);
}

void TShowResultsForm::OpenPage(ReportPage page) {
  hide();
  navigator_->Open(page);
}

void TShowResultsForm::RunLink(const std::function<void()>& link) {
  if (link) link();
}

void TShowResultsForm::TradeoffCurveClick() {
  const std::string refusal = TradeoffUnavailableMessage(model_);
  if (!refusal.empty()) {
    dialogs_.Warning(QString::fromStdString(refusal));
    return;
  }
  OpenElsewhere(links_.tradeoffTable, "The tradeoff table");
}

void TShowResultsForm::GraphTradeoffClick() {
  if (!model_.TradeoffExists) {
    dialogs_.Warning("No Tradeoff Curve Exists\rWARNING...  Sorry...");
    return;
  }
  OpenElsewhere(links_.tradeoffGraph, "The tradeoff graph");
}

void TShowResultsForm::OpenElsewhere(const std::function<void()>& link, const QString& what) {
  if (!link) {
    dialogs_.Warning(what + " is not available in this version.");
    return;
  }
  hide();
  link();
}

void TShowResultsForm::SaveSolutionClick() {
  const QString name = dialogs_.SaveFile("Save Solution to Disk", "Solution File (*.SOL);;All Files (*)", "SOL");
  if (name.isEmpty()) return;
  WriteNodeFile(model_, host_, 'N', name.toStdString());
}

void TShowResultsForm::SaveMappingClick() {
  SaveMappingLayer(MappingFileText(model_), GeoJsonText(model_));
  if (!HasPlantToDcLayer(model_)) return;
  dialogs_.Information(PlantLayerNotice);
  SaveMappingLayer(PlantToDcMappingText(model_), PlantToDcGeoJsonText(model_));
}

void TShowResultsForm::SaveMappingLayer(const std::string& text, const std::string& geoJsonText) {
  const QString name =
      dialogs_.SaveFile("Save Mapping Information Dialog Box",
                        "MAP File (*.MAP);;GeoJSON File (*.geojson);;All Files (*)", "MAP");
  if (name.isEmpty()) {
    host_.Beep();
    dialogs_.Warning("MAPPING FILE INFORMATION WILL NOT BE SAVED");
    return;
  }
  const bool geoJson = IsGeoJsonName(name.toStdString());
  if (WriteTextFile(name, geoJson ? geoJsonText : text))
    dialogs_.Information(QString::fromStdString(MappingStoredMessage(name.toStdString())));
}

void TShowResultsForm::SaveTradeoffClick() {
  const std::string refusal = TradeoffFileRefusal(model_);
  if (!refusal.empty()) {
    host_.Beep();
    dialogs_.Warning(QString::fromStdString(refusal));
    return;
  }
  const QString filter =
      "Coverage Tradeoff Curve (*.COV);;Median Tradeoff Curve (*.MED);;Fixed Cost Tradeoff Curve (*.FIX);;"
      "Inventory Tradeoff Curve (*.INV);;Center Median Tradeoff (*.CMT);;Partial P Median (*.PAM);;"
      "Covering Median Tradeoff (*.OMT);;Covering Loc/Inv Tradeoff (*.CLI);;Reliability Fixed Charge (*.RFC);;"
      "Generic Tradeoff (*.CRV);;All Files (*)";
  const QString extension = QString::fromStdString(TradeoffFileExtension(model_.ReportProblemCode));
  const QString name = dialogs_.SaveFile("Save Tradeoff Curve", filter, extension);
  if (name.isEmpty()) {
    host_.Beep();
    dialogs_.Warning("TRADEOFF CURVE WILL NOT BE SAVED");
    return;
  }
  CountStatuses(model_);
  if (WriteTextFile(name, TradeoffFileText(model_, RunningProgram())))
    dialogs_.Information(QString::fromStdString(TradeoffSavedMessage(name.toStdString())));
}

bool TShowResultsForm::WriteTextFile(const QString& name, const std::string& text) {
  const std::string reason = WriteFileReason(name.toStdString(), text);
  if (!reason.empty()) WriteErrorNotice(host_, name.toStdString(), reason);
  return reason.empty();
}

void TShowResultsForm::QuitClick() {
  hide();
  menu_.showMenu();
}

void TShowResultsForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  QuitClick();
}

}  // namespace korvelan::app
