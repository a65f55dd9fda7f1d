#pragma once
#include <QStringList>
#include <QWidget>
#include <map>

#include "model/ModelState.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace korvelan::app {

class Dialogs;

// "Parameter Setting Form for Brask Inventory Location Model", opened when the
// integrated inventory/location model is chosen on the run-models form (and again by
// its "&Return to Cost Setting Menu"). Three pages: the basic inputs, the shipping
// costs from the plants to the centres, and the plant cities. "&Quit (No More
// Changes)" computes the model's derived data and returns to the run form.
class TTolvParamForm : public QWidget {
  Q_OBJECT
 public:
  TTolvParamForm(ModelState& model, Dialogs& dialogs, QWidget* parent = nullptr);

  QTabWidget* Pages;
  QListWidget* CityList;
  QListWidget* SelectedList;
  QLabel* CountLabels[3];
  QLabel* SelectedNote;
  QPushButton* SelectCity;
  QPushButton* DeselectCity;
  QPushButton* SelectAll;
  QPushButton* DeselectAll;
  QPushButton* RestoreDefaults;
  QPushButton* QuitButton;

  // The edit box and the "Default value" label of a parameter, by edit-box name
  // ("tolvDemPerPopEdit", "LeadTimeEdit", ...).
  QLineEdit* Edit(const QString& name) const { return edits_.at(name); }
  QLabel* DefaultLabel(const QString& name) const { return defaults_.at(name); }

  void Open();
  void FormActivate();
  void FieldExit(const QString& name);
  void CityClick(int row);
  void SelectCityClick(bool select);
  void AllCitiesClick(bool select);
  void RestoreDefaultsClick();
  void QuitClick();

 signals:
  // The form was closed with its quit button (or its close box); the run form goes on.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The boxes of rows first..last-1 of the parameter table, a heading before the rows
  // named in `headings`, and notes below.
  QWidget* BuildParameterPage(size_t first, size_t last, const std::map<size_t, QString>& headings,
                              const QStringList& footer);
  QWidget* BuildCityPage();
  void ShowValues();
  void ShowCities();

  ModelState& model_;
  Dialogs& dialogs_;
  std::map<QString, QLineEdit*> edits_;
  std::map<QString, QLabel*> defaults_;
};

}  // namespace korvelan::app
