#include "reports/ReportNavigator.h"

#include <QWidget>

#include "reports/ReportWindow.h"

namespace korvelan::app {

ReportNavigator::ReportNavigator(ModelState& model, QWidget* resultsForm, QObject* parent)
    : QObject(parent), model_(model), resultsForm_(resultsForm) {}

void ReportNavigator::Add(ReportPage page, ReportWindow* window) {
  windows_[page] = window;
  Connect(window);
}

void ReportNavigator::AddChoice(ReportPage page, const std::vector<ReportWindow*>& windows,
                                std::function<ReportWindow*()> choose) {
  choices_[page] = std::move(choose);
  for (ReportWindow* window : windows) Connect(window);
}

void ReportNavigator::Connect(ReportWindow* window) {
  connect(window, &ReportWindow::nextRequested, this, [this] { Step(true); });
  connect(window, &ReportWindow::lastRequested, this, [this] { Step(false); });
  connect(window, &ReportWindow::cancelRequested, this, &ReportNavigator::Cancel);
}

ReportWindow* ReportNavigator::Window(ReportPage page) const {
  const auto choice = choices_.find(page);
  if (choice != choices_.end()) return choice->second();
  const auto found = windows_.find(page);
  return found == windows_.end() ? nullptr : found->second;
}

void ReportNavigator::ShowWindow(ReportWindow* window, bool inChain) {
  if (current_ && current_ != window) current_->hide();
  current_ = window;
  window->SetNavigationVisible(inChain);
  window->show();
  window->raise();
}

void ReportNavigator::Open(ReportPage page) {
  // The chain has fewer than thirty pages: a page this program lacks is passed over.
  for (int guard = 0; guard < 30 && !Has(page); ++guard) page = NextReport(model_, page);
  if (!Has(page)) return;
  back_ = nullptr;
  currentPage_ = page;
  ShowWindow(Window(page), true);
}

void ReportNavigator::OpenOutside(ReportPage page, std::function<void()> back) {
  if (!Has(page)) return;
  back_ = std::move(back);
  currentPage_ = page;
  ShowWindow(Window(page), false);
}

void ReportNavigator::Step(bool forward) {
  ReportPage page = currentPage_;
  for (int guard = 0; guard < 30; ++guard) {
    page = forward ? NextReport(model_, page) : PreviousReport(model_, page);
    if (Has(page)) break;
  }
  if (!Has(page)) return;
  currentPage_ = page;
  ShowWindow(Window(page), true);
}

void ReportNavigator::Cancel() {
  if (current_) current_->hide();
  current_ = nullptr;
  if (back_) {
    const std::function<void()> back = std::move(back_);
    back_ = nullptr;
    back();
    return;
  }
  if (resultsForm_) resultsForm_->show();
}

}  // namespace korvelan::app
