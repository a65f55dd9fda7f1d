#include "data/EditForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "data/DataEdits.h"
#include "data/Distances.h"
#include "data/EditorFiles.h"
#include "data/EditorGrids.h"
#include "data/TransformFields.h"
#include "setup/FormStyle.h"
#include "setup/KeyFilter.h"
#include "shell/Dialogs.h"

namespace korvelan::app {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

// Runs `left` each time the keyboard focus leaves the widget, whether its text
// changed or not (a popup menu over the field is not leaving it).
class LeaveWatcher : public QObject {
 public:
  LeaveWatcher(QWidget* widget, std::function<void()> left) : QObject(widget), left_(std::move(left)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
      left_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> left_;
};

QObject* OnLeave(QWidget* widget, std::function<void()> left) { return new LeaveWatcher(widget, std::move(left)); }

// Edit1..Edit12 by transform row and column (constant, coefficient, exponent).
QString TransformFieldName(int row, int column) {
  static const int numbers[TransformRows][3] = {{1, 2, 3}, {4, 7, 10}, {5, 8, 11}, {6, 9, 12}};
  return QString("Edit%1").arg(numbers[row][column]);
}

QComboBox* MakeNodeList(const QString& name, const QString& placeholder) {
  auto* box = new QComboBox;
  box->setObjectName(name);
  box->setPlaceholderText(placeholder);
  box->setMaxVisibleItems(20);
  box->setMinimumContentsLength(24);
  return box;
}

QLabel* BuddyLabel(const QString& caption, QWidget* buddy) {
  auto* label = new QLabel(caption);
  label->setBuddy(buddy);
  return label;
}

void SetupGrid(QTableView* grid, int columnWidth) {
  grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
  grid->horizontalHeader()->setDefaultSectionSize(columnWidth);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setDefaultSectionSize(24);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed);
}

}  // namespace

TEditorForm::TEditorForm(ModelState& model, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), model_(model), dialogs_(dialogs) {
  setWindowTitle("Edit Form");
  setObjectName("TEditorForm");
  const auto warn = [this](const QString& text) { dialogs_.Warning(text); };
  nodeGrid_ = new NodeGridModel(model_, warn, this);
  distanceGrid_ = new DistanceGridModel(model_, warn, this);
  Pages = new QTabWidget;
  Pages->addTab(BuildDemandPage(), "Demand &Info");
  Pages->addTab(BuildDistancePage(), "&Distances");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Pages, 1);
  layout->addWidget(BuildButtons());
  connect(nodeGrid_, &NodeGridModel::nameChanged, this, [this] {
    FillNodeLists();
    distanceGrid_->RefreshHeaders();
  });
  SetEditable(false);
  resize(960, 720);
}

// The fields lose the focus as the window goes: nothing is read then.
TEditorForm::~TEditorForm() {
  for (QObject* watcher : leaveWatchers_) delete watcher;
}

// ---- building the window ----

