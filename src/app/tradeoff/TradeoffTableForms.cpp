#include "tradeoff/TradeoffTableForms.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup/FormStyle.h"

namespace korvelan::app {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

QListWidget* MakeList(const QString& name, const QString& hint) {
  auto* list = new QListWidget;
  list->setObjectName(name);
  list->setToolTip(hint);
  list->setFont(FixedPitchFont());
  return list;
}

QLabel* MakeHeading() {
  auto* label = new QLabel;
  label->setFont(FixedPitchFont());
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

QLabel* MakeWarning() {
  auto* label = new QLabel;
  label->setFont(FixedPitchFont());
  SetRed(label, true);
  label->hide();
  return label;
}

void SetHints(ReportWindow& window, const QString& cancel, const QString& next, const QString& last) {
  window.CancelButton->setToolTip(cancel);
  window.NextButton->setToolTip(next);
  window.LastButton->setToolTip(last);
  window.PrintButton->setToolTip("Print the form");
}

}  // namespace

TTradeoffCountTable::TTradeoffCountTable(ModelState& model, Builder builder, const QString& caption,
                                         const QString& listName, PrintSinkFactory printer, QWidget* parent)
    : ReportWindow(caption, std::move(printer), parent), model_(model), builder_(builder) {
  Heading = MakeHeading();
  List = MakeList(listName, "Tradeoff curve information");
  Warning1 = MakeWarning();
  Warning2 = MakeWarning();
  for (QWidget* w : std::initializer_list<QWidget*>{Heading, List, Warning1, Warning2}) Body()->addWidget(w);
  SetHints(*this, "Return to the Show Results menu", "Go to the next report", "Go to the previous report");
  resize(640, 480);
}

void TTradeoffCountTable::Refresh() {
  table_ = builder_(model_);
  setWindowTitle(Text(table_.caption));
  Heading->setText(Text(table_.heading));
  FillList(List, table_.lines);
  QLabel* warnings[] = {Warning1, Warning2};
  for (int i = 0; i < 2; ++i) {
    const bool shown = i < static_cast<int>(table_.warnings.size());
    warnings[i]->setText(shown ? Text(table_.warnings[i]) : QString());
    warnings[i]->setVisible(shown);
  }
}

void TTradeoffCountTable::PrintTo(PrintSink& sink) { PrintTradeoffTable(sink, table_); }

TCoverTradeoff::TCoverTradeoff(ModelState& model, PrintSinkFactory printer, QWidget* parent)
    : TTradeoffCountTable(model, &CoverTradeoffTable, "Coverage Tradeoff", "CoverBox", std::move(printer), parent) {}

TMedianTradeoff::TMedianTradeoff(ModelState& model, PrintSinkFactory printer, QWidget* parent)
    : TTradeoffCountTable(model, &MedianTradeoffTable, "Median Tradeoff Curve", "MedianBox", std::move(printer),
                          parent) {
  PrintButton->setText("&PrintForm");
}

TFixedTradeoff::TFixedTradeoff(ModelState& model, PrintSinkFactory printer, QWidget* parent)
    : TTradeoffCountTable(model, &FixedTradeoffTable, "Fixed Tradeoff Curve", "FixedTrade", std::move(printer),
                          parent) {
  CancelButton->setToolTip("Go to the Show Results menu");
}

TCenterMedianTradeoff::TCenterMedianTradeoff(ModelState& model, PrintSinkFactory printer, QWidget* parent)
    : ReportWindow("Covering Median Tradeoff", std::move(printer), parent), model_(model) {
  NoFacilitiesLabel = MakeHeading();
  CovDistLabel = MakeHeading();
  Heading = MakeHeading();
  Directions = new QLabel("Click on a solution in the top box to see locations in the bottom box");
  ResultsBox = MakeList("ResultsBox", "Shows the solution values");
  LocationLabel = new QLabel("Locations");
  SolutionLabel = new QLabel("Solution Information");
  SolutionLabel->setFont(FixedPitchFont());
  SolutionLabel->hide();
  LocationsBox = MakeList("LocationsBox", "Shows the locations");
  ICPValueBox = MakeList("ICPValueBox", "");
  ICPValueBox->setMaximumWidth(340);

  auto* grid = new QGridLayout;
  grid->addWidget(NoFacilitiesLabel, 0, 0);
  grid->addWidget(CovDistLabel, 1, 0);
  grid->addWidget(Directions, 2, 0);
  grid->addWidget(Heading, 3, 0);
  grid->addWidget(ResultsBox, 4, 0);
  grid->addWidget(LocationLabel, 5, 0);
  grid->addWidget(SolutionLabel, 6, 0);
  grid->addWidget(LocationsBox, 7, 0);
  grid->addWidget(ICPValueBox, 4, 1, 4, 1);
  Body()->addLayout(grid);
  SetHints(*this, "Return to Display Results Menu", "Show the next report", "Show the previous report");
  connect(ResultsBox, &QListWidget::currentRowChanged, this, &TCenterMedianTradeoff::ResultsBoxClick);
  resize(820, 600);
}

void TCenterMedianTradeoff::Refresh() {
  table_ = CenterMedianTradeoffTable(model_);
  setWindowTitle(Text(table_.caption));
  FillList(ICPValueBox, table_.measures);
  ICPValueBox->show();
  selectedRow_ = -1;
  LocationsBox->clear();
  SolutionLabel->hide();
  LocationLabel->setText("Locations");
  NoFacilitiesLabel->setText(Text(table_.noFacilities));
  CovDistLabel->setText(Text(table_.coverageDistance));
  Heading->setText(Text(table_.heading));
  const QSignalBlocker quiet(ResultsBox);  // filling the list chooses no row
  FillList(ResultsBox, table_.rows);
  ResultsBox->setCurrentRow(-1);
}

void TCenterMedianTradeoff::ResultsBoxClick(int row) {
  if (row < 0 || row >= static_cast<int>(table_.rows.size())) return;
  selectedRow_ = row;
  FillList(LocationsBox, CenterMedianLocations(model_, row));
  LocationLabel->setText(Text(CenterMedianLocationCaption()));
  SolutionLabel->setText(Text(table_.rows[row]));
  SolutionLabel->show();
}

void TCenterMedianTradeoff::PrintTo(PrintSink& sink) {
  std::vector<std::string> locations;
  for (int i = 0; i < LocationsBox->count(); ++i) locations.push_back(LocationsBox->item(i)->text().toStdString());
  PrintCenterMedianTable(sink, table_, selectedRow_, locations);
}

}  // namespace korvelan::app
