#pragma once
#include <QWidget>

#include "model/ModelState.h"
#include "setup/MenuLink.h"

class QPushButton;

namespace korvelan {
class RunHost;
}

namespace korvelan::app {

class Dialogs;

// Initial-solution form: read, clear and write the sites the heuristics start from.
class TInitialSolutionForm : public QWidget {
  Q_OBJECT
 public:
  TInitialSolutionForm(ModelState& model, Dialogs& dialogs, RunHost& host, MenuLink& menu,
                       QWidget* parent = nullptr);

  QPushButton* ReadInitial;
  QPushButton* ClearInitial;
  QPushButton* WriteSolution;
  QPushButton* ShowStatus;
  QPushButton* CloseButton;

  // Opened from the parameter form.
  void Open();
  void FormShow();
  void ReadInitialClick();
  void ClearInitialClick();
  void WriteSolutionClick();
  void ShowStatusClick();
  void CloseClick();

  bool Changed() const { return changed_; }
  // True once an initial solution was read and not cleared since.
  bool InitialLoaded() const { return loaded_; }

 signals:
  // "&Show Status of Nodes": the forced-nodes report is to be shown.
  void showStatusRequested();
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  ModelState& model_;
  Dialogs& dialogs_;
  RunHost& host_;
  MenuLink& menu_;
  bool changed_ = false;
  bool loaded_ = false;
};

}  // namespace korvelan::app
