#pragma once
// The frame shared by the median and fixed-charge Lagrangian settings forms and by
// their read-only settings reports; each family supplies its panel and its rules.
#include <QWidget>
#include <functional>

#include "model/ModelState.h"

class QLabel;
class QPushButton;

namespace korvelan::app {

class Dialogs;
class LagSettingsPanel;

// An editable settings form: the panel, "Restore Default &Values" and
// "&Quit (No More Changes)", which is disabled while an edit box is being typed in.
class LagSettingsForm : public QWidget {
  Q_OBJECT
 public:
  struct Rules {
    std::function<void(ModelState&)> activate;  // on activation
    std::function<bool(ModelState&)> weight;    // on show and after the weight box: searches enabled?
    std::function<void(ModelState&)> restore;   // "Restore Default &Values"
    std::function<void(ModelState&)> quit;      // "&Quit (No More Changes)"
  };
  LagSettingsForm(ModelState& model, LagSettingsPanel* panel, Rules rules, QWidget* parent);

  LagSettingsPanel* Panel;
  QPushButton* RestoreDefault;
  QPushButton* Quit;

 public slots:
  void FormActivate();
  void FormShow();
  void RestoreDefaultClick();
  void QuitClick();

 protected:
  void showEvent(QShowEvent* event) override;
  // After every filling of the controls (a family may show or hide some).
  virtual void AfterFill() {}
  ModelState& model_;

 private:
  Rules rules_;
  void ApplyWeightRule();
};

// A read-only settings report: the notice, the panel with every control disabled,
// "&/ Print Form /" and "&Quit (Return to Basic)".
class LagSettingsReport : public QWidget {
  Q_OBJECT
 public:
  LagSettingsReport(ModelState& model, Dialogs& dialogs, LagSettingsPanel* panel, const QString& title,
                    const QString& notice, QWidget* parent);

  LagSettingsPanel* Panel;
  QLabel* Notice;
  QPushButton* PrintButton;
  QPushButton* QuitButton;

 public slots:
  void FormShow();
  void PrintButtonClick();
  void QuitButtonClick();

 signals:
  // The basic results report is to be shown again.
  void returnToBasic();

 protected:
  void showEvent(QShowEvent* event) override;
  virtual void AfterFill() {}
  ModelState& model_;

 private:
  Dialogs& dialogs_;
};

}  // namespace korvelan::app
