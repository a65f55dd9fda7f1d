#include "median/GAForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

#include "setup/FieldFocus.h"
#include "setup/FormStyle.h"
#include "setup/KeyFilter.h"
#include "setup/SettingsRegistry.h"
#include "shell/Dialogs.h"
#include "solve/TextFormat.h"

namespace korvelan::app {
namespace {

struct EditRow {
  const char* name;
  const char* caption;
  const char* hint;
  const char* extraKeys;  // accepted besides digits and backspace
};

const EditRow kEdits[] = {
    {"PopSize", "&Population Size", "Size of the population at each generation", ""},
    {"InitPopSize", "&Initial Population Size", "Initial population size from which first generation is picked", ""},
    {"Generations", "Max # of &Generations", "Maximum number of generations", ""},
    {"GenNoImp", "# Generations &W/o Improvement", "Initial population size from which first generation is picked", ""},
    {"Compatibility", "Min &Compatibility", "Minimum compatibility for a date", "."},
    {"Dates", "Number of &Dates", "Maximum number of dates to generate per chromosome", "-"},
    {"MutationProb", "&Mutation Probability", "Probability of mutating a chromosome", "."},
    {"RandomNoSeed", "&Random No. Seed", "Random number seed", "-"},
    {"ImproveNumber", "Num&Ber to Improve", "Number of chromosomes to improve each generation", ""},
    {"TargetEdit", "Target &Value", "Random number seed", "."},
};

// The letters of the two items of each radio group.
const std::map<QString, std::array<char, 2>> kGroupLetters = {
    {"ImpType", {'N', 'E'}},
    {"FatherSelection", {'R', 'F'}},
    {"DateSelection", {'R', 'F'}},
    {"MotherSelection", {'R', 'F'}},
};

const SettingDef& Def(const QString& name) { return *Settings().Find("genetic." + name.toStdString()); }

// The text a box shows for its setting.
QString ShownValue(const ModelState& m, const QString& name) {
  if (name == "Compatibility" || name == "MutationProb")
    return QString::fromStdString(FormatNumber(Def(name).get(m), 8, 6));
  if (name == "TargetEdit") return QString::fromStdString(FormatNumber(m.Genetic.TargetEdit, 10, 3));
  return QString::fromStdString(SettingValueText(m, Def(name)));
}

}  // namespace

TGAForm::TGAForm(ModelState& model, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), model_(model), dialogs_(dialogs) {
  setWindowTitle("Genetic Algorithm Parameter Setting Form");
  auto* grid = new QGridLayout;
  BuildEdits(grid);
  auto* choices = new QVBoxLayout;
  choices->addWidget(BuildGroup("FatherSelection", "Father Selection Rule", "&1 - Rank", "&2 - Fitness"));
  choices->addWidget(BuildGroup("DateSelection", "Date Selection Rule", "&3 - Rank", "&4 - Fitness"));
  choices->addWidget(BuildGroup("ImpType", "GA Improvement Type", "&Neighborhood Search", "&Exchange Search"));
  choices->addWidget(BuildGroup("MotherSelection", "Mother Selection Rule", "&5 - Rank", "&6 - Fitness"));
  GAUseTarget = new QCheckBox("&Use Target Value", this);
  GAUseTarget->setObjectName("GAUseTarget");
  choices->addWidget(GAUseTarget);
  choices->addStretch();
  RestoreDefaults = MakeButton("Res&Tore Defaults", "");
  QuitButton = MakeButton("&Quit", "");
  auto* columns = new QHBoxLayout;
  columns->addLayout(grid);
  columns->addLayout(choices);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(RestoreDefaults);
  buttons->addWidget(QuitButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);
  LeaveFieldsOnBackgroundClick(this);
  // Controls that come and go keep their room, so that nothing moves under the mouse.
  for (QWidget* w : std::initializer_list<QWidget*>{Group("ImpType"), Edit("TargetEdit"), Caption("TargetEdit")}) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
  }
  connect(GAUseTarget, &QCheckBox::clicked, this, &TGAForm::UseTargetClick);
  connect(RestoreDefaults, &QPushButton::clicked, this, &TGAForm::RestoreDefaultsClick);
  connect(QuitButton, &QPushButton::clicked, this, &TGAForm::QuitClick);
}

