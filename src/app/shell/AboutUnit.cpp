#include "shell/AboutUnit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Version.h"
#include "model/Types.h"

namespace korvelan::app {

namespace {

QLabel* AddLabel(QVBoxLayout* layout, const QString& text, const QString& name, int extraPoints = 0,
                 bool bold = false) {
  auto* label = new QLabel(text);
  label->setObjectName(name);
  label->setWordWrap(true);
  QFont font = label->font();
  font.setPointSize(font.pointSize() + extraPoints);
  font.setBold(bold);
  label->setFont(font);
  layout->addWidget(label);
  return label;
}

QDateTime ProgramFileTime() {
  return QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
}

const char* const ProblemsSolved[] = {
    "Maximum Covering",           "P-Median",
    "Uncapacitated Fixed Charge", "P-Center",
    "Set Covering",               "Partial Covering P-Center",
    "Partial Covering Set Covering", "Brask Integrated Location Inventory Model"};

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("AboutBox");
  setWindowTitle("About KORVELAN");
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet(
      "#AboutBox { background: white; border: 1px solid #2a5d8a; }"
      "#ProductName { color: #12264a; letter-spacing: 4px; }"
      "#ProblemsHeading, #Version { color: #2a3f57; }"
      "#Problem { color: #33475b; }");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(28, 22, 28, 22);
  AddLabel(layout, "KORVELAN", "ProductName", 14, true);
  AddLabel(layout, "Max Nodes = " + QString::number(MaxNodes), "MaxNodesLabel");
  AddLabel(layout,
           "This program solves a variety of facilty location problems using a number of different algorithms.",
           "Comments");
  layout->addSpacing(8);
  AddLabel(layout, "Problems solved include:", "ProblemsHeading", 0, true);
  for (const char* problem : ProblemsSolved) AddLabel(layout, QString("    ") + problem, "Problem");
  layout->addSpacing(8);
  auto* rule = new QFrame;
  rule->setFrameShape(QFrame::HLine);
  layout->addWidget(rule);
  AddLabel(layout, VersionLine(KORVELAN_VERSION_TEXT, ProgramFileTime()), "Version");
  OKButton = new QPushButton("OK");
  OKButton->setObjectName("OKButton");
  OKButton->setDefault(true);
  layout->addWidget(OKButton, 0, Qt::AlignHCenter);
  connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
  setFixedWidth(440);
}

QString TAboutBox::VersionLine(const QString& version, const QDateTime& fileTime) {
  return "Version " + version + "   " + fileTime.toString("yyyy-MM-dd") + " at " + fileTime.toString("HH:mm:ss");
}

void TAboutBox::ShowAsSplash() {
  splash_ = true;
  OKButton->setVisible(false);
  SetStayOnTop(true);
  show();
}

void TAboutBox::EndSplash() {
  if (!splash_) return;
  OKButton->setVisible(true);
  close();
  splash_ = false;
  SetStayOnTop(false);
}

void TAboutBox::ShowWithOk() {
  EndSplash();
  OKButton->setVisible(true);
  show();
  raise();
  activateWindow();
}

void TAboutBox::OKButtonClick() { close(); }

void TAboutBox::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!splash_) emit finished();
}

void TAboutBox::SetStayOnTop(bool on) {
  const bool shown = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (shown) show();  // changing the flags hides a shown window
}

}  // namespace korvelan::app
