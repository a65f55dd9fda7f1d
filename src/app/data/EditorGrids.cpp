#include "data/EditorGrids.h"

#include <QHeaderView>
#include <QLabel>

#include "data/DataEdits.h"

namespace korvelan::app {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

const NodeField Columns[] = {NodeField::Name, NodeField::XCoord, NodeField::YCoord, NodeField::Demand,
                             NodeField::FixedCost};
const char* const ColumnCaptions[] = {"Node Name", "Longitude", "Latitude", "Demand", "Fixed Cost"};

// A node's name as the grid shows it: the stored name when it has one or names
// are shown, otherwise its number label.
QString NameCell(const ModelState& m, int node) {
  const std::string& name = m.Node(node).NodeName;
  return Text(name.empty() ? NodeLabel(m, node) : name);
}

}  // namespace

// ---- shared ----

EditorGridModel::EditorGridModel(ModelState& model, Warn warn, QObject* parent)
    : QAbstractTableModel(parent), model_(model), warn_(std::move(warn)) {}

void EditorGridModel::Reload() {
  beginResetModel();
  endResetModel();
}

int EditorGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : model_.Numbnodes; }

Qt::ItemFlags EditorGridModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (editable_) f |= Qt::ItemIsEditable;
  return f;
}

bool EditorGridModel::Refuse(const std::string& warning) {
  if (warning.empty()) return false;
  // The cell's editor is still closing while its text is stored; the message
  // box waits until it has gone so the focus change it causes commits nothing.
  QMetaObject::invokeMethod(this, [this, text = Text(warning)] { warn_(text); }, Qt::QueuedConnection);
  return true;
}

// ---- node data ----

int NodeGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 5; }

QVariant NodeGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const NodeField field = Columns[index.column()];
  if (role == Qt::TextAlignmentRole && field != NodeField::Name) return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  const int node = index.row() + 1;
  if (field == NodeField::Name && role == Qt::DisplayRole) return NameCell(model_, node);
  return Text(NodeFieldText(model_, node, field));
}

bool NodeGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || !Editable()) return false;
  const int node = index.row() + 1;
  const NodeField field = Columns[index.column()];
  const std::string text = value.toString().trimmed().toStdString();
  if (field == NodeField::Name && text == NodeFieldText(model_, node, field)) return true;
  if (Refuse(EditNodeField(model_, node, field, text))) return false;
  emit dataChanged(index, index);
  if (field == NodeField::Name) emit nameChanged();
  return true;
}

QVariant NodeGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return section >= 0 && section < 5 ? ColumnCaptions[section] : QVariant();
  return section + 1;
}

// ---- distances ----

int DistanceGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : model_.Numbnodes; }

QVariant DistanceGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return QString::number(model_.DistanceMatrix.at(index.row() + 1, index.column() + 1));
}

bool DistanceGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || !Editable()) return false;
  const int row = index.row() + 1, column = index.column() + 1;
  if (Refuse(EditDistance(model_, row, column, value.toString().toStdString()))) return false;
  emit dataChanged(index, index);
  return true;
}

QVariant DistanceGridModel::headerData(int section, Qt::Orientation, int role) const {
  const QString label = Text(DistanceHeaderLabel(model_, section + 1));
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return label;
  return {};
}

void DistanceGridModel::RefreshHeaders() {
  if (model_.Numbnodes == 0) return;
  emit headerDataChanged(Qt::Vertical, 0, model_.Numbnodes - 1);
  emit headerDataChanged(Qt::Horizontal, 0, model_.Numbnodes - 1);
}

// ---- the table with a corner caption ----

CaptionedTable::CaptionedTable(const QString& corner, QWidget* parent) : QTableView(parent) {
  corner_ = new QLabel(corner, this);
  corner_->setAlignment(Qt::AlignCenter);
  corner_->setAutoFillBackground(true);
  setCornerButtonEnabled(false);
}

void CaptionedTable::updateGeometries() {
  QTableView::updateGeometries();
  const int frame = frameWidth();
  corner_->setGeometry(frame, frame, verticalHeader()->width(), horizontalHeader()->height());
  corner_->raise();
}

}  // namespace korvelan::app