QWidget* TEditorForm::BuildDemandPage() {
  NameBox = MakeNodeList("NameBox", "Select Desired First Node");
  DeleteNodeBox = MakeNodeList("DeleteNodeBox", "Select Node to DELETE");
  RemoveNodeButton = MakeButton("&Remove Node", "");
  RemoveNodeButton->setObjectName("RemoveNodeButton");
  DemandGrid = new QTableView;
  DemandGrid->setObjectName("DemandGrid");
  DemandGrid->setModel(nodeGrid_);
  SetupGrid(DemandGrid, 120);
  DemandGrid->setColumnWidth(0, 260);
  DemandGrid->horizontalHeader()->setStretchLastSection(true);
  auto* warning = new QLabel(
      "WARNING:  Changing Longitude (X) or Latitude (Y) does NOT change distances automatically.\n"
      "Save Demand Data and reload data to recompute distances.");
  warning->setStyleSheet("color: #a00000;");
  auto* choices = new QGridLayout;
  choices->addWidget(BuddyLabel("Select &First Node To Show", NameBox), 0, 0);
  choices->addWidget(NameBox, 1, 0);
  choices->addWidget(BuddyLabel("Select Node to Remo&Ve", DeleteNodeBox), 0, 1);
  choices->addWidget(DeleteNodeBox, 1, 1);
  choices->addWidget(RemoveNodeButton, 1, 2);
  choices->setColumnStretch(3, 1);
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(choices);
  layout->addWidget(DemandGrid, 1);
  layout->addWidget(warning);

  connect(NameBox, qOverload<int>(&QComboBox::activated), this, &TEditorForm::NameBoxChange);
  connect(DeleteNodeBox, qOverload<int>(&QComboBox::activated), this, &TEditorForm::DeleteNodeBoxChange);
  connect(RemoveNodeButton, &QPushButton::clicked, this, &TEditorForm::RemoveNodeButtonClick);
  connect(DemandGrid->verticalScrollBar(), &QScrollBar::valueChanged, this,
          [this](int top) { FirstShownNode = top + 1; });
  return page;
}

QWidget* TEditorForm::BuildDistancePage() {
  RowCombo = MakeNodeList("RowCombo", "Demand (To) Node");
  ColCombo = MakeNodeList("ColCombo", "Facility (From) Node");
  DistGrid = new CaptionedTable("To  \\  From");
  DistGrid->setObjectName("DistGrid");
  DistGrid->setModel(distanceGrid_);
  SetupGrid(DistGrid, 96);
  DistGrid->verticalHeader()->setMaximumWidth(180);
  auto* navigation = new QHBoxLayout;
  navigation->addWidget(RowCombo);
  navigation->addWidget(ColCombo);
  navigation->addStretch();
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(navigation);
  layout->addWidget(DistGrid, 1);
  layout->addWidget(BuildTransformPanel());

  connect(RowCombo, qOverload<int>(&QComboBox::activated), this, &TEditorForm::RowComboChange);
  connect(ColCombo, qOverload<int>(&QComboBox::activated), this, &TEditorForm::ColComboChange);
  connect(DistGrid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) { FirstShownRow = top + 1; });
  connect(DistGrid->horizontalScrollBar(), &QScrollBar::valueChanged, this,
          [this](int left) { FirstShownColumn = left + 1; });
  return page;
}

QLineEdit* TEditorForm::MakeField(const QString& name) {
  auto* field = new QLineEdit;
  field->setObjectName(name);
  field->setAlignment(Qt::AlignRight);
  field->setMinimumWidth(130);
  new KeyFilter(field, [] { return Digits + ".-"; }, [this] { FieldTyped(); });
  leaveWatchers_.push_back(OnLeave(field, [this, field] { FieldLeft(field); }));
  return field;
}

QWidget* TEditorForm::BuildTransformPanel() {
  auto* box = new QGroupBox("Matrix Update");
  auto* grid = new QGridLayout(box);
  const char* headings[3] = {"New Dist = ", "+", "* Old Dist ^"};
  for (int c = 0; c < 3; ++c) grid->addWidget(new QLabel(headings[c]), 0, c + 1);
  for (int r = 0; r < TransformRows; ++r) {
    grid->addWidget(new QLabel(TransformRowCaptions[r]), r + 1, 0);
    for (int c = 0; c < 3; ++c) {
      TransformEdits[r][c] = MakeField(TransformFieldName(r, c));
      grid->addWidget(TransformEdits[r][c], r + 1, c + 1);
    }
  }
  CritDistEdit = MakeField("CritDistEdit");
  ScaleDist = MakeField("ScaleDist");
  ScaleDistCheckBox = new QCheckBox("C&Heck to scale dist");
  ScaleDistCheckBox->setObjectName("ScaleDistCheckBox");
  ScaleDistCheckBox->setToolTip("Check if you want to scale distances");
  MatrixUpdateButton = MakeButton("&Matrix Update", "");
  MatrixUpdateButton->setObjectName("MatrixUpdateButton");
  grid->addWidget(BuddyLabel("&Critical Distance", CritDistEdit), 0, 4);
  grid->addWidget(CritDistEdit, 1, 4);
  grid->addWidget(BuddyLabel("Max. Scale Dis&Tance", ScaleDist), 2, 4);
  grid->addWidget(ScaleDist, 3, 4);
  grid->addWidget(ScaleDistCheckBox, 4, 4);
  grid->addWidget(MatrixUpdateButton, 4, 5);
  grid->setColumnStretch(6, 1);
  connect(ScaleDistCheckBox, &QCheckBox::toggled, this, &TEditorForm::ScaleDistCheckBoxClick);
  connect(MatrixUpdateButton, &QPushButton::clicked, this, &TEditorForm::MatrixUpdateButtonClick);
  return box;
}