void TGAForm::BuildEdits(QGridLayout* grid) {
  int row = 0;
  for (const EditRow& r : kEdits) {
    const QString name = r.name;
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setToolTip(r.hint);
    auto* caption = new QLabel(r.caption, this);
    caption->setObjectName(name + "Label");
    caption->setBuddy(edit);
    caption->setToolTip(r.hint);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    edits_[name] = edit;
    captions_[name] = caption;
    const QString keys = Digits + r.extraKeys;
    new KeyFilter(edit, [keys] { return keys; }, [this] { QuitButton->setEnabled(false); });
    WatchField(edit, [this, edit] { FieldExit(edit); });
    ++row;
  }
}

QGroupBox* TGAForm::BuildGroup(const QString& name, const QString& title, const QString& first,
                               const QString& second) {
  auto* group = new QGroupBox(title, this);
  group->setObjectName(name);
  auto* column = new QVBoxLayout(group);
  auto* items = new QButtonGroup(group);
  int index = 0;
  for (const QString& caption : {first, second}) {
    auto* item = new QRadioButton(caption, group);
    column->addWidget(item);
    items->addButton(item, index++);
  }
  connect(items, &QButtonGroup::idClicked, this, [this, name](int id) { RadioClick(name, id); });
  groups_[name] = group;
  buttons_[name] = items;
  return group;
}

QLineEdit* TGAForm::Edit(const QString& name) const { return edits_.at(name); }
QLabel* TGAForm::Caption(const QString& name) const { return captions_.at(name); }
QGroupBox* TGAForm::Group(const QString& name) const { return groups_.at(name); }
QRadioButton* TGAForm::Item(const QString& group, int index) const {
  return static_cast<QRadioButton*>(buttons_.at(group)->button(index));
}

void TGAForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormActivate();
}

void TGAForm::FormActivate() {
  Group("MotherSelection")->setVisible(false);
  Group("MotherSelection")->setEnabled(false);
  Refresh();
}

void TGAForm::ShowTargetControls() {
  const bool on = model_.Genetic.GAUseTarget != 0;
  for (QWidget* w : std::initializer_list<QWidget*>{Edit("TargetEdit"), Caption("TargetEdit")}) {
    w->setVisible(on);
    w->setEnabled(on);
  }
}

void TGAForm::Refresh() {
  for (const auto& [name, edit] : edits_) edit->setText(ShownValue(model_, name));
  const MedianGASettings& s = model_.Genetic;
  const std::map<QString, char> letters = {{"ImpType", s.ImpType},
                                           {"FatherSelection", s.FatherSelection},
                                           {"DateSelection", s.DateSelection},
                                           {"MotherSelection", s.MotherSelection}};
  for (const auto& [group, letter] : letters)
    for (int k = 0; k < 2; ++k) Item(group, k)->setChecked(kGroupLetters.at(group)[k] == letter);
  GAUseTarget->setChecked(s.GAUseTarget != 0);
  Group("ImpType")->setVisible(s.ImproveNumber > 0);
  ShowTargetControls();
  QuitButton->setEnabled(true);
}

void TGAForm::FieldExit(QLineEdit* edit) {
  const QString name = edit->objectName();
  QString text = edit->text().trimmed();
  if (!text.isEmpty()) {
    const SettingDef& def = Def(name);
    // The grouping commas of a shown real are not part of what was typed.
    if (def.kind == SettingKind::Real) text.remove(',');
    const SettingOutcome outcome = ApplySettingText(model_, def, text.toStdString());
    if (outcome.message.find("did not convert") != std::string::npos) KeyFilter::Beep()();
    if (!outcome.message.empty()) dialogs_.Warning(QString::fromStdString(outcome.message));
  }
  Refresh();
}

// A radio group stores its choice at once and the form refreshes, so "&Quit" is
// available again.
void TGAForm::RadioClick(const QString& group, int index) {
  const char letter = kGroupLetters.at(group)[index];
  if (group == "MotherSelection")
    model_.Genetic.MotherSelection = letter;
  else
    Def(group).set(model_, letter);
  Refresh();
}

void TGAForm::UseTargetClick(bool checked) {
  model_.Genetic.GAUseTarget = checked ? 1 : 0;
  ShowTargetControls();
}

void TGAForm::RestoreDefaultsClick() {
  Settings().RestoreDefaults(model_, "genetic");
  Refresh();
}

void TGAForm::QuitClick() {
  hide();
  emit closed();
}

}  // namespace korvelan::app
