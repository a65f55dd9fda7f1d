#pragma once
#include <QWidget>

#include "model/ModelState.h"
#include "setup/MenuLink.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvelan::app {

class Dialogs;

// Parameter form: the coverage distance and the cost per mile every model
// uses; "&Done and Run" builds the coverage lists. Also the way to the
// force-nodes and initial-solution forms.
class TParameterForm : public QWidget {
  Q_OBJECT
 public:
  TParameterForm(ModelState& model, Dialogs& dialogs, MenuLink& menu, QWidget* parent = nullptr);

  QLineEdit* CovDist;
  QLineEdit* CostPerMile;
  QLabel* DemWeighted;
  QPushButton* DoneAndRun;
  QPushButton* Cancel;
  QPushButton* ForceNodes;
  QPushButton* InitializeNodes;

  // Opened from the main menu: the activation rules run, then the form shows.
  void Open();
  void FormActivate();
  void CovDistExit();
  void CostPerMileExit();
  void DoneAndRunClick();
  void CancelClick();

  bool Changed() const { return changed_; }

 signals:
  void forceNodesRequested();
  void initializeNodesRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void ShowStoredValues();
  void KeyTyped(bool inCoverageDistance);
  void UpdateDoneAndRun();
  bool CommitField(QLineEdit* field);
  std::string CostPerMileValueText() const;

  ModelState& model_;
  Dialogs& dialogs_;
  MenuLink& menu_;
  bool changed_ = false;
};

}  // namespace korvelan::app