QWidget* TEditorForm::BuildButtons() {
  SaveButton = MakeButton("&Save Demand Data", "");
  SaveButton->setObjectName("SaveButton");
  SaveDistButton = MakeButton("Save Distances to Dis&K", "");
  SaveDistButton->setObjectName("SaveDistButton");
  CloseButton = MakeButton("E&Xit", "");
  CloseButton->setObjectName("CloseButton");
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(SaveButton);
  layout->addWidget(SaveDistButton);
  layout->addStretch();
  layout->addWidget(CloseButton);
  connect(SaveButton, &QPushButton::clicked, this, &TEditorForm::SaveButtonClick);
  connect(SaveDistButton, &QPushButton::clicked, this, &TEditorForm::SaveDistButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &TEditorForm::CloseButtonClick);
  return row;
}

// ---- modes and showing ----

void TEditorForm::SetEditable(bool editable) {
  editable_ = editable;
  for (QWidget* w : std::initializer_list<QWidget*>{SaveDistButton, SaveButton, MatrixUpdateButton, DeleteNodeBox,
                                                    CritDistEdit, ScaleDist, ScaleDistCheckBox})
    w->setEnabled(editable);
  for (auto& row : TransformEdits)
    for (QLineEdit* field : row) field->setEnabled(editable);
  nodeGrid_->SetEditable(editable);
  distanceGrid_->SetEditable(editable);
  setWindowTitle(editable ? "Edit Form" : "Edit Form (read-only)");
  UpdateRemoveButton();
}

void TEditorForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TEditorForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  ReadFocusedField();
  CloseButtonClick();
}

void TEditorForm::Open(bool editable) {
  SetEditable(editable);
  if (isVisible())
    FormShow();
  else
    show();
  raise();
  activateWindow();
}

void TEditorForm::FormShow() {
  NodesChanged();
  Transform.rows = DistanceTransform{}.rows;
  Transform.CriticalDistance = 10;
  Transform.MaxScaleDistance = 1000000000;
  ScaleDistCheckBox->setChecked(Transform.ScaleDistances);
  CloseButton->setEnabled(true);
  ShowTransformFields();
}

// The node table changed or the form opens: lists, grids at node 1, nothing chosen to remove.
void TEditorForm::NodesChanged() {
  nodeGrid_->Reload();
  distanceGrid_->Reload();
  FillNodeLists();
  FirstShownNode = FirstShownRow = FirstShownColumn = 1;
  NodeToRemove = 0;
  DeleteNodeBox->setCurrentIndex(-1);
  ScrollDemandGrid();
  ScrollDistGrid();
  UpdateRemoveButton();
}

void TEditorForm::FillNodeLists() {
  QStringList labels;
  for (int k = 1; k <= model_.Numbnodes; ++k) labels << Text(NodeLabel(model_, k));
  for (QComboBox* box : {NameBox, DeleteNodeBox, RowCombo, ColCombo}) {
    const int chosen = box == DeleteNodeBox ? NodeToRemove - 1 : -1;
    box->clear();
    box->addItems(labels);
    box->setCurrentIndex(chosen);
  }
}

