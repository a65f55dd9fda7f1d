#include "shell/LineListWindow.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QVBoxLayout>

namespace korvelan::app {

LineListWindow::LineListWindow(const QString& caption, const QString& listName, QWidget* parent)
    : QWidget(parent, Qt::Window), list_(new QListWidget(this)) {
  setWindowTitle(caption);
  list_->setObjectName(listName);
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  resize(560, 320);
}

void LineListWindow::AddLine(const std::string& line) {
  if (isHidden()) {
    list_->clear();
    show();
  }
  list_->addItem(QString::fromStdString(line));
  list_->setCurrentRow(list_->count() - 1);
  list_->scrollToBottom();
}

void LineListWindow::Clear() { list_->clear(); }

}  // namespace korvelan::app
