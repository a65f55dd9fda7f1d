#pragma once
#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace korvelan::app {

// A round gauge: a pie filled clockwise from the top in proportion to its value
// (0..100), the percentage written in the middle.
class PieGauge : public QWidget {
  Q_OBJECT
 public:
  explicit PieGauge(QWidget* parent = nullptr);
  int Value() const { return value_; }
  void SetValue(int percent);
  QSize sizeHint() const override { return {120, 120}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int value_ = 0;
};

// "GA Progress Form": how far the genetic algorithm has come ("Percent Done"),
// the best value so far ("Best GA Value:") and the lines of every generation.
class TGAProgForm : public QWidget {
  Q_OBJECT
 public:
  explicit TGAProgForm(QWidget* parent = nullptr);

  PieGauge* GAProgress;
  QLabel* BestGALabel;
  QListWidget* GAProgBox;

  // Shown for a new run with an empty list, the gauge at 0 and no best value.
  void ShowCleared();
  // Appends the lines and keeps the newest in view.
  void AddLines(const std::vector<std::string>& lines);
  void SetProgress(int percent, const QString& best);
};

}  // namespace korvelan::app
