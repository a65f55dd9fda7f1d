// The step handlers of the load-data form: each choice enables the next step.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "data/CirclePoints.h"
#include "data/DataLoad.h"
#include "data/Distances.h"
#include "data/LoadData.h"
#include "data/LoadDataTexts.h"
#include "data/NodeDataFile.h"
#include "data/TextLines.h"
#include "shell/Dialogs.h"

namespace korvelan::app {

using namespace loaddata;

namespace {

struct FileFacts {
  int lines = -1;  // -1 when the file cannot be read
  QString firstLine;
  bool names = false;
};

FileFacts Inspect(const QString& name) {
  FileFacts facts;
  const std::optional<std::string> text = ReadWholeFile(name.toStdString());
  if (!text) return facts;
  facts.lines = static_cast<int>(SplitLines(*text).size());
  facts.firstLine = Text(FirstLineOf(*text));
  facts.names = LineHasName(FirstLineOf(*text));
  return facts;
}

}  // namespace

void TLoadDataForm::FormShow() {
  KMBox->hide();
  KMBox->setEnabled(false);
  KMBox->setChecked(false);
  emit formOpened();
  CycloneButton->hide();
  CycloneButton->setEnabled(false);
  CycloneButton->setChecked(false);
  DistanceMetric->setEnabled(true);
  ClearChoice(metricGroup_);
  for (QWidget* step : {static_cast<QWidget*>(SpecifyDemand), static_cast<QWidget*>(ExtraSites),
                        static_cast<QWidget*>(DistFileCreation), static_cast<QWidget*>(SpecifyDistanceFile),
                        static_cast<QWidget*>(ExitAndLoadData), static_cast<QWidget*>(PercentDem1)})
    step->setEnabled(false);
  for (QLabel* label : {DemandFileLabel, DemandCountLabel, ExtraFileLabel, ExtraCountLabel, DistanceFileLabel,
                        ScrollBarLabel, MaxDistLabel})
    label->hide();
  demandSample_.reset();
  extraSample_.reset();
  ShowSample();
  CancelButton->setEnabled(true);
  PercentDem1->blockSignals(true);
  PercentDem1->setValue(100);
  PercentDem1->blockSignals(false);
  ClearChoice(distanceGroup_);
  request_ = LoadRequest{};
  demandLines_ = extraLines_ = 0;
  ResetModel(model_);
  model_.UseKilometers = 0;
  model_.EarthDiameter = EarthDiameterMiles;
  model_.CircleSites = 0;
  model_.DemandWeight = 1.0;
  model_.DemandFileName.clear();
  model_.ExtraSitesFileName.clear();
  model_.DistanceFileName.clear();
  model_.DataLoaded = 0;  // the reset model holds no data set
  model_.NamesPresent = 0;
}

void TLoadDataForm::DistanceMetricClick(int index) {
  model_.MetricCode = MetricCodes[index];
  request_.MetricCode = model_.MetricCode;
  DistanceMetric->setEnabled(false);
  SpecifyDemand->setEnabled(true);
}

// ---- the demand file ----

void TLoadDataForm::DropDemandFile() {
  demandLines_ = extraLines_ = 0;
  demandNames_ = false;
  model_.NamesPresent = 0;
  for (QWidget* step : {static_cast<QWidget*>(DistFileCreation), static_cast<QWidget*>(ExtraSites),
                        static_cast<QWidget*>(SpecifyDistanceFile), static_cast<QWidget*>(ExitAndLoadData)})
    step->setEnabled(false);
}

void TLoadDataForm::RefuseDemandFile(const QString& message) {
  dialogs_.Error(message);
  DropDemandFile();
}

void TLoadDataForm::SpecifyDemandClick() {
  request_.DemandFileName.clear();
  request_.ExtraSitesFileName.clear();
  request_.DistanceFileName.clear();
  ExitAndLoadData->setEnabled(false);
  for (QLabel* label :
       {DemandFileLabel, DemandCountLabel, ExtraFileLabel, ExtraCountLabel, DistanceFileLabel})
    label->hide();
  demandSample_.reset();
  extraSample_.reset();
  ShowSample();

  const QString name = dialogs_.OpenFile("Specify Demand File", FileDialogFilter(DemandFilter));
  if (name.isEmpty()) return DropDemandFile();
  const FileFacts facts = Inspect(name);
  if (facts.lines < 0) return RefuseDemandFile(Text(UnreadableFileMessage(name.toStdString())));
  const std::string problem = DemandLinesProblem(name.toStdString(), facts.lines);
  if (problem == TooManyNodesMessage) {
    QApplication::beep();
    dialogs_.Error(Text(problem) + "\rYou will now be returned to the Main Menu");
    return CancelButtonClick();
  }
  if (!problem.empty()) return RefuseDemandFile(Text(problem) + "... Try a different file.");
  request_.DemandFileName = name.toStdString();
  model_.DemandFileName = request_.DemandFileName;
  demandLines_ = facts.lines;
  OfferCirclePoints();
  demandSample_ = facts.firstLine;
  ShowSample();
  demandNames_ = facts.names;
  model_.NamesPresent = facts.names;
  ShowFileLabels(DemandFileLabel, DemandCountLabel, name, facts.lines, facts.names);
  ResetDistanceChoice();
  PercentDem1->setEnabled(true);
  PercentDem1Change(PercentDem1->value());
  ScrollBarLabel->show();
  ExtraSites->setEnabled(demandLines_ < MaxNodes);
  SpecifyDemand->setEnabled(false);
}

void TLoadDataForm::PercentDem1Change(int position) {
  model_.DemandWeight = position / 100.0;
  request_.DemandWeight = model_.DemandWeight;
  ScrollBarLabel->setText("Specify Weight on Demand 1 (W=" + QString::number(model_.DemandWeight) + ")");
}

// ---- candidate sites ----

void TLoadDataForm::OfferCirclePoints() {
  const bool offered =
      demandLines_ > 0 && request_.ExtraSitesFileName.empty() && CirclePointsOffered(Metric(), demandLines_);
  CycloneButton->setVisible(offered);
  CycloneButton->setEnabled(offered);
  if (!offered) CycloneButton->setChecked(false);
}

void TLoadDataForm::DropExtraFile() {
  request_.ExtraSitesFileName.clear();
  model_.ExtraSitesFileName.clear();
  extraLines_ = 0;
  model_.NamesPresent = demandNames_;
  extraSample_.reset();
  ExtraFileLabel->hide();
  ExtraCountLabel->hide();
  ShowSample();
}

void TLoadDataForm::ExtraSitesClick() {
  const QString name = dialogs_.OpenFile("Specify Candidate Sites", FileDialogFilter(ExtraFilter));
  const FileFacts facts = name.isEmpty() ? FileFacts{} : Inspect(name);
  const std::string problem =
      facts.lines < 0 ? UnreadableFileMessage(name.toStdString())
                      : CandidateSitesProblem(name.toStdString(), demandLines_, facts.lines);
  if (name.isEmpty()) {
    DropExtraFile();
  } else if (!problem.empty()) {
    dialogs_.Error(Text(problem));
    DropExtraFile();
  } else {
    request_.ExtraSitesFileName = model_.ExtraSitesFileName = name.toStdString();
    extraLines_ = facts.lines;
    extraSample_ = facts.firstLine;
    ShowSample();
    model_.ExtraNamesPresent = facts.names;
    model_.NamesPresent = demandNames_ && facts.names;
    ShowFileLabels(ExtraFileLabel, ExtraCountLabel, name, facts.lines, facts.names);
    request_.CircleSites = 0;
    model_.CircleSites = 0;
  }
  OfferCirclePoints();
  ResetDistanceChoice();
  ExtraSites->setEnabled(true);
}

void TLoadDataForm::CycloneButtonClick(bool checked) {
  request_.CircleSites = checked;
  model_.CircleSites = checked;
  ExtraSites->setEnabled(!checked && demandLines_ < MaxNodes);
  // The circle points change the number of nodes a distance file must fit.
  if (distanceGroup_->checkedId() == ReadItem) ChooseDistanceItem(ReadItem);
}

// ---- distances ----

// The distance choice starts afresh: network data always read a file; other
// metrics wait for the analyst's choice.
void TLoadDataForm::ResetDistanceChoice() {
  ClearChoice(distanceGroup_);
  SpecifyDistanceFile->setEnabled(false);
  ExitAndLoadData->setEnabled(false);
  DistanceFileLabel->hide();
  request_.DistanceFileName.clear();
  if (Metric() == 'N') {
    ChooseDistanceItem(ReadItem);
    DistFileCreation->setEnabled(false);
  } else {
    DistFileCreation->setEnabled(true);
  }
}

void TLoadDataForm::ChooseDistanceItem(int index) {
  DistanceItem(index)->setChecked(true);
  DistFileCreationClick(index);
}

void TLoadDataForm::DistFileCreationClick(int index) {
  const bool compute = index == ComputeItem;
  request_.ComputeDistances = compute;
  model_.ComputeDistances = compute;
  request_.DistanceFileName.clear();
  model_.DistanceFileName.clear();
  DistanceFileLabel->hide();
  ExitAndLoadData->setEnabled(compute);
  SpecifyDistanceFile->setEnabled(!compute);
  const bool kilometresOffered = compute && Metric() == 'G';
  KMBox->setVisible(kilometresOffered);
  KMBox->setEnabled(kilometresOffered);
  if (!kilometresOffered && KMBox->isChecked()) {
    KMBox->setChecked(false);  // read distances keep the file's units
    request_.UseKilometers = 0;
    model_.UseKilometers = 0;
    model_.EarthDiameter = EarthDiameterMiles;
  }
}

void TLoadDataForm::KMBoxClick(bool checked) {
  request_.UseKilometers = checked;
  model_.UseKilometers = checked;
  model_.EarthDiameter = checked ? EarthDiameterKilometres : EarthDiameterMiles;
  dialogs_.Warning(
      checked ? "Distances will be computed in KILOMETERS\rBut all message WORDING remains in Miles,\r"
                "Even though distances are reported in KILOMETERS"
              : "Distances will be computed in MILES");
}

void TLoadDataForm::SpecifyDistanceFileClick() {
  const QString name = dialogs_.OpenFile("Specify Distance File", FileDialogFilter(DistanceFilter));
  if (!name.isEmpty()) {
    DistanceFileLabel->setText("File to Read = " + Text(BaseName(name.toStdString())));
    DistanceFileLabel->show();
    ExitAndLoadData->setEnabled(true);
    const std::string problem = CheckDistanceFile(name.toStdString(), AnnouncedNodeCount(request_));
    if (problem.empty()) {
      request_.DistanceFileName = model_.DistanceFileName = name.toStdString();
      ExtraSites->setEnabled(false);
      CycloneButton->setEnabled(false);
      return;
    }
    dialogs_.Error(Text(problem));
  }
  // Refused or cancelled: the distance source is chosen again.
  ResetDistanceChoice();
}

// ---- loading and leaving ----

void TLoadDataForm::ExitAndLoadDataClick() {
  const std::string error = LoadDataSet(model_, request_);
  if (!error.empty()) {
    dialogs_.Error(Text(error));
    // Nothing was loaded: the form starts again from its first step.
    FormShow();
    model_.FatalError = 1;
    return;
  }
  if (model_.ComputeDistances) SaveComputedDistances();
  const QString largest = QString::number(model_.MaxDistance);
  dialogs_.Information("Largest distance = " + largest);
  MaxDistLabel->setText("Max. distance = " + largest);
  MaxDistLabel->show();
  ReturnToMenu(true);
}

void TLoadDataForm::SaveComputedDistances() {
  if (!dialogs_.Confirm("Do you want to save distances?")) return;
  const QString name = dialogs_.SaveFile("Save Distances", FileDialogFilter(DistanceFilter),
                                         Text(DistanceFileExtension(Metric())));
  if (name.isEmpty()) return;
  const std::string error = SaveDistanceFile(model_, name.toStdString());
  if (error.empty()) {
    model_.DistanceFileName = name.toStdString();
    return;
  }
  dialogs_.Error(Text(error) + "\rThe distances were not saved.");
}

void TLoadDataForm::CancelButtonClick() { ReturnToMenu(false); }

}  // namespace korvelan::app
