#include "invloc/TolvParamSetting.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "invloc/InvLocModel.h"
#include "invloc/InvLocReports.h"
#include "setup/FieldFocus.h"
#include "setup/FormStyle.h"
#include "setup/KeyFilter.h"
#include "setup/SettingsRegistry.h"
#include "shell/Dialogs.h"
#include "solve/TextFormat.h"

namespace korvelan::app {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The boxes and "Default value" labels show fixed style, 15 digits, 9 decimals.
QString ParameterText(double value) { return Text(FormatFixed(value, 15, 9)); }

const SettingDef& ParameterDef(const QString& name) { return *Settings().Find("invparams." + name.toStdString()); }

constexpr size_t BasicInputCount = 10;

}  // namespace

TTolvParamForm::TTolvParamForm(ModelState& model, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), dialogs_(dialogs) {
  setWindowTitle("Parameter Setting Form for Brask Inventory Location Model");
  Pages = new QTabWidget;
  const size_t count = TolvanParameterTable().size();
  Pages->addTab(BuildParameterPage(0, BasicInputCount, {}, {}), "&Basic Inputs");
  // The first two shipping rows are the fixed cost of a shipment, the last two its cost per unit.
  Pages->addTab(BuildParameterPage(BasicInputCount, count,
                                   {{BasicInputCount, "Input the coefficients for the FIXED shipping cost to a DC"},
                                    {BasicInputCount + 2,
                                     "Input the coefficients for the shipping cost to a DC PER UNIT DEMAND"}},
                                   {"Cost per shipment from a plant to a DC = (Constant + Mileage Term*Distance) + "
                                    "[Demand * (Constant + Mileage Term*Distance)]",
                                    "Distance is measured from the plant that is nearest to the DC"}),
                "&Shipping Costs to DC");
  Pages->addTab(BuildCityPage(), "&Identify Cities");
  RestoreDefaults = MakeButton("&Restore Default Values", "Every parameter back to its default; no plant city");
  QuitButton = MakeButton("&Quit (No More Changes)", "Keep these values and return to the run form");
  auto* commands = new QHBoxLayout;
  commands->addWidget(RestoreDefaults);
  commands->addStretch(1);
  commands->addWidget(QuitButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Pages, 1);
  layout->addLayout(commands);
  LeaveFieldsOnBackgroundClick(this);
  connect(RestoreDefaults, &QPushButton::clicked, this, &TTolvParamForm::RestoreDefaultsClick);
  connect(QuitButton, &QPushButton::clicked, this, &TTolvParamForm::QuitClick);
}

QWidget* TTolvParamForm::BuildParameterPage(size_t first, size_t last, const std::map<size_t, QString>& headings,
                                            const QStringList& footer) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Default value"), 0, 2);
  const QString allowed = Digits + ".";
  int line = 1;
  for (size_t k = first; k < last; ++k) {
    if (headings.count(k)) {
      auto* heading = new QLabel(headings.at(k));
      heading->setStyleSheet("font-weight: bold;");
      grid->addWidget(heading, line++, 0, 1, 3);
    }
    const TolvanParameterDef& row = TolvanParameterTable()[k];
    const QString name = row.editName;
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMinimumWidth(170);
    auto* caption = new QLabel(row.caption);
    caption->setBuddy(edit);
    auto* byDefault = new QLabel(ParameterText(row.defaultValue));
    grid->addWidget(caption, line, 0);
    grid->addWidget(edit, line, 1);
    grid->addWidget(byDefault, line, 2);
    ++line;
    edits_[name] = edit;
    defaults_[name] = byDefault;
    new KeyFilter(edit, [allowed] { return allowed; }, [this] { QuitButton->setEnabled(false); });
    WatchField(edit, [this, name] { FieldExit(name); });
  }
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(grid);
  for (const QString& text : footer) {
    auto* note = new QLabel(text);
    note->setWordWrap(true);
    layout->addWidget(note);
  }
  layout->addStretch(1);
  return page;
}

