// The main menu's border question: whether to read a region border for the map.
#include "shell/Dialogs.h"
#include "shell/MainUnit.h"

namespace korvelan::app {

void TKorvelanMain::ClearBorder() { border_.Clear(); }

void TKorvelanMain::AskForBorder() {
  if (!border_.askForBorder) return;
  const QString question = "Main File Name is " + QString::fromStdString(model_.DemandFileName) + "\r" +
                           "Do you want to read a border file?";
  if (dialogs_.Confirm(question)) ReadBorder();
  border_.askForBorder = dialogs_.Confirm("Should I ask again with this dataset?");
}

// A cancelled dialog or a file that does not read leaves no border.
void TKorvelanMain::ReadBorder() {
  const bool askAgain = border_.askForBorder;
  border_.Clear();
  border_.askForBorder = askAgain;
  const QString file = dialogs_.OpenFile("Input the name of the border file", "Border File|*.brd|All Files|*.*");
  if (file.isEmpty()) return;
  BorderFileResult read = ReadBorderFile(file.toStdString());
  if (!read.ok()) {
    dialogs_.Error(QString::fromStdString(read.error));
    return;
  }
  border_.fileName = file.toStdString();
  border_.points = std::move(read.points);
  border_.declaredCount = read.declaredCount;
}

}  // namespace korvelan::app
