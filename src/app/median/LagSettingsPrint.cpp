#include "median/LagSettingsPrint.h"

#include <QDir>
#include <QPixmap>
#include <QTemporaryFile>
#include <QWidget>

#include "shell/Printing.h"

namespace korvelan::app {

bool PrintSettingsForm(QWidget& form, Dialogs& dialogs, const QString& jobName) {
  QTemporaryFile picture(QDir::tempPath() + "/korvelan_settings_XXXXXX.png");
  if (!picture.open() || !form.grab().save(&picture, "PNG")) return false;
  picture.close();
  std::unique_ptr<QtPrintSink> job = OpenPrintJob(dialogs, jobName);
  if (!job) return false;
  job->Image(picture.fileName().toStdString());
  return job->Finish();
}

}  // namespace korvelan::app
