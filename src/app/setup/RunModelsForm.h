#pragma once
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "model/ModelState.h"
#include "setup/MenuLink.h"
#include "setup/RunModels.h"
#include "setup/RunRules.h"

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

// The windows around a run and the forms the run form opens, supplied by the
// program. Every hook may be left empty: the run form then does without.
struct RunFormLinks {
  std::function<void(const QString& caption)> setLagCaption;  // Lagrangian progress window
  std::function<void(bool visible)> showRunningNotice;         // "Korvelan is Running ..."
  // The heuristic progress window before a run: shown empty when the run adds
  // heuristic lines, hidden otherwise; and after the run, with nothing left to abort.
  std::function<void(bool used)> prepareHeuristicProgress;
  std::function<void()> heuristicRunEnded;
  // The Lagrangian settings of a family: 'C' covering, 'M' median, 'F' fixed
  // charge, 'V' inventory/location.
  std::function<void(char family)> openLagSettings;
  std::function<void()> openGeneticSettings;    // the median genetic algorithm's settings
  std::function<void()> openInvLocParameters;   // the inventory/location model's parameters
};

// Run-models form: one model, its algorithm and its inputs, then the run.
class TRunModelsForm : public QWidget {
  Q_OBJECT
 public:
  TRunModelsForm(ModelState& model, Dialogs& dialogs, RunHost& host, MenuLink& menu, RunFormLinks links,
                 QWidget* parent = nullptr);

  // The problems in the order offered, with their codes.
  static constexpr std::array<char, 8> ProblemCodes = {'C', 'M', 'F', 'S', 'P', '&', '%', 'V'};

  QGroupBox* ProblemSelector;
  std::array<QRadioButton*, 8> ProblemItems{};
  QGroupBox* CoveringAlg;
  std::array<QRadioButton*, 5> AlgorithmItems{};
  QLabel* InputNumber;
  QLineEdit* NumbInput;
  QLabel* NumberMinusOne;
  QLabel* CostLabel;
  QLineEdit* CostPerMile;
  QCheckBox* ExchangeEveryIter;
  QCheckBox* ExcludeDominated;
  QCheckBox* MedianExchange;
  QCheckBox* NeighborhoodExchange;
  QCheckBox* FirstSubsAlg;
  QGroupBox* CoverTypeSelector;
  QRadioButton* DemandFraction;
  QRadioButton* NodeCount;
  QLabel* SpecifyAmount;
  QLineEdit* CovAmount;
  QLabel* UpperEstimate;
  QLineEdit* UPPER;
  QLabel* LowerEstimate;
  QLineEdit* LOWER;
  QCheckBox* DoWeighted;
  QPushButton* ViewLag;
  QPushButton* ReturnButton;
  QPushButton* Execute;
  QPushButton* CloseButton;

  // Opened from the main menu.
  void Open();
  // The Lagrangian settings return to their defaults at the first opening of this
  // form or of another that shares the flag (the tradeoff form) in a program run.
  void ShareFirstOpening(std::shared_ptr<bool> pending) { firstOpening_ = std::move(pending); }
  std::shared_ptr<bool> FirstOpening() const { return firstOpening_; }
  void FormShow();
  void ProblemSelectorClick(int index);
  void CoveringAlgClick(int index);
  void NumbInputExit();
  void CoverTypeClick(char type);
  void CovAmountExit();
  void UpperExit();
  void LowerExit();
  void CostPerMileEnter();
  void CostPerMileExit();
  void ExchangeEveryIterClick();
  void ExcludeDominatedClick();
  void MedianExchangeClick();
  void NeighborhoodExchangeClick();
  void FirstSubsAlgClick();
  void DoWeightedClick();
  void ViewLagClick();
  void ReturnButtonClick();
  void ExecuteClick();
  void CloseButtonClick();

  // The algorithm captions offered for a problem code, and the letter of each.
  static std::vector<QString> AlgorithmCaptions(char problemCode);
  static char AlgorithmLetter(char problemCode, int index);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void SetTabOrderTopDown();
  QWidget* BuildInputsPanel();
  void ConnectControls();
  void HideOptionalControls();
  void ShowAlgorithms(char problemCode);
  void ShowProblemControls(char code);
  void ShowNumberInput();
  void ShowEstimates();
  void ShowCheckBox(QCheckBox* box, bool checked, const QString& caption);
  void ShowFieldResult(QLineEdit* field, const FieldResult& result);
  void UpdateCheckCaptions();
  bool IsLagrangianChoice() const;
  static MenuEvent EndEvent(RunEnd end);

  ModelState& model_;
  Dialogs& dialogs_;
  RunHost& host_;
  MenuLink& menu_;
  RunFormLinks links_;
  QWidget* inputsPanel_ = nullptr;
  QButtonGroup* problemGroup_;
  QButtonGroup* algorithmGroup_;
  std::shared_ptr<bool> firstOpening_ = std::make_shared<bool>(true);
  EstimateEntries estimates_;
  bool executeBeforeCost_ = false;
};

}  // namespace korvelan::app
