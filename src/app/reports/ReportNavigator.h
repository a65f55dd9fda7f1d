#pragma once
#include <QObject>
#include <functional>
#include <map>
#include <vector>

#include "model/ModelState.h"
#include "reports/ReportChain.h"

class QWidget;

namespace korvelan::app {

class ReportWindow;

// Pages through the results chain: one report window visible at a time, "Next
// &Report" and "&Last Report" in the order core gives, "&Cancel" back to the
// window the report was opened from. Pages whose window this program does not
// have are passed over.
class ReportNavigator : public QObject {
  Q_OBJECT
 public:
  ReportNavigator(ModelState& model, QWidget* resultsForm, QObject* parent = nullptr);

  void Add(ReportPage page, ReportWindow* window);
  // A page shown by one of several windows, the one `choose` gives for the
  // current model (null: the page is passed over).
  void AddChoice(ReportPage page, const std::vector<ReportWindow*>& windows, std::function<ReportWindow*()> choose);
  bool Has(ReportPage page) const { return Window(page) != nullptr; }
  ReportWindow* Window(ReportPage page) const;

  // Opens a page of the chain (from the results form).
  void Open(ReportPage page);
  // Opens a page on its own: no chain commands, and "&Cancel" runs `back`.
  void OpenOutside(ReportPage page, std::function<void()> back);

  ReportWindow* Current() const { return current_; }

 private:
  void Connect(ReportWindow* window);
  void Step(bool forward);
  void Cancel();
  void ShowWindow(ReportWindow* window, bool inChain);

  ModelState& model_;
  QWidget* resultsForm_;
  std::map<ReportPage, ReportWindow*> windows_;
  std::map<ReportPage, std::function<ReportWindow*()>> choices_;
  ReportWindow* current_ = nullptr;
  ReportPage currentPage_ = ReportPage::BasicResults;
  std::function<void()> back_;
};

}  // namespace korvelan::app
