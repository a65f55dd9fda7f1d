#pragma once
#include <QFont>
#include <QString>
#include <string>
#include <vector>

class QButtonGroup;
class QPushButton;
class QLabel;
class QListWidget;

namespace korvelan::app {

// A push button with its caption (mnemonic "&" kept) and its hint.
QPushButton* MakeButton(const QString& caption, const QString& hint);
// The fixed-pitch font of the lists and reports, so their columns line up.
QFont FixedPitchFont();
// Replace the list's lines with the given texts.
void FillList(QListWidget* list, const std::vector<std::string>& lines);
// Append the lines and select the newest, keeping it in view (progress lists).
void AppendLines(QListWidget* list, const std::vector<std::string>& lines);
// Radio groups start with nothing chosen; a group's own exclusivity would keep one checked.
void UncheckAll(QButtonGroup* group);
// A red or normal label text colour.
void SetRed(QLabel* label, bool red);

}  // namespace korvelan::app
