#pragma once
#include <QWidget>
#include <optional>

#include "data/DataLoad.h"
#include "model/ModelState.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace korvelan::app {

class Dialogs;

// The load-data form: the analyst chooses a distance metric, the demand file,
// optional candidate sites (a file or generated circle points) and the source
// of the distances, step by step; "E&xit and Load Data" loads the data set into
// the model and returns to the main menu.
class TLoadDataForm : public QWidget {
  Q_OBJECT
 public:
  TLoadDataForm(korvelan::ModelState& model, korvelan::app::Dialogs& dialogs, QWidget* parent = nullptr);

  // Controls, named for their roles.
  QGroupBox* DistanceMetric;
  QPushButton* SpecifyDemand;
  QScrollBar* PercentDem1;
  QLabel* ScrollBarLabel;
  QPushButton* ExtraSites;
  QCheckBox* CycloneButton;
  QGroupBox* DistFileCreation;
  QCheckBox* KMBox;
  QPushButton* SpecifyDistanceFile;
  QPushButton* ExitAndLoadData;
  QPushButton* CancelButton;
  QPlainTextEdit* SampleDemandData;
  QLabel* DemandFileLabel;
  QLabel* DemandCountLabel;
  QLabel* ExtraFileLabel;
  QLabel* ExtraCountLabel;
  QLabel* DistanceFileLabel;
  QLabel* MaxDistLabel;

  // The choice items: metrics in the order E, G, M, N; distances compute, read.
  QRadioButton* MetricItem(int index) const;
  QRadioButton* DistanceItem(int index) const;

 public slots:
  void FormShow();
  void DistanceMetricClick(int index);
  void SpecifyDemandClick();
  void PercentDem1Change(int position);
  void ExtraSitesClick();
  void CycloneButtonClick(bool checked);
  void DistFileCreationClick(int index);
  void KMBoxClick(bool checked);
  void SpecifyDistanceFileClick();
  void ExitAndLoadDataClick();
  void CancelButtonClick();

 signals:
  // The form handed back to the main menu: true when a data set was loaded.
  void finished(bool dataLoaded);
  // The form was opened: the main menu empties its border and will ask for one again.
  void formOpened();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  korvelan::ModelState& model_;
  Dialogs& dialogs_;
  QButtonGroup* metricGroup_;
  QButtonGroup* distanceGroup_;
  korvelan::LoadRequest request_;
  int demandLines_ = 0;
  int extraLines_ = 0;
  bool demandNames_ = false;
  std::optional<QString> demandSample_;
  std::optional<QString> extraSample_;

  void BuildWindow();
  QWidget* BuildMetricStep();
  QWidget* BuildDemandStep();
  QWidget* BuildExtraStep();
  QWidget* BuildDistanceStep();
  QWidget* BuildButtons();

  char Metric() const { return model_.MetricCode; }
  QString FileDialogFilter(const char* pipeFilter) const;
  void ShowSample();
  void ShowFileLabels(QLabel* file, QLabel* count, const QString& name, int lines, bool names);
  void DropDemandFile();
  void DropExtraFile();
  void ResetDistanceChoice();
  void ChooseDistanceItem(int index);
  void ClearChoice(QButtonGroup* group);
  void OfferCirclePoints();
  void RefuseDemandFile(const QString& message);
  void SaveComputedDistances();
  void ReturnToMenu(bool dataLoaded);
};

}  // namespace korvelan::app
