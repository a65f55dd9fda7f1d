#include "setup/FormStyle.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace korvelan::app {

QPushButton* MakeButton(const QString& caption, const QString& hint) {
  auto* button = new QPushButton(caption);
  if (!hint.isEmpty()) button->setToolTip(hint);
  button->setAutoDefault(false);
  return button;
}

QFont FixedPitchFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

void FillList(QListWidget* list, const std::vector<std::string>& lines) {
  list->clear();
  for (const std::string& line : lines) list->addItem(QString::fromStdString(line));
}

void AppendLines(QListWidget* list, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) list->addItem(QString::fromStdString(line));
  const int newest = list->count() - 1;
  if (newest < 0) return;
  list->setCurrentRow(newest);
  list->scrollToItem(list->item(newest));
}

void SetRed(QLabel* label, bool red) { label->setStyleSheet(red ? "color: red;" : ""); }

void UncheckAll(QButtonGroup* group) {
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(false);
  group->setExclusive(true);
}

}  // namespace korvelan::app
