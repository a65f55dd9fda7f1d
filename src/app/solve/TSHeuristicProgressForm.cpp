#include "solve/TSHeuristicProgressForm.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "setup/FormStyle.h"

namespace korvelan::app {

THeuristicProgressForm::THeuristicProgressForm(ModelState& model, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model) {
  setObjectName("HeuristicProgressForm");
  setWindowTitle("Heuristic Progress Form");
  ProgressBox = new QListWidget(this);
  ProgressBox->setObjectName("ProgressBox");
  ProgressBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  AbortButton = new QPushButton("&Abort", this);
  AbortButton->setObjectName("AbortButton");
  connect(AbortButton, &QPushButton::clicked, this, [this] { model_.HeuristicAbort = 1; });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ProgressBox);
  layout->addWidget(AbortButton, 0, Qt::AlignRight);
  resize(620, 420);
}

void THeuristicProgressForm::ShowCleared() {
  ProgressBox->clear();
  show();
  raise();
}

void THeuristicProgressForm::AddLines(const std::vector<std::string>& lines) {
  AppendLines(ProgressBox, lines);
}

void THeuristicProgressForm::showEvent(QShowEvent* event) {
  // A window restored by the window manager keeps its lines; showing it for a run clears them.
  if (!event->spontaneous()) ProgressBox->clear();
  QWidget::showEvent(event);
}

}  // namespace korvelan::app
