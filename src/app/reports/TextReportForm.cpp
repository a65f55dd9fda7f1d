#include "reports/TextReportForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/ReportPrinting.h"
#include "setup/FormStyle.h"

namespace korvelan::app {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

QString JoinLines(const std::vector<std::string>& lines) {
  QStringList joined;
  for (const std::string& line : lines) joined << Text(line);
  return joined.join('\n');
}

}  // namespace

TextReportForm::TextReportForm(ModelState& model, const QString& caption, Builder builder, PrintSinkFactory printer,
                               QWidget* parent)
    : ReportWindow(caption, std::move(printer), parent), model_(model), builder_(std::move(builder)) {
  sectionsArea_ = new QWidget;
  auto* sections = new QHBoxLayout(sectionsArea_);
  sections->setContentsMargins(0, 0, 0, 0);
  messages_ = new QLabel;
  messages_->setFont(FixedPitchFont());
  messages_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  warning_ = new QLabel;
  warning_->setStyleSheet("color: red; font-weight: bold;");
  Body()->addWidget(sectionsArea_, 1);
  Body()->addWidget(messages_);
  Body()->addWidget(warning_);
  resize(760, 520);
}

void TextReportForm::AddNodeSelector(const QString& caption, std::function<int(const ModelState&)> initial) {
  selector_ = new QComboBox;
  selector_->setMinimumWidth(90);
  initialNode_ = std::move(initial);
  auto* label = new QLabel(caption);
  label->setBuddy(selector_);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(selector_);
  row->addStretch(1);
  Body()->insertLayout(0, row);
  connect(selector_, &QComboBox::activated, this, [this](int index) { Show(selector_->itemData(index).toInt()); });
}

QPushButton* TextReportForm::AddSortCommand(const QString& caption, int order) {
  if (!commands_) {
    commands_ = new QWidget;
    auto* row = new QHBoxLayout(commands_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    Body()->insertWidget(0, commands_);
  }
  QPushButton* button = MakeButton(caption, "");
  auto* row = static_cast<QHBoxLayout*>(commands_->layout());
  row->insertWidget(row->count() - 1, button);
  connect(button, &QPushButton::clicked, this, [this, order] { Show(order); });
  return button;
}

void TextReportForm::StackSections() {
  static_cast<QBoxLayout*>(sectionsArea_->layout())->setDirection(QBoxLayout::TopToBottom);
}

void TextReportForm::Refresh() {
  int choice = 0;
  if (selector_) {
    selector_->clear();
    for (int n = 1; n <= model_.Numbnodes; ++n) selector_->addItem(QString::number(n), n);
    choice = initialNode_ ? initialNode_(model_) : 1;
    selector_->setCurrentIndex(selector_->findData(choice));
  }
  Show(choice);
}

void TextReportForm::Show(int choice) {
  choice_ = choice;
  report_ = builder_(model_, choice);
  setWindowTitle(Text(report_.caption));
  EnsureSections(report_.sections.size());
  for (size_t s = 0; s < lists_.size(); ++s) {
    const bool used = s < report_.sections.size();
    headings_[s]->setVisible(used && !report_.sections[s].heading.empty());
    lists_[s]->setVisible(used);
    if (!used) continue;
    headings_[s]->setText(Text(report_.sections[s].heading));
    FillList(lists_[s], report_.sections[s].lines);
  }
  messages_->setText(JoinLines(report_.messages));
  messages_->setVisible(!report_.messages.empty());
  warning_->setText(Text(report_.coverageWarning));
  warning_->setVisible(!report_.coverageWarning.empty());
}

void TextReportForm::EnsureSections(size_t count) {
  while (lists_.size() < count) {
    auto* column = new QVBoxLayout;
    auto* heading = new QLabel;
    QFont bold = FixedPitchFont();
    bold.setBold(true);
    heading->setFont(bold);
    auto* list = new QListWidget;
    list->setFont(FixedPitchFont());
    column->addWidget(heading);
    column->addWidget(list, 1);
    static_cast<QHBoxLayout*>(sectionsArea_->layout())->addLayout(column, 1);
    headings_.push_back(heading);
    lists_.push_back(list);
  }
}

void TextReportForm::PrintTo(PrintSink& sink) {
  report_ = builder_(model_, choice_);
  PrintListReport(sink, report_);
}

}  // namespace korvelan::app