void TEditorForm::UpdateRemoveButton() {
  RemoveNodeButton->setEnabled(editable_ && NodeToRemove > 0 && model_.Numbnodes >= 2 && model_.MetricCode != 'N');
}

// ---- navigation ----

void TEditorForm::ScrollDemandGrid() {
  if (model_.Numbnodes == 0) return;
  const QModelIndex first = nodeGrid_->index(FirstShownNode - 1, 0);
  DemandGrid->scrollTo(first, QAbstractItemView::PositionAtTop);
  DemandGrid->setCurrentIndex(first);
  FirstShownNode = DemandGrid->verticalScrollBar()->value() + 1;
}

void TEditorForm::ScrollDistGrid() {
  if (model_.Numbnodes == 0) return;
  const int row = FirstShownRow, column = FirstShownColumn;
  DistGrid->verticalScrollBar()->setValue(row - 1);
  DistGrid->horizontalScrollBar()->setValue(column - 1);
  DistGrid->setCurrentIndex(distanceGrid_->index(row - 1, column - 1));
  FirstShownRow = DistGrid->verticalScrollBar()->value() + 1;
  FirstShownColumn = DistGrid->horizontalScrollBar()->value() + 1;
}

void TEditorForm::NameBoxChange(int position) {
  if (position < 0 || position >= model_.Numbnodes) return;
  FirstShownNode = position + 1;
  ScrollDemandGrid();
}

void TEditorForm::DeleteNodeBoxChange(int position) {
  if (position < 0 || position >= model_.Numbnodes) return;
  NodeToRemove = position + 1;
  UpdateRemoveButton();
}

void TEditorForm::RowComboChange(int position) {
  if (position < 0 || position >= model_.Numbnodes) return;
  FirstShownRow = position + 1;
  ScrollDistGrid();
}

void TEditorForm::ColComboChange(int position) {
  if (position < 0 || position >= model_.Numbnodes) return;
  FirstShownColumn = position + 1;
  ScrollDistGrid();
}

// ---- the transform fields ----

void TEditorForm::ShowTransformFields() {
  for (int r = 0; r < TransformRows; ++r) {
    const TransformRow& row = Transform.rows[r];
    TransformEdits[r][0]->setText(Text(ConstantFieldText(row.TransformConstant)));
    TransformEdits[r][1]->setText(Text(ConstantFieldText(row.TransformCoefficient)));
    TransformEdits[r][2]->setText(Text(ExponentFieldText(row.TransformExponent)));
  }
  CritDistEdit->setText(QString::number(Transform.CriticalDistance));
  ScaleDist->setText(QString::number(Transform.MaxScaleDistance));
}

void TEditorForm::FieldTyped() { CloseButton->setEnabled(false); }

void TEditorForm::FieldLeft(QLineEdit* field) {
  if (!field->isEnabled()) return;
  CloseButton->setEnabled(true);
  if (field == ScaleDist)
    ReadScaleDistance();
  else if (field == CritDistEdit)
    ReadCriticalDistance();
  else
    ReadTransformField(field);
  ShowTransformFields();
}

void TEditorForm::ReadTransformField(QLineEdit* field) {
  for (int r = 0; r < TransformRows; ++r)
    for (int c = 0; c < 3; ++c) {
      if (TransformEdits[r][c] != field) continue;
      TransformRow& row = Transform.rows[r];
      double& value = c == 0 ? row.TransformConstant : c == 1 ? row.TransformCoefficient : row.TransformExponent;
      const FieldReading<double> reading =
          c == 2 ? ReadRealField(field->text().toStdString(), value, TransformExponentLow, TransformExponentHigh)
                 : ReadRealField(field->text().toStdString(), value, TransformFactorLow, TransformFactorHigh);
      value = reading.value;
      TellReading(reading.beep, reading.warning);
    }
}

