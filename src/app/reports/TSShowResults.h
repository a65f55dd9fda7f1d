#pragma once
#include <QWidget>
#include <functional>
#include <map>

#include "model/ModelState.h"
#include "reports/ReportChain.h"
#include "reports/ReportWindow.h"
#include "setup/MenuLink.h"

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;

namespace korvelan {
class RunHost;
}

namespace korvelan::app {

class Dialogs;
class ReportNavigator;
class TBasicResultsForm;
class TextReportForm;

// Windows of other parts of the program that the results form opens. A command
// whose hook is empty is disabled.
struct ResultsLinks {
  std::function<void()> tradeoffTable;       // the table of the solved model's curve
  std::function<void()> tradeoffGraph;       // set to stairs, not inverted
  std::function<void()> requireAssignments;  // forced assignments of the inventory/location model
  std::function<void()> inventoryInputs;     // "Show Inventor&Y Inputs" after an inventory/location run
  std::function<void(const QString& family)> settingsReport;  // "La&Grangian Param"
};

// The results form "Show Model Results": one command per report of the chain,
// the tradeoff displays and the saved files, each with its menu twin.
class TShowResultsForm : public QWidget {
  Q_OBJECT
 public:
  TShowResultsForm(ModelState& model, Dialogs& dialogs, RunHost& host, MenuLink& menu, PrintSinkFactory printer,
                   ResultsLinks links = {}, QWidget* parent = nullptr);
  ~TShowResultsForm() override;

  // Opened from the main menu.
  void Open();
  void FormShow();
  void TradeoffCurveClick();
  void GraphTradeoffClick();
  void SaveSolutionClick();
  void SaveMappingClick();
  void SaveTradeoffClick();
  void QuitClick();

  ReportNavigator& Navigator() { return *navigator_; }
  // The windows of other parts the commands open, for the program to plug in.
  ResultsLinks& Links() { return links_; }
  TBasicResultsForm* BasicResults() const { return basic_; }
  TextReportForm* Report(ReportPage page) const;
  // The command button and its menu twin by caption.
  QPushButton* Command(const QString& caption) const;
  QAction* MenuCommand(const QString& caption) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildReports(PrintSinkFactory printer);
  void BuildCommands();
  QPushButton* AddCommand(QMenu* menu, const QString& caption, const QString& hint, std::function<void()> run);
  void OpenPage(ReportPage page);
  void RunLink(const std::function<void()>& link);
  void OpenElsewhere(const std::function<void()>& link, const QString& what);
  // Writes a file atomically; false (after the write-error notice) on failure.
  bool WriteTextFile(const QString& name, const std::string& text);
  // One mapping layer: the save dialog, the file (the .MAP text, or the GeoJSON
  // text when the name ends in .geojson) and the closing messages.
  void SaveMappingLayer(const std::string& text, const std::string& geoJsonText);

  ModelState& model_;
  Dialogs& dialogs_;
  RunHost& host_;
  MenuLink& menu_;
  ResultsLinks links_;
  ReportNavigator* navigator_;
  TBasicResultsForm* basic_;
  std::map<ReportPage, TextReportForm*> reports_;
  QMenuBar* menuBar_;
  std::map<QString, QPushButton*> buttons_;
  std::map<QString, QAction*> actions_;
};

}  // namespace korvelan::app
