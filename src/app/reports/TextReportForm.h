#pragma once
#include <functional>
#include <vector>

#include "model/ModelState.h"
#include "reports/ListReport.h"
#include "reports/ReportWindow.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace korvelan::app {

// A list report of the results chain: its lists with their headings, the
// message lines and the coverage warning, all built by core from the current
// solution every time the window is shown. Some reports look at one node
// (a selector) or offer orders (sort commands); the choice goes to the builder.
class TextReportForm : public ReportWindow {
  Q_OBJECT
 public:
  using Builder = std::function<ListReport(const ModelState&, int choice)>;

  TextReportForm(ModelState& model, const QString& caption, Builder builder, PrintSinkFactory printer,
                 QWidget* parent = nullptr);

  // A node selector ("Select &Node Number", "Select &Facility"): the choice is a node
  // number; `initial` picks the node shown first.
  void AddNodeSelector(const QString& caption, std::function<int(const ModelState&)> initial);
  // A sort command: the choice is the order.
  QPushButton* AddSortCommand(const QString& caption, int order);

  // Lists one above the other instead of side by side (for wide lines).
  void StackSections();

  void Refresh() override;
  void PrintTo(PrintSink& sink) override;

  const ListReport& Shown() const { return report_; }
  QComboBox* Selector() const { return selector_; }
  QListWidget* List(int section) const { return lists_.at(section); }
  QLabel* Heading(int section) const { return headings_.at(section); }
  QLabel* Messages() const { return messages_; }
  QLabel* Warning() const { return warning_; }

 private:
  void Show(int choice);
  void EnsureSections(size_t count);

  ModelState& model_;
  Builder builder_;
  ListReport report_;
  int choice_ = 0;
  QComboBox* selector_ = nullptr;
  std::function<int(const ModelState&)> initialNode_;
  QWidget* sectionsArea_;
  std::vector<QLabel*> headings_;
  std::vector<QListWidget*> lists_;
  QLabel* messages_;
  QLabel* warning_;
  QWidget* commands_ = nullptr;
};

}  // namespace korvelan::app
