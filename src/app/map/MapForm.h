#pragma once
#include <QRectF>
#include <QWidget>
#include <functional>
#include <memory>

#include "data/BorderFile.h"
#include "map/MapViews.h"
#include "model/ModelState.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QProgressBar;
class QPushButton;

namespace korvelan {
class PrintSink;
class RunHost;
}  // namespace korvelan

namespace korvelan::app {

class Dialogs;
class MapRadioGroup;
class MapView;

// The printed map sits inside these margins: 15 % of the page width left and
// right, 18 % of its height above and below.
QRectF MapPrintArea(const QRectF& page);

// "Map of the solution": the current solution drawn on a plane with its summary
// at the left, the relative demands and the coverage relationships, node
// information on a click, the points of a covering-median curve to choose from,
// printing and saving the picture.
class TMap : public QWidget {
  Q_OBJECT
 public:
  TMap(ModelState& model, Dialogs& dialogs, RunHost& host, const BorderState& border, QWidget* parent = nullptr);

  QLabel* TradeoffLabel;
  QListWidget* SolutionBox;
  QCheckBox* InvertMapCheckBox;
  MapRadioGroup* DemNamesGroup;
  MapRadioGroup* ShowDefining;
  MapRadioGroup* FacNamesGroup;
  MapRadioGroup* MapTypeRadio;
  QLabel* ZoomLabel;
  QLabel* PctCompleteLabel;
  QProgressBar* PctCompleteGauge;
  QPushButton* PrintLandsape;
  QPushButton* PrintPortrait;
  QPushButton* SaveBMP;
  QLineEdit* TitleEditBox;
  QLabel* TitleLable;
  QPushButton* ReturnButton;
  MapView* SolnGraph;

  // Map state, kept for the life of the program.
  int CurrentMapType = 0;  // 0 solution, 1 relative demand, 2 coverage; -1 while controls are rebuilt
  bool MapFromTradeoff = false;
  bool InvertMap = false;
  int SelectedSolutionLine = 0;
  int ShownSolutionNumber = 0;
  Extended ChosenCoveredDemand = 0;

  // "&Map Results" of the main menu.
  void OpenFromMenu();
  // A click on point k (from 1) of the covering-median graph.
  void OpenFromTradeoff(int k);

  void DrawCurrentMap();
  void SolutionBoxClick(int line);
  // A click on a drawn point at these plotted coordinates.
  void NodeInformation(double x, double y);
  void PrintLandsapeClick();
  void PrintPortraitClick();
  void SaveBMPClick();
  void ReturnButtonClick();
  MapSettings Settings() const;

  // Where the summary text and the chart are printed; the program's printer by default.
  std::function<std::unique_ptr<PrintSink>()> textPrinter;
  std::function<QPrinter*()> chartPrinter;

 signals:
  void returnToMenu();
  void returnToTradeoffGraph();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  ModelState& model_;
  Dialogs& dialogs_;
  RunHost& host_;
  const BorderState& border_;
  std::string mapTitle_;
  double drawnSign_ = 1.0;

  void BuildControls();
  QWidget* BuildLeftPanel();
  void FormShow();
  void Activate();
  void RebuildFacilityItems();
  void PlaceDefiningGroup();
  void LabelModeClick();
  void MapTypeClick(int index);
  void Show(const MapScene& scene, int mapType);
  void ShowSummary(const MapScene& scene);
  void PrintMap(bool landscape);
  void PaintPrintedMap(QPrinter& printer);
};

}  // namespace korvelan::app