QWidget* TTolvParamForm::BuildCityPage() {
  auto* page = new QWidget;
  CityList = new QListWidget;
  CityList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  SelectedList = new QListWidget;
  SelectedList->setFocusPolicy(Qt::NoFocus);
  for (QListWidget* list : {CityList, SelectedList}) {
    list->setFont(FixedPitchFont());
    list->setMinimumWidth(330);
  }
  SelectedNote = new QLabel;
  SelectedNote->setWordWrap(true);
  SelectedNote->setMinimumWidth(330);
  // The list of selected cities keeps its room while there is none to show.
  QSizePolicy keep = SelectedList->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  SelectedList->setSizePolicy(keep);
  SelectCity = MakeButton("Select &City", "Make the highlighted cities plant cities");
  DeselectCity = MakeButton("&Deselect City", "The highlighted cities are no plant cities");
  SelectAll = MakeButton("Select A&LL Cities", "Every city a plant city");
  DeselectAll = MakeButton("Deselect &All Cities", "No plant city");
  auto* counts = new QVBoxLayout;
  for (QLabel*& label : CountLabels) {
    label = new QLabel;
    label->setFont(FixedPitchFont());
    counts->addWidget(label);
  }
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {SelectCity, DeselectCity, SelectAll, DeselectAll}) buttons->addWidget(b);
  buttons->addLayout(counts);
  buttons->addStretch(1);
  auto* selected = new QVBoxLayout;
  selected->addWidget(SelectedNote);
  selected->addWidget(SelectedList, 1);
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(CityList, 1);
  layout->addLayout(buttons);
  layout->addLayout(selected, 1);
  connect(CityList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { CityClick(CityList->row(item)); });
  connect(SelectCity, &QPushButton::clicked, this, [this] { SelectCityClick(true); });
  connect(DeselectCity, &QPushButton::clicked, this, [this] { SelectCityClick(false); });
  connect(SelectAll, &QPushButton::clicked, this, [this] { AllCitiesClick(true); });
  connect(DeselectAll, &QPushButton::clicked, this, [this] { AllCitiesClick(false); });
  return page;
}

void TTolvParamForm::Open() {
  FormActivate();
  show();
  raise();
  activateWindow();
  Pages->setCurrentIndex(0);
  QLineEdit* first = edits_.at(TolvanParameterTable().front().editName);
  first->setFocus(Qt::OtherFocusReason);
  first->selectAll();
}

void TTolvParamForm::FormActivate() {
  QuitButton->setEnabled(true);
  ShowValues();
  ShowCities();
}

void TTolvParamForm::ShowValues() {
  for (const TolvanParameterDef& row : TolvanParameterTable()) {
    edits_.at(row.editName)->setText(ParameterText(model_.InvLoc.Parameters.*row.member));
    defaults_.at(row.editName)->setText(ParameterText(row.defaultValue));
  }
}

void TTolvParamForm::ShowCities() {
  const int current = CityList->currentRow();
  QList<int> highlighted;
  for (QListWidgetItem* item : CityList->selectedItems()) highlighted << CityList->row(item);
  {
    const QSignalBlocker quiet(CityList);
    FillList(CityList, PlantCityLines(model_));
    for (int row : highlighted) CityList->item(row)->setSelected(true);
    if (current >= 0 && current < CityList->count())
      CityList->setCurrentRow(current, QItemSelectionModel::NoUpdate);
  }
  const std::vector<std::string> counts = PlantCityCountLines(model_);
  for (size_t k = 0; k < counts.size(); ++k) CountLabels[k]->setText(Text(counts[k]));
  SelectedNote->setText(Text(PlantCityNote(model_)));
  SetRed(SelectedNote, PlantCityCount(model_) == 0);
  FillList(SelectedList, SelectedPlantCityLines(model_));
  SelectedList->setVisible(PlantCityCount(model_) > 0);
}

void TTolvParamForm::FieldExit(const QString& name) {
  QLineEdit* edit = edits_.at(name);
  const SettingOutcome outcome = ApplySettingText(model_, ParameterDef(name), edit->text().trimmed().toStdString());
  if (!outcome.message.empty()) dialogs_.Warning(Text(outcome.message));
  edit->setText(ParameterText(static_cast<double>(ParameterDef(name).get(model_))));
  QuitButton->setEnabled(true);
}

void TTolvParamForm::CityClick(int row) {
  if (row < 0 || row >= model_.NumDemandNodes) return;
  uint8_t& plant = model_.InvLoc.PlantCity[row + 1];
  plant = plant ? 0 : 1;
  ShowCities();
}

void TTolvParamForm::SelectCityClick(bool select) {
  for (QListWidgetItem* item : CityList->selectedItems()) model_.InvLoc.PlantCity[CityList->row(item) + 1] = select;
  ShowCities();
}

void TTolvParamForm::AllCitiesClick(bool select) {
  for (int i = 1; i <= model_.NumDemandNodes; ++i) model_.InvLoc.PlantCity[i] = select;
  ShowCities();
}

void TTolvParamForm::RestoreDefaultsClick() {
  RestoreTolvanParameterDefaults(model_);
  ShowValues();
  ShowCities();
}

void TTolvParamForm::QuitClick() {
  ComputeTolvanDerivedData(model_);
  hide();
  emit closed();
}

void TTolvParamForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  QuitClick();
}

}  // namespace korvelan::app
