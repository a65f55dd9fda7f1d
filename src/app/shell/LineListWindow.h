#pragma once
#include <QWidget>
#include <string>

class QListWidget;

namespace korvelan::app {

// A window that lists lines added by the solvers. It is created once and shown
// and hidden; the first line added while it is hidden clears the list and shows
// the window, so every run starts with its own lines.
class LineListWindow : public QWidget {
  Q_OBJECT
 public:
  LineListWindow(const QString& caption, const QString& listName, QWidget* parent = nullptr);
  void AddLine(const std::string& line);
  void Clear();
  QListWidget* List() const { return list_; }

 private:
  QListWidget* list_;
};

// "Messages": notes a solver leaves for the analyst during a run.
class TMessageForm : public LineListWindow {
  Q_OBJECT
 public:
  explicit TMessageForm(QWidget* parent = nullptr) : LineListWindow("Messages", "MessageBox", parent) {}
};

// "Error form": problems a solver met during a run.
class TErrorForm : public LineListWindow {
  Q_OBJECT
 public:
  explicit TErrorForm(QWidget* parent = nullptr) : LineListWindow("Error form", "ErrorBox", parent) {}
};

}  // namespace korvelan::app
