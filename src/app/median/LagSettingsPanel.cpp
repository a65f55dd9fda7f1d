#include "median/LagSettingsPanel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "setup/FieldFocus.h"
#include "setup/KeyFilter.h"
#include "setup/SettingsRegistry.h"
#include "shell/Dialogs.h"

namespace korvelan::app {
namespace {

const SettingDef& Def(const std::string& family, const QString& name) {
  return *Settings().Find(family + "." + name.toStdString());
}

const char* const kTerminalCaptions[] = {"&None", "E&Xchange", "Neighbor&Hood"};
const char kTerminalLetters[] = {'N', 'X', 'H'};

}  // namespace

LagSettingsPanel::LagSettingsPanel(ModelState& model, Dialogs& dialogs, std::string family,
                                   const std::vector<LagEditRow>& edits, const std::vector<LagCheckRow>& checks,
                                   const QString& formula, bool readOnly, QWidget* parent)
    : QWidget(parent), model_(model), dialogs_(dialogs), family_(std::move(family)) {
  beep = [] { QApplication::beep(); };
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildEditGrid(edits, readOnly));
  FormulaLabel = new QLabel(formula, this);
  FormulaLabel->setObjectName("FormulaLabel");
  layout->addWidget(FormulaLabel);
  auto* lower = new QHBoxLayout;
  lower->addWidget(BuildChecks(checks, readOnly));
  TerminalSubstitution = BuildTerminalGroup(readOnly);
  lower->addWidget(TerminalSubstitution);
  layout->addLayout(lower);
}

QWidget* LagSettingsPanel::BuildEditGrid(const std::vector<LagEditRow>& rows, bool readOnly) {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel("Default value", box), 0, 2);
  int row = 1;
  for (const LagEditRow& r : rows) {
    const QString name = r.name;
    auto* edit = new QLineEdit(box);
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    edit->setEnabled(!readOnly);
    auto* caption = new QLabel(r.caption, box);
    caption->setBuddy(edit);
    auto* def = new QLabel(r.defaultText, box);
    def->setObjectName(name + "Default");
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(def, row, 2);
    edits_[name] = edit;
    if (!firstEdit_) firstEdit_ = edit;
    captions_[name] = caption;
    defaults_[name] = def;
    if (!readOnly) {
      new KeyFilter(edit, [] { return SettingCharacters; }, [this] { emit editingStarted(); }, [this] { beep(); });
      WatchField(edit, [this, edit] { FieldExit(edit); });
    }
    ++row;
  }
  return box;
}

QWidget* LagSettingsPanel::BuildChecks(const std::vector<LagCheckRow>& rows, bool readOnly) {
  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);
  for (const LagCheckRow& r : rows) {
    const QString name = r.name;
    auto* check = new QCheckBox(r.caption, box);
    check->setObjectName(name);
    check->setEnabled(!readOnly);
    column->addWidget(check);
    checks_[name] = check;
    connect(check, &QCheckBox::toggled, this, [this, name](bool on) { CheckClicked(name, on); });
  }
  return box;
}

QGroupBox* LagSettingsPanel::BuildTerminalGroup(bool readOnly) {
  auto* group = new QGroupBox("Substitution Options at End of Lagrangian", this);
  group->setObjectName("TerminalSubstitution");
  group->setEnabled(!readOnly);
  auto* column = new QVBoxLayout(group);
  terminalGroup_ = new QButtonGroup(group);
  for (int k = 0; k < 3; ++k) {
    auto* item = new QRadioButton(kTerminalCaptions[k], group);
    column->addWidget(item);
    terminalGroup_->addButton(item, k);
  }
  connect(terminalGroup_, &QButtonGroup::idClicked, this, &LagSettingsPanel::TerminalClicked);
  return group;
}

QLineEdit* LagSettingsPanel::Edit(const QString& name) const { return edits_.at(name); }
QCheckBox* LagSettingsPanel::Check(const QString& name) const { return checks_.at(name); }
QLabel* LagSettingsPanel::DefaultLabel(const QString& name) const { return defaults_.at(name); }
QRadioButton* LagSettingsPanel::TerminalItem(int index) const {
  return static_cast<QRadioButton*>(terminalGroup_->button(index));
}

void LagSettingsPanel::FillFromModel() {
  filling_ = true;
  for (const auto& [name, edit] : edits_) edit->setText(QString::fromStdString(SettingValueText(model_, Def(family_, name))));
  for (const auto& [name, check] : checks_) check->setChecked(Def(family_, name).get(model_) != 0);
  const char letter = static_cast<char>(Def(family_, "TerminalSubstitution").get(model_));
  for (int k = 0; k < 3; ++k) TerminalItem(k)->setChecked(kTerminalLetters[k] == letter);
  ShowDepthControls(model_.BranchAndBoundOn != 0);
  filling_ = false;
}

void LagSettingsPanel::FieldExit(QLineEdit* edit) {
  if (filling_) return;
  const QString name = edit->objectName();
  const SettingOutcome outcome = ApplySettingText(model_, Def(family_, name), edit->text().trimmed().toStdString());
  const bool notConverted = outcome.message.find("did not convert") != std::string::npos;
  if (!outcome.converted || notConverted) beep();
  if (!outcome.message.empty()) dialogs_.Warning(QString::fromStdString(outcome.message));
  FillFromModel();
  emit editingEnded(name);
}

void LagSettingsPanel::ShowDepthControls(bool visible) {
  if (!edits_.count("DepthVar")) return;
  edits_["DepthVar"]->setVisible(visible);
  captions_["DepthVar"]->setVisible(visible);
  defaults_["DepthVar"]->setVisible(visible);
}

void LagSettingsPanel::CheckClicked(const QString& name, bool checked) {
  if (filling_) return;
  Def(family_, name).set(model_, checked ? 1 : 0);
  if (name == "BranchAndBound") ShowDepthControls(checked);
  emit optionChanged(name);
}

void LagSettingsPanel::TerminalClicked(int index) {
  if (filling_) return;
  Def(family_, "TerminalSubstitution").set(model_, kTerminalLetters[index]);
  emit optionChanged("TerminalSubstitution");
}

}  // namespace korvelan::app
