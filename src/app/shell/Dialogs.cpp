#include "shell/Dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "shell/Printing.h"

namespace korvelan::app {

QString MessageText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

QString QtFileFilter(const QString& filter) {
  if (!filter.contains(QLatin1Char('|'))) return filter;
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList entries;
  for (int k = 0; k + 1 < parts.size(); k += 2) entries << parts[k] + " (" + parts[k + 1] + ")";
  return entries.join(";;");
}

void QtDialogs::Warning(const QString& text) { QMessageBox::warning(parent_, "KORVELAN", MessageText(text)); }

void QtDialogs::Information(const QString& text) {
  QMessageBox::information(parent_, "KORVELAN", MessageText(text));
}

void QtDialogs::Error(const QString& text) { QMessageBox::critical(parent_, "KORVELAN", MessageText(text)); }

bool QtDialogs::Confirm(const QString& text) {
  return QMessageBox::question(parent_, "KORVELAN", MessageText(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

bool QtDialogs::WarningOkCancel(const QString& text) {
  return QMessageBox::warning(parent_, "KORVELAN", MessageText(text), QMessageBox::Ok | QMessageBox::Cancel,
                              QMessageBox::Ok) == QMessageBox::Ok;
}

QString QtDialogs::OpenFile(const QString& title, const QString& filter) {
  for (;;) {
    const QString name = QFileDialog::getOpenFileName(parent_, title, QString(), QtFileFilter(filter));
    if (name.isEmpty() || QFileInfo::exists(name)) return name;
    Error("File [" + name + "] does not exist... Try again.");
  }
}

QString QtDialogs::SaveFile(const QString& title, const QString& filter, const QString& defaultSuffix) {
  for (;;) {
    QFileDialog dialog(parent_, title, QString(), QtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QString suffix = defaultSuffix;  // given as "ext", ".ext" or "*.ext"
    while (suffix.startsWith('*') || suffix.startsWith('.')) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    // The file type of the default suffix is the one preselected.
    for (const QString& type : dialog.nameFilters())
      if (!suffix.isEmpty() && type.contains("*." + suffix + ")")) dialog.selectNameFilter(type);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString name = dialog.selectedFiles().first();
    if (!QFileInfo::exists(name)) return name;
    if (Confirm("File [" + name + "] exists.... \rDo you want to replace it?")) return name;
  }
}

bool QtDialogs::PrinterSetup() {
  QPrintDialog dialog(&SharedPrinter(), parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool ScriptedDialogs::Confirm(const QString& text) {
  shown.push_back({'C', text});
  if (answers.empty()) return false;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

QString ScriptedDialogs::OpenFile(const QString&, const QString&) {
  if (openFiles.empty()) return {};
  QString name = openFiles.front();
  openFiles.pop_front();
  return name;
}

QString ScriptedDialogs::SaveFile(const QString& title, const QString&, const QString&) {
  saveTitles.push_back(title);
  if (saveFiles.empty()) return {};
  QString name = saveFiles.front();
  saveFiles.pop_front();
  return name;
}

}  // namespace korvelan::app
