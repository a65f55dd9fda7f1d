#include "setup/TSInitialSolnForm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "setup/FormStyle.h"
#include "setup/InitialSolutionRules.h"
#include "shell/Dialogs.h"
#include "solve/NodeFiles.h"
#include "solve/RunHost.h"

namespace korvelan::app {

TInitialSolutionForm::TInitialSolutionForm(ModelState& model, Dialogs& dialogs, RunHost& host, MenuLink& menu,
                                           QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), dialogs_(dialogs), host_(host), menu_(menu) {
  setWindowTitle("Initial Solution Form");
  ReadInitial = MakeButton("&Read Initial Solution", "Read an initial solution from the disk");
  ClearInitial = MakeButton("C&Lear Initial Solution", "Clear the initial solution");
  WriteSolution = MakeButton("&Write Solution to Disk", "Write a solution to the disk");
  ShowStatus = MakeButton("&Show Status of Nodes", "Display the status (forced, excluded, ...) of the nodes");
  CloseButton = MakeButton("&Close", "Close and return to the Parameter Setting Menu");
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel("The heuristics start from the sites of the initial solution.");
  text->setWordWrap(true);
  layout->addWidget(text);
  for (QPushButton* b : {ReadInitial, ClearInitial, WriteSolution, ShowStatus}) layout->addWidget(b);
  layout->addSpacing(12);
  layout->addWidget(CloseButton);
  setMinimumWidth(320);
  connect(ReadInitial, &QPushButton::clicked, this, &TInitialSolutionForm::ReadInitialClick);
  connect(ClearInitial, &QPushButton::clicked, this, &TInitialSolutionForm::ClearInitialClick);
  connect(WriteSolution, &QPushButton::clicked, this, &TInitialSolutionForm::WriteSolutionClick);
  connect(ShowStatus, &QPushButton::clicked, this, &TInitialSolutionForm::ShowStatusClick);
  connect(CloseButton, &QPushButton::clicked, this, &TInitialSolutionForm::CloseClick);
}

void TInitialSolutionForm::Open() {
  FormShow();
  show();
  raise();
  ReadInitial->setFocus(Qt::OtherFocusReason);
}

void TInitialSolutionForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  CloseClick();
}

void TInitialSolutionForm::FormShow() {
  changed_ = false;
  WriteSolution->setEnabled(menu_.enabled(MenuButton::DisplayResults));
}

void TInitialSolutionForm::ClearInitialClick() {
  for (int n = 1; n <= model_.Numbnodes; ++n) model_.Node(n).InInitialSolution = 0;
  model_.CoverStateChanged = 1;
  model_.InitialSolutionFileName.clear();
  changed_ = true;
  loaded_ = false;
}

void TInitialSolutionForm::ReadInitialClick() {
  const QString name = dialogs_.OpenFile("Read Initial Solution", "Solution Files (*.SOL);;All Files (*)");
  if (name.isEmpty()) return;
  model_.InitialSolutionFileName = name.toStdString();
  if (ReadNodeFile(model_, host_, 'I', name.toStdString())) {
    const std::string skipped = DropExcludedInitialSites(model_);
    if (!skipped.empty()) dialogs_.Warning(QString::fromStdString(skipped));
    model_.CoverStateChanged = 1;
    loaded_ = true;
  }
  for (int n = 1; n <= model_.Numbnodes; ++n)
    if (model_.Node(n).InInitialSolution != model_.Node(n).Located) changed_ = true;
}

void TInitialSolutionForm::WriteSolutionClick() {
  const QString name = dialogs_.SaveFile("Write Solution to Disk", "Solution File (*.SOL);;All Files (*)", "SOL");
  if (name.isEmpty()) return;
  WriteNodeFile(model_, host_, 'N', name.toStdString());
}

void TInitialSolutionForm::ShowStatusClick() {
  hide();
  emit showStatusRequested();
}

void TInitialSolutionForm::CloseClick() {
  CountStatuses(model_);
  hide();
  if (changed_) menu_.Report(MenuEvent::InitialSolutionChanged);
  emit closed();
}

}  // namespace korvelan::app
