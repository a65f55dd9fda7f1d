#include "map/MapForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "map/MapChoice.h"
#include "map/MapGeometry.h"
#include "map/MapRadioGroup.h"
#include "map/MapView.h"
#include "setup/FieldFocus.h"
#include "shell/Dialogs.h"
#include "shell/PictureSaving.h"
#include "shell/Printing.h"
#include "solve/PrintSink.h"
#include "solve/RunHost.h"

namespace korvelan::app {

namespace {

constexpr double PrintedMapWidth = 1000;  // drawing units across the printed map

QStringList DemandItems(const ModelState& m) {
  const bool center = m.ReportProblemCode == 'P';
  QStringList items = {"&Blank", "Show all &Numbers", center ? "Show De&Fining Nos." : "Show Un&Covered Nos."};
  if (m.NamesPresent) items << "&Show all names" << (center ? "Show &Defining names" : "Show &Uncovered names");
  return items;
}

QStringList FacilityItems(const ModelState& m) {
  QStringList items = {"&0 Blank", "&1 Show numbers"};
  if (m.NamesPresent) items << "&2 Show names";
  return items;
}

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

QRectF MapPrintArea(const QRectF& page) {
  return QRectF(page.left() + 0.15 * page.width(), page.top() + 0.18 * page.height(), 0.70 * page.width(),
                0.64 * page.height());
}

TMap::TMap(ModelState& model, Dialogs& dialogs, RunHost& host, const BorderState& border, QWidget* parent)
    : QWidget(parent), model_(model), dialogs_(dialogs), host_(host), border_(border) {
  setWindowTitle("Map of the solution");
  BuildControls();
  textPrinter = [this]() -> std::unique_ptr<PrintSink> { return OpenPrintJob(dialogs_, "Map summary"); };
  chartPrinter = [this] { return PreparePrinter(dialogs_, "Map of the solution"); };
  resize(1220, 900);
}

void TMap::BuildControls() {
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildLeftPanel());
  auto* right = new QVBoxLayout;
  SolnGraph = new MapView(this);
  SolnGraph->setObjectName("SolnGraph");
  right->addWidget(SolnGraph, 1);
  auto* titleRow = new QHBoxLayout;
  TitleEditBox = new QLineEdit(this);
  TitleLable = new QLabel("<-- &Title (set to BLANK for default titles)", this);
  TitleLable->setBuddy(TitleEditBox);
  titleRow->addWidget(TitleEditBox, 1);
  titleRow->addWidget(TitleLable);
  right->addLayout(titleRow);
  layout->addLayout(right, 1);

