#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "exchange/ExchangeList.h"
#include "exchange/ExchangeMoves.h"
#include "model/ModelState.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace korvelan {
class RunHost;
}

namespace korvelan::app {

class Dialogs;

// "Exchange Facilities Form": after a run the analyst adds, deletes and
// exchanges sites by hand, sees every change on covered demand, average distance
// and total cost, or lets the system find and make improving exchanges. Works
// directly on the model's solution; there is no undo.
class TExchangeForm : public QWidget {
  Q_OBJECT
 public:
  TExchangeForm(ModelState& model, Dialogs& dialogs, RunHost& host, QWidget* parent = nullptr);

  QListWidget* FacilitiesList;
  QPlainTextEdit* MessageArea;
  QPushButton* CloseButton;
  QPushButton* AddSiteButton;
  QPushButton* DeleteButton;
  QPushButton* ExchangeSites;
  QPushButton* AddNodeButton;
  QPushButton* DropNodeButton;
  QPushButton* CancelExchange;
  QPushButton* FindGoodButton;
  QPushButton* TryAllButton;
  QPushButton* LimitedButton;
  QLineEdit* NoToExchange;
  QLabel* NoToExchangeLabel;

  // Opened by "E&Xchange Sites" of the main menu.
  void Open();
  void FormShow();
  void AddSiteClick();
  void DeleteButtonClick();
  void ExchangeSitesClick();
  void AddNodeButtonClick();
  void DropNodeButtonClick();
  void CancelExchangeClick();
  void FindGoodButtonClick();
  void TryAllButtonClick();
  void LimitedButtonClick();
  // Focus left the limit box: read the limit and run the limited exchange.
  void NoToExchangeExit();
  void CloseButtonClick();

  ExchangeListMode ListMode() const { return listMode_; }
  int ExchangeLimit() const { return exchangeLimit_; }
  QStringList MessageLines() const;

 signals:
  // The form closed; the main menu shows again.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void Refresh();
  void ShowList(ExchangeListMode mode);
  void ShowMessages(const std::vector<std::string>& lines);
  void SelectLine(int line);
  int SelectedLine() const;
  // The selected node; 0 after "You must select a node" when there is none.
  int SelectedNodeOrWarn();
  // A site with the given status is released (made allowed) after Yes to the
  // question; false after No ("No action will be taken").
  bool ReleaseStatus(int n, uint8_t status, const std::string& question);
  void EnableActions(bool enabled);
  void ShowExchangeStep(bool shown);
  void CheckConstantWarning();
  void Propose(const ExchangeProposal& proposal);
  void ReadExchangeLimit();

  ModelState& model_;
  Dialogs& dialogs_;
  RunHost& host_;
  ExchangeListMode listMode_ = ExchangeListMode::AllSites;
  int siteToAdd_ = 0;
  int exchangeLimit_ = 0;
  bool limitEntry_ = false;
};

}  // namespace korvelan::app
