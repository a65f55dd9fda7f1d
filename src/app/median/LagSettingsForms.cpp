#include "median/LagSettingsForms.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "median/LagSettingsPanel.h"
#include "median/LagSettingsPrint.h"
#include "setup/FieldFocus.h"

namespace korvelan::app {

LagSettingsForm::LagSettingsForm(ModelState& model, LagSettingsPanel* panel, Rules rules, QWidget* parent)
    : QWidget(parent), Panel(panel), model_(model), rules_(std::move(rules)) {
  setWindowTitle("Lagrangian Parameter Setting Menu");
  RestoreDefault = new QPushButton("Restore Default &Values", this);
  Quit = new QPushButton("&Quit (No More Changes)", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(RestoreDefault);
  buttons->addWidget(Quit);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel);
  layout->addLayout(buttons);
  LeaveFieldsOnBackgroundClick(this);
  connect(RestoreDefault, &QPushButton::clicked, this, &LagSettingsForm::RestoreDefaultClick);
  connect(Quit, &QPushButton::clicked, this, &LagSettingsForm::QuitClick);
  connect(Panel, &LagSettingsPanel::editingStarted, this, [this] { Quit->setEnabled(false); });
  connect(Panel, &LagSettingsPanel::editingEnded, this, [this](const QString& name) {
    Quit->setEnabled(true);
    if (name == "CovDistWeight") ApplyWeightRule();
  });
}

void LagSettingsForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormActivate();
  FormShow();
}

void LagSettingsForm::FormActivate() {
  rules_.activate(model_);
  Panel->FillFromModel();
  AfterFill();
  Panel->FirstEdit()->setFocus(Qt::OtherFocusReason);
}

void LagSettingsForm::FormShow() { ApplyWeightRule(); }

void LagSettingsForm::ApplyWeightRule() {
  const bool enabled = rules_.weight(model_);
  Panel->Check("ExchangeSearch")->setEnabled(enabled);
  Panel->TerminalSubstitution->setEnabled(enabled);
  Panel->FillFromModel();
  AfterFill();
}

void LagSettingsForm::RestoreDefaultClick() {
  rules_.restore(model_);
  ApplyWeightRule();
}

void LagSettingsForm::QuitClick() {
  rules_.quit(model_);
  hide();
}

LagSettingsReport::LagSettingsReport(ModelState& model, Dialogs& dialogs, LagSettingsPanel* panel,
                                     const QString& title, const QString& notice, QWidget* parent)
    : QWidget(parent), Panel(panel), model_(model), dialogs_(dialogs) {
  setWindowTitle(title);
  Notice = new QLabel(notice, this);
  PrintButton = new QPushButton("&/ Print Form /", this);
  QuitButton = new QPushButton("&Quit (Return to Basic)", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(PrintButton);
  buttons->addWidget(QuitButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Notice);
  layout->addWidget(Panel);
  layout->addLayout(buttons);
  connect(PrintButton, &QPushButton::clicked, this, &LagSettingsReport::PrintButtonClick);
  connect(QuitButton, &QPushButton::clicked, this, &LagSettingsReport::QuitButtonClick);
}

void LagSettingsReport::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormShow();
}

void LagSettingsReport::FormShow() {
  Panel->FillFromModel();
  AfterFill();
}

void LagSettingsReport::PrintButtonClick() { PrintSettingsForm(*this, dialogs_, windowTitle()); }

void LagSettingsReport::QuitButtonClick() {
  hide();
  emit returnToBasic();
}

}  // namespace korvelan::app
