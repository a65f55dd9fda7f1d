#pragma once
#include <QWidget>
#include <vector>

#include "model/ModelState.h"
#include "solve/LagProgressText.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

namespace korvelan::app {

// The Lagrangian progress window. It shows the values the Lagrangian procedures
// publish in the model, refreshed by its own timer every 2000 ms and whenever a
// procedure asks; its abort button asks the branch and bound to stop. The run
// form sets its caption.
class TLagProgForm : public QWidget {
  Q_OBJECT
 public:
  explicit TLagProgForm(ModelState& model, QWidget* parent = nullptr);

  // Reads the published values into the window, then pauses RefreshPause ms.
  void Refresh();

  // The exchange search's candidate gauges and its decrease labels.
  void ShowExchangeGauges(bool visible);
  void SetExchangeLabels(const QString& decrease, const QString& total);
  QWidget* ExchangePanel;
  QProgressBar* CandOutGauge;
  QProgressBar* CandInGauge;
  QLabel* OutLabel;
  QLabel* InLabel;
  QLabel* ObjectiveValueLabel;
  QLabel* TotalObjectiveLabel;

  QListWidget* StatusBox;
  QProgressBar* Gauge;
  QLabel* ElapsedLabel;
  QPushButton* AbortButton;
  QTimer* RefreshTimer;

  // The caption and value labels of one published field.
  struct FieldLabels {
    LagProgressField LagProgressView::*field;
    QLabel* caption;
    QLabel* value;
  };
  const std::vector<FieldLabels>& Fields() const { return fields_; }
  QLabel* InCountLabel;
  QLabel* OutCountLabel;
  QLabel* UnknownCountLabel;
  QLabel* StepBasisLabel;
  QLabel* ExchangeLabel;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  ModelState& model_;
  std::vector<FieldLabels> fields_;
  bool refreshing_ = false;

  void ClearShownValues();
  void Show(const LagProgressView& view);
  QWidget* BuildFieldColumn(const std::vector<LagProgressField LagProgressView::*>& members);
  QWidget* BuildStatusPanel();
  QWidget* BuildExchangePanel();
};

}  // namespace korvelan::app
