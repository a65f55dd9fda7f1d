#pragma once
#include <functional>

#include "tradeoff/TradeoffGraphWindow.h"

class QLineSeries;
class QScatterSeries;

namespace korvelan::app {

class Dialogs;

// "Graph of Tradeoff Curves": the curve as a line through square points, drawn
// straight, in steps or in inverted steps. A click on a point of a covering-median
// curve shows that point's solution.
class TTrades : public TradeoffGraphWindow {
  Q_OBJECT
 public:
  TTrades(ModelState& model, Dialogs& dialogs, GraphLinks links, QWidget* parent = nullptr);

  QCheckBox* Blocked;
  QCheckBox* Inverted;
  QPushButton* SwithButton;
  QLineSeries* Points;         // the line through the curve (with its steps)
  QScatterSeries* PointMarks;  // the square points themselves, which take the clicks

  // Opened from the results form: drawn in steps, not inverted.
  void OpenFromResults();
  void Redraw() override;
  void BlockedClick();
  void InvertedClick();
  // A click on the point drawn at `at` (axis values).
  void PointClick(const QPointF& at);

  // Shows solution k (from 1) of the covering-median curve on the map; until the
  // program supplies it, a click on such a point says the map cannot show it.
  std::function<void(int k)> showSolution;

 private:
  void PointHovered(bool over);
  Dialogs& dialogs_;
  bool coveringMedian_ = false;
};

}  // namespace korvelan::app
