#include "solve/TSHeuristicProgressForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "setup/FormStyle.h"

namespace korvelan::app {

namespace {

// About one frame of a 60 Hz screen.
constexpr qint64 RepaintIntervalMs = 16;

}  // namespace

THeuristicProgressForm::THeuristicProgressForm(ModelState& model, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model) {
  setObjectName("HeuristicProgressForm");
  setWindowTitle("Heuristic Progress Form");
  ProgressBox = new QListWidget(this);
  ProgressBox->setObjectName("ProgressBox");
  ProgressBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  PauseCheck = new QCheckBox("Pause on each line", this);
  PauseCheck->setObjectName("PauseCheck");
  PauseCheck->setToolTip("Wait 100 ms after each line so that it can be read; clear it to run at full speed");
  PauseCheck->setChecked(true);
  AbortButton = new QPushButton("&Abort", this);
  AbortButton->setObjectName("AbortButton");
  AbortButton->setEnabled(false);
  connect(AbortButton, &QPushButton::clicked, this, [this] { model_.HeuristicAbort = 1; });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(PauseCheck);
  buttons->addStretch(1);
  buttons->addWidget(AbortButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ProgressBox);
  layout->addLayout(buttons);
  resize(620, 420);
}

void THeuristicProgressForm::ShowCleared() {
  ProgressBox->clear();
  model_.HeuristicAbort = 0;
  AbortButton->setEnabled(true);
  show();
  raise();
}

void THeuristicProgressForm::RunEnded() { AbortButton->setEnabled(false); }

void THeuristicProgressForm::HideAfterUse() {
  RunEnded();
  hide();
}

void THeuristicProgressForm::AddLines(const std::vector<std::string>& lines) {
  AppendLines(ProgressBox, lines);
}

bool THeuristicProgressForm::PausesOnEachLine() const { return PauseCheck->isChecked(); }

void THeuristicProgressForm::RepaintWhenDue() {
  if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < RepaintIntervalMs) return;
  QCoreApplication::processEvents();
  sinceRepaint_.start();
}

void THeuristicProgressForm::showEvent(QShowEvent* event) {
  // A window restored by the window manager keeps its lines; showing it for a run clears them.
  if (!event->spontaneous()) ProgressBox->clear();
  QWidget::showEvent(event);
}

}  // namespace korvelan::app