void TEditorForm::ReadScaleDistance() {
  const FieldReading<int32_t> reading =
      ReadIntegerField(ScaleDist->text().toStdString(), Transform.MaxScaleDistance, ScaleDistanceLow, ScaleDistanceHigh);
  Transform.MaxScaleDistance = reading.value;
  TellReading(reading.beep, reading.warning);
}

void TEditorForm::ReadCriticalDistance() {
  const std::string text = CritDistEdit->text().toStdString();
  const FieldReading<int32_t> reading = ReadCriticalDistanceField(text, Transform.CriticalDistance);
  Transform.CriticalDistance = reading.value;
  if (!text.empty()) model_.CoverageDistanceSet = 1;
  TellReading(reading.beep, reading.warning);
}

void TEditorForm::TellReading(bool beep, const std::string& warning) {
  if (beep) KeyFilter::Beep()();
  if (!warning.empty()) dialogs_.Warning(Text(warning));
}

// A mnemonic or the close box can act while a field still has the focus: the
// field is read first, as leaving it would.
void TEditorForm::ReadFocusedField() {
  auto* field = qobject_cast<QLineEdit*>(focusWidget());
  if (field && field->parentWidget() == MatrixUpdateButton->parentWidget()) FieldLeft(field);
}

void TEditorForm::ScaleDistCheckBoxClick(bool checked) { Transform.ScaleDistances = checked; }

// ---- commands ----

void TEditorForm::MatrixUpdateButtonClick() {
  if (!editable_) return;
  ReadFocusedField();
  MatrixUpdateOutcome outcome = PlanMatrixUpdate(model_, Transform);
  for (const std::string& notice : outcome.notices) dialogs_.Information(Text(notice));
  if (!outcome.applied()) dialogs_.Error(Text(outcome.refusal));
  ApplyMatrixUpdate(model_, outcome);
  distanceGrid_->Reload();
  ScrollDistGrid();
}

void TEditorForm::RemoveNodeButtonClick() {
  if (!RemoveNodeButton->isEnabled()) return;
  dialogs_.Information("Delete No = " + QString::number(NodeToRemove));
  RemoveNode(model_, NodeToRemove);
  FormShow();
  dialogs_.Information("Numbnodes = " + QString::number(model_.Numbnodes));
}

void TEditorForm::SaveFile(const char* title, const char* filter, const std::string& extension,
                           std::string (*save)(const ModelState&, const std::string&)) {
  const QString path = dialogs_.SaveFile(title, filter, Text("*." + extension));
  if (path.isEmpty()) return;
  const std::string error = save(model_, path.toStdString());
  if (!error.empty()) dialogs_.Error(Text(error));
}

void TEditorForm::SaveButtonClick() {
  if (!editable_) return;
  const std::string rounding = FractionalValuesWarning(model_);
  if (!rounding.empty() && !dialogs_.Confirm(Text(rounding))) return;
  SaveFile("Save the demand data", DemandDataFilter, NodeFileExtension(model_.MetricCode), &SaveDemandData);
}

void TEditorForm::SaveDistButtonClick() {
  if (!editable_) return;
  SaveFile("Save the distances", EditedDistanceFilter, DistanceFileExtension(model_.MetricCode), &SaveEditedDistances);
}

void TEditorForm::CloseButtonClick() {
  if (!CloseButton->isEnabled()) return;
  hide();
  emit finished();
}

void AddDataEditor(TEditorForm& editor, TKorvelanMain& menu, TKorvelanMain::Steps& steps) {
  QObject::connect(&editor, &TEditorForm::finished, &menu, &TKorvelanMain::ShowMenu);
  steps.showDataEditor = [&editor](bool editable) { editor.Open(editable); };
  if (!steps.loadData) return;
  steps.loadData = [&editor, load = steps.loadData] {
    editor.hide();
    load();
  };
}

}  // namespace korvelan::app
