#pragma once
#include <QMap>
#include <QWidget>

#include "model/ModelState.h"
#include "solve/PrintSink.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvelan::app {

class Dialogs;

// The controls of the covering Lagrangian settings, shared by the settings form and
// the read-only settings report: an edit box with its caption and "Default value"
// label for every number, a check box for every option, the step-size radio group
// and the formula of the initial multipliers. Filled from the model by Fill().
class LagCovSettingsPanel : public QWidget {
  Q_OBJECT
 public:
  LagCovSettingsPanel(ModelState& model, bool editable, QWidget* parent = nullptr);

  // Every control from the settings; the depth controls follow "&Branch and Bound".
  void Fill();

  QLineEdit* Edit(const QString& name) const { return edits_.value(name); }
  QLabel* DefaultLabel(const QString& name) const { return defaults_.value(name); }
  QCheckBox* Box(const QString& name) const { return boxes_.value(name); }
  QRadioButton* BestLb;
  QRadioButton* LagrangianLb;
  QLabel* Formula;

 private:
  ModelState& model_;
  QMap<QString, QLineEdit*> edits_;
  QMap<QString, QLabel*> captions_;
  QMap<QString, QLabel*> defaults_;
  QMap<QString, QCheckBox*> boxes_;
  void ShowDepthControls(bool visible);
  friend class TLagCovSetting;
};

// "Lagrangian Parameter Setting Menu": edits the covering Lagrangian settings.
// Boxes accept digits, backspace, "." and "-" only; leaving a changed box converts
// and checks it with the messages of the settings registry; check boxes and the
// radio group take effect at once.
class TLagCovSetting : public QWidget {
  Q_OBJECT
 public:
  TLagCovSetting(ModelState& model, Dialogs& dialogs, QWidget* parent = nullptr);

  LagCovSettingsPanel* Panel;
  QPushButton* RestoreDefaults;
  QPushButton* QuitButton;

 public slots:
  void FormActivate();
  void RestoreDefaultsClick();
  void QuitButtonClick();
  // Leaving a box: converts and checks its text.
  void EditExit(const QString& name);
  void BoxClick(const QString& name, bool checked);
  void StepTargetClick(char letter);

 signals:
  void finished();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ModelState& model_;
  Dialogs& dialogs_;
};

// "Show Lagrangian Cover Settings": the settings of the last run, read only, with a
// print button; "&Quit (Return to Basic)" hides it and returns to the basic report.
class TShowLagCovSettings : public QWidget {
  Q_OBJECT
 public:
  TShowLagCovSettings(ModelState& model, Dialogs& dialogs, QWidget* parent = nullptr);

  LagCovSettingsPanel* Panel;
  QPushButton* PrintButton;
  QPushButton* QuitButton;

  // Writes the settings as one print job.
  bool PrintSettings(PrintSink& sink) const;

 public slots:
  void PrintButtonClick();
  void QuitButtonClick();

 signals:
  void returnToBasic();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ModelState& model_;
  Dialogs& dialogs_;
};

}  // namespace korvelan::app
