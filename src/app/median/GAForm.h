#pragma once
#include <QString>
#include <QWidget>
#include <map>

#include "model/ModelState.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvelan::app {

class Dialogs;

// "Genetic Algorithm Parameter Setting Form": the settings of the p-median genetic
// algorithm, opened by the run form when the analyst chooses "Gene&Tic Algorithm".
// Every box is checked when it is left, by the same rules as the batch program's
// --set; the settings that depend on the population size follow it.
class TGAForm : public QWidget {
  Q_OBJECT
 public:
  TGAForm(ModelState& model, Dialogs& dialogs, QWidget* parent = nullptr);

  // The edit box of a setting by its name (PopSize, InitPopSize, Generations,
  // GenNoImp, Compatibility, Dates, MutationProb, RandomNoSeed, ImproveNumber,
  // TargetEdit).
  QLineEdit* Edit(const QString& name) const;
  QLabel* Caption(const QString& name) const;
  // The radio groups ImpType, FatherSelection, DateSelection, MotherSelection
  // and their two items (0, 1).
  QGroupBox* Group(const QString& name) const;
  QRadioButton* Item(const QString& group, int index) const;
  QCheckBox* GAUseTarget;
  QPushButton* RestoreDefaults;
  QPushButton* QuitButton;

  void FormActivate();
  // Every setting into its control; "&Quit" enabled.
  void Refresh();
  // Leaving a box: a text that is not empty is checked and stored, then the form refreshes.
  void FieldExit(QLineEdit* edit);
  void RadioClick(const QString& group, int index);
  void UseTargetClick(bool checked);
  void RestoreDefaultsClick();
  void QuitClick();

 signals:
  // "&Quit": the run form is to be shown again.
  void closed();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildEdits(QGridLayout* grid);
  QGroupBox* BuildGroup(const QString& name, const QString& title, const QString& first, const QString& second);
  void ShowTargetControls();

  ModelState& model_;
  Dialogs& dialogs_;
  std::map<QString, QLineEdit*> edits_;
  std::map<QString, QLabel*> captions_;
  std::map<QString, QGroupBox*> groups_;
  std::map<QString, QButtonGroup*> buttons_;
};

}  // namespace korvelan::app
