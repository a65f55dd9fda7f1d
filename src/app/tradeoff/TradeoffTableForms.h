#pragma once
#include <functional>

#include "model/ModelState.h"
#include "reports/ReportWindow.h"
#include "tradeoff/TradeoffTables.h"

class QLabel;
class QListWidget;

namespace korvelan::app {

// The table of a 'C', 'M' or 'F' curve: one line per facility count under its
// column heading, and the two warning labels when sites were forced in or
// initialised. The lines come from core; the window only shows and prints them.
class TTradeoffCountTable : public ReportWindow {
  Q_OBJECT
 public:
  using Builder = TradeoffTableText (*)(const ModelState&);
  TTradeoffCountTable(ModelState& model, Builder builder, const QString& caption, const QString& listName,
                      PrintSinkFactory printer, QWidget* parent = nullptr);

  QListWidget* List;
  QLabel* Heading;
  QLabel* Warning1;
  QLabel* Warning2;

  void Refresh() override;
  void PrintTo(PrintSink& sink) override;

 private:
  ModelState& model_;
  Builder builder_;
  TradeoffTableText table_;
};

// "Coverage Tradeoff": the list CoverBox.
class TCoverTradeoff : public TTradeoffCountTable {
  Q_OBJECT
 public:
  TCoverTradeoff(ModelState& model, PrintSinkFactory printer, QWidget* parent = nullptr);
};

// "Median Tradeoff Curve": the list MedianBox.
class TMedianTradeoff : public TTradeoffCountTable {
  Q_OBJECT
 public:
  TMedianTradeoff(ModelState& model, PrintSinkFactory printer, QWidget* parent = nullptr);
};

// "Fixed Tradeoff Curve": the list FixedTrade.
class TFixedTradeoff : public TTradeoffCountTable {
  Q_OBJECT
 public:
  TFixedTradeoff(ModelState& model, PrintSinkFactory printer, QWidget* parent = nullptr);
};

// "Covering Median Tradeoff": one row per solution of the curve; a click on a row
// lists that solution's sites below; the curve's measures beside.
class TCenterMedianTradeoff : public ReportWindow {
  Q_OBJECT
 public:
  TCenterMedianTradeoff(ModelState& model, PrintSinkFactory printer, QWidget* parent = nullptr);

  QLabel* NoFacilitiesLabel;
  QLabel* CovDistLabel;
  QLabel* Heading;
  QLabel* Directions;
  QListWidget* ResultsBox;
  QLabel* LocationLabel;
  QLabel* SolutionLabel;
  QListWidget* LocationsBox;
  QListWidget* ICPValueBox;

  void Refresh() override;
  void PrintTo(PrintSink& sink) override;
  void ResultsBoxClick(int row);
  int SelectedRow() const { return selectedRow_; }

 private:
  ModelState& model_;
  CenterMedianTableText table_;
  int selectedRow_ = -1;
};

}  // namespace korvelan::app
