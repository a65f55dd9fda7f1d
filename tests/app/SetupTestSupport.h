#pragma once
// Shared by the setup, run and results form tests: a main menu stand-in that
// applies the real enabling rules, and the small data set of tests/fixtures/forms.
#include <QApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>

#include "data/DataLoad.h"
#include "model/ModelState.h"
#include "setup/KeyFilter.h"
#include "setup/MenuLink.h"
#include "shell/Dialogs.h"
#include "reports/ReportWindow.h"
#include "shell/MenuStates.h"
#include "solve/RunHost.h"
#include "solve/PrintSink.h"

namespace korvelan::app::testing {

// Records what the forms report to the menu and keeps the menu's button states
// by the menu's own rules.
struct MenuRecorder {
  MenuState state = NextMenuState({}, MenuEvent::ProgramStarted);
  QList<MenuEvent> events;
  int menuShown = 0;
  MenuLink link;

  MenuRecorder() {
    link.apply = [this](MenuEvent e, char code) {
      events.push_back(e);
      state = NextMenuState(state, e, code);
    };
    link.showMenu = [this] { ++menuShown; };
    link.enabled = [this](MenuButton b) { return state[b]; };
  }
  // An event of the menu's own (a load, say) that the forms under test do not send.
  void Happen(MenuEvent e, char code = ' ') { state = NextMenuState(state, e, code); }
};

inline QString Fixture(const char* name) { return QString(KORVELAN_FIXTURES "/forms/") + name; }

// Loads tests/fixtures/forms/<name> (Euclidean); empty text on success.
inline std::string LoadFixture(ModelState& m, const char* name) {
  LoadRequest request;
  request.MetricCode = 'E';
  request.DemandFileName = Fixture(name).toStdString();
  return LoadDataSet(m, request);
}

// Counts the keys the key filters reject.
struct BeepCounter {
  int beeps = 0;
  BeepCounter() { KeyFilter::Beep() = [this] { ++beeps; }; }
  ~BeepCounter() { KeyFilter::Beep() = [] {}; }
};

// Makes the window the active one, so that clicks and keys move the keyboard
// focus as they do on a desktop.
inline bool MakeActive(QWidget& window) {
  window.show();
  QApplication::setActiveWindow(&window);
  return QTest::qWaitForWindowActive(&window);
}

// A left click on a control, as the analyst gives it: near its left end, where a
// radio button or check box has its mark, half way down.
inline void ClickOn(QWidget* control) {
  QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(std::min(8, control->width() / 2), control->height() / 2));
}

// A print job that lands in a recording the test keeps.
class ForwardingSink : public PrintSink {
 public:
  explicit ForwardingSink(RecordingPrintSink& target) : target_(target) {}
  void Line(const std::string& text, const PrintFont& font) override { target_.Line(text, font); }
  void Image(const std::string& source) override { target_.Image(source); }
  void PageBreak() override { target_.PageBreak(); }
  bool Finish() override { return target_.Finish(); }

 private:
  RecordingPrintSink& target_;
};

inline PrintSinkFactory RecordInto(RecordingPrintSink& target) {
  return [&target] { return std::make_unique<ForwardingSink>(target); };
}

// The printed lines as "<size><b if bold> <text>".
inline QStringList PrintedLines(const RecordingPrintSink& sink) {
  QStringList lines;
  for (const RecordingPrintSink::Item& item : sink.items) {
    if (item.kind != RecordingPrintSink::Kind::Line) continue;
    QString line = QString::number(item.font.pointSize) + (item.font.bold ? "b " : " ");
    lines << line + QString::fromStdString(item.text);
  }
  return lines;
}

// Every message shown, as "<kind>: <text>".
inline QStringList Texts(const ScriptedDialogs& dialogs) {
  QStringList texts;
  for (const ScriptedDialogs::Shown& s : dialogs.shown) texts << QString(s.kind) + ": " + s.text;
  return texts;
}

}  // namespace korvelan::app::testing
