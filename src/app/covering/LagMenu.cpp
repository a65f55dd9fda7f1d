#include "covering/LagMenu.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "covering/CoverLagrangianSettings.h"
#include "setup/FieldFocus.h"
#include "setup/KeyFilter.h"
#include "shell/Dialogs.h"
#include "shell/Printing.h"

namespace korvelan::app {
namespace {

const SettingDef& Definition(const QString& name) {
  return *Settings().Find("covering." + name.toStdString());
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The panel above, the form's two buttons at the bottom right.
void LayOutForm(QWidget* form, QWidget* panel, QPushButton* first, QPushButton* second) {
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(first);
  buttons->addWidget(second);
  auto* layout = new QVBoxLayout(form);
  layout->addWidget(panel);
  layout->addLayout(buttons);
}

}  // namespace

LagCovSettingsPanel::LagCovSettingsPanel(ModelState& model, bool editable, QWidget* parent)
    : QWidget(parent), model_(model) {
  auto* numbers = new QGridLayout;
  auto* options = new QVBoxLayout;
  int row = 0;
  for (const CoverLagrangianControl& control : CoverLagrangianControls()) {
    const QString name = control.name;
    if (name == "LBinStepsize") {
      auto* group = new QGroupBox(control.caption, this);
      auto* groupLayout = new QVBoxLayout(group);
      BestLb = new QRadioButton(BestLbItem, group);
      LagrangianLb = new QRadioButton(LagrangianLbItem, group);
      groupLayout->addWidget(BestLb);
      groupLayout->addWidget(LagrangianLb);
      group->setEnabled(editable);
      options->addWidget(group);
    } else if (*control.defaultLabel) {
      auto* caption = new QLabel(control.caption, this);
      auto* edit = new QLineEdit(this);
      edit->setObjectName(name);
      edit->setReadOnly(!editable);
      edit->setMinimumWidth(100);  // wide enough for every value, 1e-08 included
      edit->setMaximumWidth(130);
      caption->setBuddy(edit);
      auto* defaultLabel = new QLabel(QString("Default value  ") + control.defaultLabel, this);
      numbers->addWidget(caption, row, 0);
      numbers->addWidget(edit, row, 1);
      numbers->addWidget(defaultLabel, row, 2);
      ++row;
      edits_[name] = edit;
      captions_[name] = caption;
      defaults_[name] = defaultLabel;
    } else {
      auto* box = new QCheckBox(control.caption, this);
      box->setObjectName(name);
      box->setEnabled(editable);
      options->addWidget(box);
      boxes_[name] = box;
    }
  }
  options->addStretch();
  Formula = new QLabel(MultiplierFormula, this);
  auto* columns = new QHBoxLayout;
  columns->addLayout(numbers, 3);
  columns->addSpacing(24);
  columns->addLayout(options, 2);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(columns);
  layout->addWidget(Formula);
}

void LagCovSettingsPanel::Fill() {
  for (auto it = edits_.begin(); it != edits_.end(); ++it) {
    it.value()->setText(Text(SettingValueText(model_, Definition(it.key()))));
    it.value()->setModified(false);
  }
  for (auto it = boxes_.begin(); it != boxes_.end(); ++it) {
    const QSignalBlocker quiet(it.value());
    it.value()->setChecked(Definition(it.key()).get(model_) != 0);
  }
  const QSignalBlocker quietBest(BestLb), quietLagrangian(LagrangianLb);
  BestLb->setChecked(model_.Covering.LBinStepsize == 'B');
  LagrangianLb->setChecked(model_.Covering.LBinStepsize != 'B');
  ShowDepthControls(model_.BranchAndBoundOn != 0);
}

void LagCovSettingsPanel::ShowDepthControls(bool visible) {
  edits_["DepthVar"]->setVisible(visible);
  captions_["DepthVar"]->setVisible(visible);
  defaults_["DepthVar"]->setVisible(visible);
}

// --- TLagCovSetting ---

TLagCovSetting::TLagCovSetting(ModelState& model, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), model_(model), dialogs_(dialogs) {
  setWindowTitle("Lagrangian Parameter Setting Menu");
  Panel = new LagCovSettingsPanel(model, true, this);
  RestoreDefaults = new QPushButton("Restore Default &Values", this);
  QuitButton = new QPushButton("&Quit (No More Changes)", this);
  LayOutForm(this, Panel, RestoreDefaults, QuitButton);
  LeaveFieldsOnBackgroundClick(this);

  for (auto it = Panel->edits_.begin(); it != Panel->edits_.end(); ++it) {
    const QString name = it.key();
    new KeyFilter(it.value(), [] { return SettingCharacters; }, [this] { QuitButton->setEnabled(false); });
    WatchField(it.value(), [this, name] { EditExit(name); });
  }
  for (auto it = Panel->boxes_.begin(); it != Panel->boxes_.end(); ++it) {
    const QString name = it.key();
    connect(it.value(), &QCheckBox::toggled, this, [this, name](bool checked) { BoxClick(name, checked); });
  }
  connect(Panel->BestLb, &QRadioButton::toggled, this, [this](bool on) {
    if (on) StepTargetClick('B');
  });
  connect(Panel->LagrangianLb, &QRadioButton::toggled, this, [this](bool on) {
    if (on) StepTargetClick('L');
  });
  connect(RestoreDefaults, &QPushButton::clicked, this, &TLagCovSetting::RestoreDefaultsClick);
  connect(QuitButton, &QPushButton::clicked, this, &TLagCovSetting::QuitButtonClick);
}

void TLagCovSetting::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormActivate();
}

void TLagCovSetting::FormActivate() {
  Extended total = 0;
  for (int n = 1; n <= model_.Numbnodes; ++n) total += model_.Node(n).Demand;
  model_.TotalDemand = total;
  if (model_.BranchAndBoundOn && model_.Covering.NoIter < 10) model_.Covering.NoIter = 10;
  Panel->Fill();
  QuitButton->setEnabled(true);
  Panel->Edit(CoverLagrangianControls().front().name)->setFocus(Qt::OtherFocusReason);
}

void TLagCovSetting::EditExit(const QString& name) {
  QuitButton->setEnabled(true);
  QLineEdit* edit = Panel->Edit(name);
  if (!edit->isModified()) return;
  const SettingDef& def = Definition(name);
  const SettingOutcome outcome = ApplySettingText(model_, def, edit->text().trimmed().toStdString());
  if (!outcome.message.empty()) {
    // A text that did not convert, or not exactly, beeps; a value out of range does not.
    if (!outcome.converted || outcome.stored) QApplication::beep();
    dialogs_.Warning(Text(outcome.message));
  }
  if (outcome.stored && name == "PctDiff") {
    const std::string raised = RaisePctDiffToMinimum(model_);
    if (!raised.empty()) dialogs_.Warning(Text(raised));
  }
  edit->setText(Text(SettingValueText(model_, def)));
  edit->setModified(false);
}

void TLagCovSetting::BoxClick(const QString& name, bool checked) {
  Definition(name).set(model_, checked ? 1 : 0);
  if (name == "Substitute") model_.DoSubstitution = checked ? 1 : 0;
  if (name == "BranchAndBound") {
    // Under branch and bound the iteration limits are at least 10.
    if (checked) {
      model_.Covering.NoIter = std::max(model_.Covering.NoIter, 10);
      model_.Covering.RootNodeValue = std::max(model_.Covering.RootNodeValue, 10);
    }
    Panel->Fill();
  }
}

void TLagCovSetting::StepTargetClick(char letter) { model_.Covering.LBinStepsize = letter; }

void TLagCovSetting::RestoreDefaultsClick() {
  RestoreCoverLagrangianDefaults(model_);
  model_.DoSubstitution = model_.Covering.Substitute;
  Panel->Fill();
}

void TLagCovSetting::QuitButtonClick() {
  hide();
  emit finished();
}

// --- TShowLagCovSettings ---

TShowLagCovSettings::TShowLagCovSettings(ModelState& model, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), model_(model), dialogs_(dialogs) {
  setWindowTitle("Show Lagrangian Cover Settings");
  Panel = new LagCovSettingsPanel(model, false, this);
  PrintButton = new QPushButton("&/ Print Settings /", this);
  QuitButton = new QPushButton("&Quit (Return to Basic)", this);
  LayOutForm(this, Panel, PrintButton, QuitButton);
  connect(PrintButton, &QPushButton::clicked, this, &TShowLagCovSettings::PrintButtonClick);
  connect(QuitButton, &QPushButton::clicked, this, &TShowLagCovSettings::QuitButtonClick);
}

void TShowLagCovSettings::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Panel->Fill();
}

bool TShowLagCovSettings::PrintSettings(PrintSink& sink) const {
  const std::vector<std::string> lines = CoverLagrangianSettingsLines(model_);
  return PrintList(sink, windowTitle().toStdString(), "Setting", lines, static_cast<int>(lines.size()));
}

void TShowLagCovSettings::PrintButtonClick() {
  std::unique_ptr<QtPrintSink> job = OpenPrintJob(dialogs_, windowTitle());
  if (job && !PrintSettings(*job)) dialogs_.Error("The settings could not be printed.");
}

void TShowLagCovSettings::QuitButtonClick() {
  hide();
  emit returnToBasic();
}

}  // namespace korvelan::app
