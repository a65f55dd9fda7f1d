#pragma once
#include <QString>
#include <QStringList>
#include <deque>

class QWidget;

namespace korvelan::app {

// Everything a form asks of the user through a modal window. The program uses
// QtDialogs; the tests use ScriptedDialogs, so no test ever waits for a person.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void Warning(const QString& text) = 0;
  virtual void Information(const QString& text) = 0;
  virtual void Error(const QString& text) = 0;
  // Yes/No; true for Yes.
  virtual bool Confirm(const QString& text) = 0;
  // A warning with OK and Cancel; true for OK. Scripted like a confirmation.
  virtual bool WarningOkCancel(const QString& text) { return Confirm(text); }
  // Open dialog, repeated while the chosen file does not exist; empty when cancelled.
  virtual QString OpenFile(const QString& title, const QString& filter) = 0;
  // Save dialog, repeated while the chosen file exists and the user declines to
  // replace it; empty when cancelled.
  virtual QString SaveFile(const QString& title, const QString& filter, const QString& defaultSuffix) = 0;
  // Printer set-up; true when accepted.
  virtual bool PrinterSetup() = 0;
};

// Message texts are written with "\r" as the line break; a message box shows "\n".
QString MessageText(const QString& text);

// File filters are written as "Description|*.ext|Description|*.*"; a file dialog
// wants "Description (*.ext);;Description (*.*)". A filter already in that form
// (no "|") is passed through.
QString QtFileFilter(const QString& filter);

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  // The window the message boxes and file dialogs are centred on.
  void SetParent(QWidget* parent) { parent_ = parent; }
  void Warning(const QString& text) override;
  void Information(const QString& text) override;
  void Error(const QString& text) override;
  bool Confirm(const QString& text) override;
  bool WarningOkCancel(const QString& text) override;
  QString OpenFile(const QString& title, const QString& filter) override;
  QString SaveFile(const QString& title, const QString& filter, const QString& defaultSuffix) override;
  bool PrinterSetup() override;

 private:
  QWidget* parent_;
};

// Records every message; answers confirmations and file dialogs from queues.
class ScriptedDialogs : public Dialogs {
 public:
  struct Shown {
    char kind;  // 'W', 'I', 'E', 'C'
    QString text;
  };
  QList<Shown> shown;
  std::deque<bool> answers;       // confirmations in turn; No when empty
  std::deque<QString> openFiles;  // open dialogs in turn; cancelled when empty
  std::deque<QString> saveFiles;  // save dialogs in turn; cancelled when empty
  bool printerAccepted = false;
  int printerSetups = 0;  // printer set-up dialogs opened
  QStringList saveTitles;  // titles of the save dialogs asked, in turn

  void Warning(const QString& text) override { shown.push_back({'W', text}); }
  void Information(const QString& text) override { shown.push_back({'I', text}); }
  void Error(const QString& text) override { shown.push_back({'E', text}); }
  bool Confirm(const QString& text) override;
  QString OpenFile(const QString& title, const QString& filter) override;
  QString SaveFile(const QString& title, const QString& filter, const QString& defaultSuffix) override;
  bool PrinterSetup() override {
    ++printerSetups;
    return printerAccepted;
  }
};

}  // namespace korvelan::app
