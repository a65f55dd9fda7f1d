#pragma once
#include <QString>

class QWidget;

namespace korvelan::app {

class Dialogs;

// Prints a settings report as a picture of the form on the shared printer (a PDF
// file when no printer is installed). Returns false when nothing was printed.
bool PrintSettingsForm(QWidget& form, Dialogs& dialogs, const QString& jobName);

}  // namespace korvelan::app
