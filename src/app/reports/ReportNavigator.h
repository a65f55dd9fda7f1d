#pragma once
#include <QObject>
#include <functional>
#include <map>

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
  bool Has(ReportPage page) const { return windows_.count(page) > 0; }
  ReportWindow* Window(ReportPage page) const;

  // Opens a page of the chain (from the results form).
  void Open(ReportPage page);
  // Opens a page on its own: no chain commands, and "&Cancel" runs `back`.
  void OpenOutside(ReportPage page, std::function<void()> back);

  ReportWindow* Current() const { return current_; }

 private:
  void Step(bool forward);
  void Cancel();
  void ShowWindow(ReportWindow* window, bool inChain);

  ModelState& model_;
  QWidget* resultsForm_;
  std::map<ReportPage, ReportWindow*> windows_;
  ReportWindow* current_ = nullptr;
  ReportPage currentPage_ = ReportPage::BasicResults;
  std::function<void()> back_;
};

}  // namespace korvelan::app
