#pragma once
// The body shared by the median and fixed-charge Lagrangian settings forms and their
// read-only settings reports: one edit box per numeric setting with its caption and
// "Default value" label, the check boxes, the terminal substitution radio group and
// the multiplier formula. Values are read from and written to the model through the
// settings registry, so the forms check them by the same rules as the batch program.
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "model/ModelState.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace korvelan::app {

class Dialogs;

struct LagEditRow {
  const char* name;     // component name = setting name in the family's table
  const char* caption;  // label with its mnemonic
  QString defaultText;  // the "Default value" label
};

struct LagCheckRow {
  const char* name;
  const char* caption;
};

class LagSettingsPanel : public QWidget {
  Q_OBJECT
 public:
  LagSettingsPanel(ModelState& model, Dialogs& dialogs, std::string family, const std::vector<LagEditRow>& edits,
                   const std::vector<LagCheckRow>& checks, const QString& formula, bool readOnly,
                   QWidget* parent = nullptr);

  QLineEdit* Edit(const QString& name) const;
  // The box of the first row, where the keyboard focus starts.
  QLineEdit* FirstEdit() const { return firstEdit_; }
  QCheckBox* Check(const QString& name) const;
  QLabel* DefaultLabel(const QString& name) const;
  QGroupBox* TerminalSubstitution;
  QRadioButton* TerminalItem(int index) const;  // 0 "&None", 1 "E&Xchange", 2 "Neighbor&Hood"
  QLabel* FormulaLabel;

  // Every control from the model.
  void FillFromModel();
  // Leaving an edit box: convert, check, store or put back, with the form's messages.
  void FieldExit(QLineEdit* edit);
  // Shows or hides the depth controls as branch and bound is on or off.
  void ShowDepthControls(bool visible);

  // Called for every refused key; the program beeps.
  std::function<void()> beep;

 signals:
  // A key was typed into an edit box (the form disables its quit button) ...
  void editingStarted();
  // ... and the box was left.
  void editingEnded(const QString& name);
  // A check box or the radio group changed the model.
  void optionChanged(const QString& name);

 private:
  ModelState& model_;
  Dialogs& dialogs_;
  std::string family_;
  bool filling_ = false;
  std::map<QString, QLineEdit*> edits_;
  QLineEdit* firstEdit_ = nullptr;
  std::map<QString, QLabel*> captions_;
  std::map<QString, QLabel*> defaults_;
  std::map<QString, QCheckBox*> checks_;
  QButtonGroup* terminalGroup_;

  QWidget* BuildEditGrid(const std::vector<LagEditRow>& rows, bool readOnly);
  QWidget* BuildChecks(const std::vector<LagCheckRow>& rows, bool readOnly);
  QGroupBox* BuildTerminalGroup(bool readOnly);
  void CheckClicked(const QString& name, bool checked);
  void TerminalClicked(int index);
};

}  // namespace korvelan::app
