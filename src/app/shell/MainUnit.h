#pragma once
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "data/BorderFile.h"
#include "model/ModelState.h"
#include "shell/MenuStates.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace korvelan::app {

class Dialogs;
class HintSwitch;
class MenuBackground;
class TAboutBox;

// The main menu: the hub that leads the analyst through loading data, setting
// parameters, running models or tracing tradeoff curves, and looking at the
// results, by enabling its step buttons (rules in MenuStates).
class TKorvelanMain : public QWidget {
  Q_OBJECT
 public:
  // The windows the step buttons open, supplied by the program. A step whose
  // window is not supplied stays disabled whatever the rules say.
  struct Steps {
    std::function<void()> loadData;
    std::function<void()> setParameters;
    std::function<void()> runModels;
    std::function<void()> tradeoffCurves;
    std::function<void()> displayResults;
    std::function<void()> mapResults;  // resets the map's drawing mode and shows it
    std::function<void()> exchangeSites;
    std::function<void(bool editable)> showDataEditor;
  };

  TKorvelanMain(ModelState& model, Dialogs& dialogs, QWidget* parent = nullptr);
  ~TKorvelanMain() override;

  void SetSteps(Steps steps);
  // The message and error list windows, hidden before every run.
  void SetListWindows(QWidget* messages, QWidget* errors);

  // A window reports how it returns: the menu applies the enabling rules...
  void Apply(MenuEvent event, char problemCode = ' ');
  // ...and shows itself again when that window hands back to the menu.
  void ReturnToMenu(MenuEvent event, char problemCode = ' ');
  void ShowMenu();

  const MenuState& State() const { return state_; }
  QPushButton* Button(MenuButton b) const { return buttons_[static_cast<int>(b)]; }
  bool HintsShown() const;

  // The about window doubles as the splash for 1500 ms at start.
  void StartSplash();
  bool SplashRunning() const;
  TAboutBox* AboutBox() const { return about_; }

  // The region border the map draws, read when the analyst answers the border question.
  const BorderState& Border() const { return border_; }
  // Asked by "&Map Results" and by a click on a covering-median tradeoff graph.
  void AskForBorder();

  MenuBackground* KVEBackground;
  QLabel* HintLabel;

 public slots:
  // The load form finished: with a data set loaded or cancelled.
  void LoadFormFinished(bool dataLoaded);
  // The load form opened: the border is emptied and the question will be asked again.
  void ClearBorder();

  void LoadDataClick();
  void SetParametersClick();
  void RunModelsClick();
  void TradeoffCurvesClick();
  void DisplayResultsClick();
  void MapResultsClick();
  void ExchangeSitesClick();
  void EditButtonClick();
  void ViewDataClick();
  void HintShowClick();
  void PrintSetterClick();
  void AboutButtonClick();
  void ExitKorvelanClick();

 signals:
  // The analyst confirmed the exit; the program ends.
  void exitConfirmed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ModelState& model_;
  Dialogs& dialogs_;
  Steps steps_;
  MenuState state_;
  BorderState border_;
  std::array<QPushButton*, MenuButtonCount> buttons_{};
  QStackedWidget* workArea_ = nullptr;
  TAboutBox* about_;
  QTimer* splashTimer_;
  HintSwitch* hints_;
  QWidget* messages_ = nullptr;
  QWidget* errors_ = nullptr;

  struct Row;
  void BuildWindow();
  QGroupBox* BuildPanel(const char* title, const std::vector<Row>& rows);
  QWidget* BuildStepPanel();
  QWidget* BuildProgramPanel();
  QPushButton* MakeButton(MenuButton b, const char* caption, const char* hint, void (TKorvelanMain::*click)());
  bool Available(MenuButton b) const;
  void SyncButtons();
  void StopSplash();
  void FocusNextStep();
  void ShowHintState();
  bool ConfirmNewRun();
  void PrepareRun();
  void CheckWeightingConstant();
  void HandOver(const std::function<void()>& open);
  void BackgroundClick();
  void ReadBorder();
};

}  // namespace korvelan::app
