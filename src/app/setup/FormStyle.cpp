#include "setup/FormStyle.h"

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

void SetRed(QLabel* label, bool red) { label->setStyleSheet(red ? "color: red;" : ""); }

}  // namespace korvelan::app