  connect(SolnGraph, &MapView::pointClicked, this, &TMap::NodeInformation);
  connect(SolutionBox, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { SolutionBoxClick(SolutionBox->row(item)); });
  connect(InvertMapCheckBox, &QCheckBox::clicked, this, [this](bool checked) {
    InvertMap = checked;
    DrawCurrentMap();
  });
  for (MapRadioGroup* group : {DemNamesGroup, FacNamesGroup, ShowDefining})
    group->clicked = [this](int) { LabelModeClick(); };
  MapTypeRadio->clicked = [this](int index) { MapTypeClick(index); };
  WatchField(TitleEditBox, [this] {
    mapTitle_ = TitleEditBox->text().toStdString();
    DrawCurrentMap();
  });
  connect(PrintLandsape, &QPushButton::clicked, this, &TMap::PrintLandsapeClick);
  connect(PrintPortrait, &QPushButton::clicked, this, &TMap::PrintPortraitClick);
  connect(SaveBMP, &QPushButton::clicked, this, &TMap::SaveBMPClick);
  connect(ReturnButton, &QPushButton::clicked, this, &TMap::ReturnButtonClick);
}

QWidget* TMap::BuildLeftPanel() {
  auto* panel = new QWidget(this);
  panel->setFixedWidth(340);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  TradeoffLabel = new QLabel("Solution &Information", panel);
  SolutionBox = new QListWidget(panel);
  SolutionBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  SolutionBox->setStyleSheet("QListWidget { background: rgb(0, 0, 255); color: white; }");
  TradeoffLabel->setBuddy(SolutionBox);
  InvertMapCheckBox = new QCheckBox("Click to In&Vert the Map", panel);
  DemNamesGroup = new MapRadioGroup("Demand Node Info Display", {"&Blank"}, panel);
  ShowDefining = new MapRadioGroup("Show Defining Node Information",
                                   {"Blank &Out Def. Info.", "Show De&Fining #s", "Show &Def.Names"}, panel);
  FacNamesGroup = new MapRadioGroup("Facility Node Info Display", {"&0 Blank"}, panel);
  MapTypeRadio = new MapRadioGroup("Select map type", {"&$ Normal", "&% Demand", "&@ Coverage"}, panel);
  ZoomLabel = WrappedLabel("Drag from top left to bottom right to zoom and from bottom right to top left to unzoom",
                           panel);
  PctCompleteLabel = new QLabel("% Complete Generating Graph", panel);
  PctCompleteGauge = new QProgressBar(panel);
  PctCompleteGauge->setRange(0, 100);
  PrintLandsape = new QPushButton("Print &Landsape", panel);
  PrintPortrait = new QPushButton("Print &Portrait", panel);
  SaveBMP = new QPushButton("Save the &Map", panel);
  ReturnButton = new QPushButton("&Return to Main Menu", panel);
  for (QWidget* w : std::initializer_list<QWidget*>{TradeoffLabel, SolutionBox, InvertMapCheckBox, DemNamesGroup,
                                                    ShowDefining, FacNamesGroup, MapTypeRadio, ZoomLabel,
                                                    PctCompleteLabel, PctCompleteGauge, PrintLandsape, PrintPortrait,
                                                    SaveBMP, ReturnButton})
    column->addWidget(w, w == SolutionBox ? 1 : 0);
  PctCompleteLabel->hide();
  PctCompleteGauge->hide();
  ShowDefining->hide();
  return panel;
}

MapSettings TMap::Settings() const {
  MapSettings settings;
  settings.title = mapTitle_;
  settings.invert = InvertMap;
  settings.labels = {std::max(0, DemNamesGroup->ItemIndex()), std::max(0, FacNamesGroup->ItemIndex()),
                     std::max(0, ShowDefining->ItemIndex())};
  settings.selectedLine = SelectedSolutionLine;
  settings.shownSolutionNumber = ShownSolutionNumber;
  settings.chosenCoveredDemand = ChosenCoveredDemand;
  return settings;
}

void TMap::OpenFromMenu() {
  MapFromTradeoff = false;
  CurrentMapType = 0;
  show();
  raise();
}

void TMap::OpenFromTradeoff(int k) {
  MapFromTradeoff = true;
  show();
  raise();
  SolutionBox->setCurrentRow(k);
  SolutionBoxClick(k);
}

void TMap::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  FormShow();
  Activate();
}

void TMap::FormShow() {
  ReturnButton->setText(MapFromTradeoff ? "&Return to Tradeoff Graph" : "&Return to Main Menu");
  const int kept = CurrentMapType;
  CurrentMapType = -1;
  TradeoffLabel->setText(model_.ReportProblemCode == 'D' ? "Solution &Information -- Select desired soln. below"
                                                         : "Solution &Information");
  SolutionBox->setCurrentRow(0);
  SelectedSolutionLine = 0;
  DemNamesGroup->SetItems(DemandItems(model_));
  RebuildFacilityItems();
  PlaceDefiningGroup();
  CurrentMapType = kept;
}

// Every showing ends here: the label modes start from 0 and the map is drawn.
void TMap::Activate() {
  const int kept = CurrentMapType;
  CurrentMapType = -1;
  RebuildFacilityItems();
  for (MapRadioGroup* group : {DemNamesGroup, FacNamesGroup, ShowDefining}) group->SetItemIndex(0);
  PlaceDefiningGroup();
  CurrentMapType = kept;
  mapTitle_ = TitleEditBox->text().toStdString();
  SolnGraph->ResetZoom();
  DrawCurrentMap();
}

void TMap::RebuildFacilityItems() { FacNamesGroup->SetItems(FacilityItems(model_)); }

void TMap::PlaceDefiningGroup() { ShowDefining->setVisible(model_.ReportProblemCode == '%'); }

void TMap::hideEvent(QHideEvent* event) {
  SolutionBox->setCurrentRow(0);
  QWidget::hideEvent(event);
}

void TMap::closeEvent(QCloseEvent* event) {
  event->ignore();
  ReturnButtonClick();
}

void TMap::LabelModeClick() { DrawCurrentMap(); }

void TMap::MapTypeClick(int index) {
  if (CurrentMapType < 0) return;  // a drawing sets the index itself
  CurrentMapType = index;
  SolnGraph->ResetZoom();
  DrawCurrentMap();
}

