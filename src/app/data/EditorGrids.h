#pragma once
#include <QAbstractTableModel>
#include <QTableView>
#include <functional>

#include "model/ModelState.h"

class QLabel;

namespace korvelan::app {

// The editor's grids read and write the model directly, one cell at a time, so
// a 300 x 300 matrix is never copied into widgets. A cell is editable only in
// editable mode; a refused text keeps the old value and is reported through
// `warn` once the cell's editor has closed.
class EditorGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using Warn = std::function<void(const QString&)>;
  EditorGridModel(ModelState& model, Warn warn, QObject* parent = nullptr);

  void SetEditable(bool editable) { editable_ = editable; }
  bool Editable() const { return editable_; }
  // The node table changed (a node removed, a new load): rows and columns anew.
  void Reload();
  int rowCount(const QModelIndex& parent = {}) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 protected:
  ModelState& model_;
  // A refused text: the warning is shown after the cell's editor has closed.
  bool Refuse(const std::string& warning);

 private:
  Warn warn_;
  bool editable_ = false;
};

// Node data: one row per node, columns "Node Name", "Longitude", "Latitude",
// "Demand", "Fixed Cost".
class NodeGridModel : public EditorGridModel {
  Q_OBJECT
 public:
  using EditorGridModel::EditorGridModel;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 signals:
  // A node's name was changed: the lists of node labels are filled again.
  void nameChanged();
};

// The distance matrix: row r (demand, to) and column c (facility, from) hold
// DistanceMatrix[r][c].
class DistanceGridModel : public EditorGridModel {
  Q_OBJECT
 public:
  using EditorGridModel::EditorGridModel;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // The headers name the nodes: after a name change they are read again.
  void RefreshHeaders();
};

// A table whose corner cell, above the row headers and left of the column
// headers, carries a caption.
class CaptionedTable : public QTableView {
  Q_OBJECT
 public:
  explicit CaptionedTable(const QString& corner, QWidget* parent = nullptr);
  QLabel* Corner() const { return corner_; }

 protected:
  void updateGeometries() override;

 private:
  QLabel* corner_;
};

}  // namespace korvelan::app
