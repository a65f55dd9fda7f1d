#pragma once
#include <QWidget>

#include "model/ModelState.h"
#include "setup/MenuLink.h"
#include "setup/SiteStatusActions.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace korvelan {
class RunHost;
}

namespace korvelan::app {

class Dialogs;

// Force-nodes form: the status of every site in a multi-select list, the
// actions that force, unforce, exclude and allow sites, and the status file.
class TForceNodesMenu : public QWidget {
  Q_OBJECT
 public:
  TForceNodesMenu(ModelState& model, Dialogs& dialogs, RunHost& host, MenuLink& menu, QWidget* parent = nullptr);

  QListWidget* MainBox;
  QLabel* AllowedLabel;
  QLabel* ExcludedLabel;
  QLabel* RequiredLabel;
  QLabel* InitializedLabel;
  QPushButton* DisallowAll;
  QPushButton* PermitAll;
  QPushButton* ForceSite;
  QPushButton* UnforceSite;
  QPushButton* ExcludeSite;
  QPushButton* AllowSite;
  QPushButton* WriteStatus;
  QPushButton* ReadStatus;
  QPushButton* CloseButton;

  // Opened from the parameter form.
  void Open();
  void FormShow();
  void DisallowAllClick();
  void PermitAllClick();
  void SiteActionClick(SiteAction action);
  void WriteStatusClick();
  void ReadStatusClick();
  void CloseClick();

  bool Changed() const { return changed_; }

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void RebuildList();
  void RememberSelection(const std::vector<int>& nodes);

  ModelState& model_;
  Dialogs& dialogs_;
  RunHost& host_;
  MenuLink& menu_;
  bool changed_ = false;
  int firstRemembered_ = 0;
  int lastRemembered_ = 0;
};

}  // namespace korvelan::app