void TMap::DrawCurrentMap() {
  mapTitle_ = TitleEditBox->text().toStdString();
  switch (CurrentMapType) {
    case 0: Show(SolutionMap(model_, border_, Settings()), 0); break;
    case 1: Show(RelativeDemandMap(model_, border_, Settings()), 1); break;
    case 2: {
      PctCompleteLabel->show();
      PctCompleteGauge->show();
      host_.Delay(0, 200);
      Show(CoverageMap(model_, border_, Settings(), [this](int percent) { PctCompleteGauge->setValue(percent); }), 2);
      break;
    }
    default: break;
  }
}

void TMap::Show(const MapScene& scene, int mapType) {
  PctCompleteLabel->setVisible(scene.gaugeVisible);
  PctCompleteGauge->setVisible(scene.gaugeVisible);
  const int kept = CurrentMapType;
  CurrentMapType = -1;  // setting the radio item must not draw again
  MapTypeRadio->SetItemIndex(mapType);
  CurrentMapType = kept;
  drawnSign_ = MapXSign(model_, InvertMap);
  SolnGraph->SetScene(scene);
  ShowSummary(scene);
}

void TMap::ShowSummary(const MapScene& scene) {
  SolutionBox->clear();
  for (const std::string& line : scene.summary) SolutionBox->addItem(QString::fromStdString(line));
  SolutionBox->setCurrentRow(scene.selectedSummaryLine);
}

// Only a covering-median curve lists solutions to choose from; on the other
// maps the summary lines are text.
void TMap::SolutionBoxClick(int line) {
  if (model_.ReportProblemCode != 'D') return;
  SelectedSolutionLine = line;
  const std::optional<TradeoffChoice> choice = ChooseTradeoffSolution(model_, host_, line);
  if (!choice) {
    MapScene invitation;
    invitation.title = {SelectSolutionTitle};
    invitation.titleColour = MapRed;
    invitation.titleSize = 16;
    SolnGraph->SetScene(invitation);
    return;
  }
  ShownSolutionNumber = choice->shownSolutionNumber;
  ChosenCoveredDemand = choice->chosenCoveredDemand;
  CurrentMapType = 0;
  SolnGraph->ResetZoom();
  DrawCurrentMap();
}

void TMap::NodeInformation(double x, double y) {
  const int node = NodeAtPlotted(model_, drawnSign_, x, y);
  if (node == 0) {
    dialogs_.Warning(QString::fromStdString(NodeNotFoundText));
    return;
  }
  const bool plant = BuildNodeMarks(model_).plant[node] != 0;
  dialogs_.Information(QString::fromStdString(NodeInformationText(model_, node, plant)));
}

void TMap::PrintLandsapeClick() { PrintMap(true); }

void TMap::PrintPortraitClick() { PrintMap(false); }

// The summary as text, then the chart alone in the orientation asked for.
void TMap::PrintMap(bool landscape) {
  if (std::unique_ptr<PrintSink> sink = textPrinter ? textPrinter() : nullptr) {
    sink->Line("MAP BELOW ALONG WITH SUMMARY", {PrintFontFamily, 18, false});
    for (int k = 0; k < 3; ++k) sink->Line("", {PrintFontFamily, 10, false});
    for (int row = 0; row < SolutionBox->count(); ++row)
      sink->Line(SolutionBox->item(row)->text().toStdString(), {PrintFontFamily, 10, false});
    sink->Finish();
  }
  QPrinter* printer = chartPrinter ? chartPrinter() : nullptr;
  if (!printer) return;
  const QPageLayout::Orientation usual = printer->pageLayout().orientation();
  printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  PaintPrintedMap(*printer);
  printer->setPageOrientation(usual);  // other print jobs keep the orientation set up for them
}

void TMap::PaintPrintedMap(QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const QRectF area = MapPrintArea(QRectF(QPointF(0, 0), page.size()));
  const double scale = area.width() / PrintedMapWidth;
  painter.translate(area.topLeft());
  painter.scale(scale, scale);
  SolnGraph->Render(painter, QRectF(0, 0, PrintedMapWidth, area.height() / scale));
  painter.end();
}

void TMap::SaveBMPClick() {
  SavePicture(
      dialogs_, SolnGraph->size(),
      [this](QPainter& painter, const QSize& size) { SolnGraph->Render(painter, QRectF(QPointF(0, 0), size)); },
      {"Save the Map", true});
}

void TMap::ReturnButtonClick() {
  hide();
  if (MapFromTradeoff)
    emit returnToTradeoffGraph();
  else
    emit returnToMenu();
}

}  // namespace korvelan::app
