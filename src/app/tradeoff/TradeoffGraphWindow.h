#pragma once
#include <QTemporaryFile>
#include <QWidget>
#include <functional>
#include <memory>

#include "model/ModelState.h"
#include "solve/PrintSink.h"
#include "tradeoff/TradeoffChart.h"

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace korvelan::app {

class Dialogs;

// Where a tradeoff graph leads, supplied by the program; every hook may be empty.
struct GraphLinks {
  std::function<void()> showResults;  // "&Close": back to the results form
  // A print job in portrait or landscape orientation; null when cancelled.
  std::function<std::unique_ptr<PrintSink>(bool landscape)> printJob;
  // "Sa&Ve the Chart": asks for a file and writes the chart's picture.
  std::function<void(TradeoffChart& chart)> savePicture;
};

// What the two tradeoff graphs share: the chart, "&Update Chart", "&Show Data
// Values", printing in either orientation, saving the picture, "&Close" and the
// button to the other graph. The graph redraws from the model state whenever it
// is shown or activated and on "&Update Chart".
class TradeoffGraphWindow : public QWidget {
  Q_OBJECT
 public:
  TradeoffGraphWindow(ModelState& model, const QString& caption, GraphLinks links, QWidget* parent = nullptr);

  TradeoffChart* Chart;
  QLabel* ZoomLabel;
  QPushButton* UpdateButton;
  QCheckBox* ShowDataValues;
  QPushButton* PrintPortrait;
  QPushButton* PrintLandscape;
  QPushButton* SaveBMP;
  QPushButton* CloseButton;

  virtual void Redraw() = 0;
  void ShowDataValuesClick();
  void PrintClick(bool landscape);
  void SaveBMPClick();
  void CloseButtonClick();

 signals:
  // "&Go to Bar Chart" / "&Go to Line Chart".
  void otherGraphRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // The column of buttons beside the chart, for the window's own controls.
  QVBoxLayout* Controls() const { return controls_; }
  QPushButton* AddSwitchButton(const QString& caption, const QString& hint);

  ModelState& model_;

 private:
  GraphLinks links_;
  QVBoxLayout* controls_;
  std::unique_ptr<QTemporaryFile> printed_;
};

}  // namespace korvelan::app
