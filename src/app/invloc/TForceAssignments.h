#pragma once
#include <QWidget>
#include <vector>

#include "model/ModelState.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace korvelan {
class RunHost;
}

namespace korvelan::app {

class Dialogs;

// "Force Assignments", opened by "&Require Assignments" of the results form: the
// demand nodes, and for the highlighted one the located sites by distance with the
// one serving it first. For the inventory/location model a click on a site moves the
// node there; assignments can be saved to and read from ".ass" files, a file can set
// the facilities as well, and every node can be moved to its nearest facility.
class TForceAssignments : public QWidget {
  Q_OBJECT
 public:
  TForceAssignments(ModelState& model, Dialogs& dialogs, RunHost& host, QWidget* parent = nullptr);

  QLabel* Instruction;
  QListWidget* DemandNodeList;
  QListWidget* FacilityList;
  QPushButton* SaveAssignments;
  QPushButton* ReadAssignments;
  QPushButton* ForceFacilities;
  QPushButton* ClosestAssignments;
  QPushButton* QuitButton;

  void Open();
  void FormShow();
  void DemandNodeClick(int row);
  void FacilityClick(int row);
  void SaveAssignmentsClick();
  void ReadAssignmentsClick();
  void ForceFacilitiesClick();
  void ClosestAssignmentsClick();
  void QuitClick();

  // The demand node highlighted (1-based).
  int Highlighted() const { return highlighted_; }

 signals:
  // The form closed; the results form shows again.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void ShowFacilities();
  void ReadFile(bool forceFacilities);

  ModelState& model_;
  Dialogs& dialogs_;
  RunHost& host_;
  int highlighted_ = 1;
  std::vector<int> facilitySites_;
};

}  // namespace korvelan::app
