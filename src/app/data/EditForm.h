#pragma once
#include <QWidget>
#include <array>
#include <vector>

#include "data/DistanceTransform.h"
#include "model/ModelState.h"
#include "shell/MainUnit.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace korvelan::app {

class Dialogs;
class NodeGridModel;
class DistanceGridModel;
class CaptionedTable;

// The data editor ("Edit Form"): the loaded nodes and the distance matrix, to
// look at (read-only) or to change (editable): single entries, the whole matrix
// by a piecewise power transform, removal of a node, and the node data and the
// matrix saved to files the load form reads back. It opens beside the main menu;
// "E&Xit" hides it and hands back to the menu.
class TEditorForm : public QWidget {
  Q_OBJECT
 public:
  TEditorForm(ModelState& model, Dialogs& dialogs, QWidget* parent = nullptr);
  ~TEditorForm() override;

  // The main menu opens the form editable ("Ed&It Data") or read-only ("&View
  // Data"); opening it again while it is shown starts it afresh in the new mode.
  void Open(bool editable);
  void SetEditable(bool editable);
  bool Editable() const { return editable_; }

  // Editor state; the grids' positions follow their scrolling.
  int FirstShownNode = 1;
  int NodeToRemove = 0;
  int FirstShownRow = 1;
  int FirstShownColumn = 1;
  DistanceTransform Transform;  // the rows, CriticalDistance, MaxScaleDistance, ScaleDistances

  QTabWidget* Pages;
  QComboBox* NameBox;
  QTableView* DemandGrid;
  QComboBox* DeleteNodeBox;
  QPushButton* RemoveNodeButton;
  QComboBox* RowCombo;
  QComboBox* ColCombo;
  CaptionedTable* DistGrid;
  QLineEdit* CritDistEdit;
  // The transform fields by row (0..3) and column: constant, coefficient, exponent
  // (Edit1..Edit12 in the order Edit1, Edit2, Edit3 for row 0, then Edit4..Edit6
  // as the constants of rows 1..3, Edit7..Edit9 the coefficients, Edit10..Edit12
  // the exponents).
  std::array<std::array<QLineEdit*, 3>, TransformRows> TransformEdits{};
  QLineEdit* ScaleDist;
  QCheckBox* ScaleDistCheckBox;
  QPushButton* MatrixUpdateButton;
  QPushButton* SaveButton;
  QPushButton* SaveDistButton;
  QPushButton* CloseButton;

 public slots:
  void FormShow();
  void NameBoxChange(int position);
  void DeleteNodeBoxChange(int position);
  void RowComboChange(int position);
  void ColComboChange(int position);
  void ScaleDistCheckBoxClick(bool checked);
  void MatrixUpdateButtonClick();
  void RemoveNodeButtonClick();
  void SaveButtonClick();
  void SaveDistButtonClick();
  void CloseButtonClick();

 signals:
  // "E&Xit" (or the close box): the editor is hidden and the menu takes over.
  void finished();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  ModelState& model_;
  Dialogs& dialogs_;
  bool editable_ = false;
  NodeGridModel* nodeGrid_;
  DistanceGridModel* distanceGrid_;
  std::vector<QObject*> leaveWatchers_;

  QWidget* BuildDemandPage();
  QWidget* BuildDistancePage();
  QWidget* BuildTransformPanel();
  QWidget* BuildButtons();
  QLineEdit* MakeField(const QString& name);
  void FillNodeLists();
  void ShowTransformFields();
  void FieldTyped();
  void FieldLeft(QLineEdit* field);
  void ReadTransformField(QLineEdit* field);
  void ReadScaleDistance();
  void ReadCriticalDistance();
  void ReadFocusedField();
  void TellReading(bool beep, const std::string& warning);
  void UpdateRemoveButton();
  void ScrollDemandGrid();
  void ScrollDistGrid();
  void NodesChanged();
  void SaveFile(const char* title, const char* filter, const std::string& extension,
                std::string (*save)(const ModelState&, const std::string&));
};

// Plugs the editor into the main menu's steps: "Ed&It Data" and "&View Data"
// open it, "E&Xit" shows the menu again, and a new load closes it first (call
// after steps.loadData is set).
void AddDataEditor(TEditorForm& editor, TKorvelanMain& menu, TKorvelanMain::Steps& steps);

}  // namespace korvelan::app
