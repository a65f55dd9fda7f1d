#pragma once
#include <QElapsedTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "model/ModelState.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace korvelan::app {

// "Heuristic Progress Form": the lines a heuristic reports while it runs, with
// an abort button that asks the running procedure to stop. The abort button is
// enabled only while a run uses the window.
class THeuristicProgressForm : public QWidget {
  Q_OBJECT
 public:
  explicit THeuristicProgressForm(ModelState& model, QWidget* parent = nullptr);

  // Shows the window for a new run, with an empty list and abort enabled.
  void ShowCleared();
  // The run that used the window has ended: nothing is left to abort.
  void RunEnded();
  // Hides the window after the part of a run that used it.
  void HideAfterUse();
  // Appends the lines and moves the selection down by as many, so the newest is in view.
  void AddLines(const std::vector<std::string>& lines);
  // "Pause on each line": each addition waits 100 ms so the analyst can follow it.
  bool PausesOnEachLine() const;
  // Without the pause: serves window events when a repaint is due, so the list is
  // redrawn at screen rate and the run otherwise takes its solver time.
  void RepaintWhenDue();

  QListWidget* ProgressBox;
  QCheckBox* PauseCheck;
  QPushButton* AbortButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ModelState& model_;
  QElapsedTimer sinceRepaint_;
};

}  // namespace korvelan::app
