#pragma once
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "model/ModelState.h"
#include "setup/MenuLink.h"
#include "setup/RunModelsForm.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvelan {
class RunHost;
}

namespace korvelan::app {

class Dialogs;

// "Run Tradeoff Form": a curve problem, its algorithm and inputs, then the curve
// run. The rules are the engine's (tradeoff/TradeoffForm in core); the form shows
// their outcome. It uses the run windows through the same links as the run-models
// form, plus hiding the Lagrangian progress window after the run.
class TRunTradeoffForm : public QWidget {
  Q_OBJECT
 public:
  TRunTradeoffForm(ModelState& model, Dialogs& dialogs, RunHost& host, MenuLink& menu, RunFormLinks links,
                   QWidget* parent = nullptr);

  QGroupBox* ProblemSelector;
  std::array<QRadioButton*, 4> ProblemItems{};
  QGroupBox* CoveringAlg;
  std::array<QRadioButton*, 3> AlgorithmItems{};
  QLabel* InputNumber;
  QLineEdit* NumbInput;
  QLabel* CostLabel;
  QLineEdit* CostPerMile;
  QCheckBox* ExchangeEveryIter;
  QCheckBox* ExcludeDominated;
  QCheckBox* NeighborhoodExchange;
  QCheckBox* MedianExchange;
  QPushButton* ViewLag;
  QPushButton* Execute;
  QPushButton* CloseButton;

  // Hides the Lagrangian progress window when a curve run ends.
  std::function<void()> hideLagProgress;

  // Opened from the main menu.
  void Open();
  void FormShow();
  void ProblemSelectorClick(int index);
  void CoveringAlgClick(int index);
  void NumbInputExit();
  void CostPerMileEnter();
  void CostPerMileExit();
  void ViewLagClick();
  void ExecuteClick();
  void CloseButtonClick();

  void ShareFirstOpening(std::shared_ptr<bool> pending) { firstOpening_ = std::move(pending); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildInputsPanel();
  void ConnectControls();
  void HideOptionalControls();
  void ShowAlgorithms(char code);
  void ShowCheckBox(QCheckBox* box, bool checked, const std::string& caption);
  void CheckBoxClick(QCheckBox* box, std::string (*store)(ModelState&, bool));

  ModelState& model_;
  Dialogs& dialogs_;
  RunHost& host_;
  MenuLink& menu_;
  RunFormLinks links_;
  QButtonGroup* problemGroup_;
  QButtonGroup* algorithmGroup_;
  std::shared_ptr<bool> firstOpening_ = std::make_shared<bool>(true);
  bool executeBeforeCost_ = false;
};

}  // namespace korvelan::app
