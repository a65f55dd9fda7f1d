#include "shell/MenuStyle.h"

#include <QLabel>
#include <QVBoxLayout>

namespace korvelan::app {

QString MenuStyleSheet() {
  return R"(
#KorvelanMain { background: #eef2f7; }
#TitleLabel {
  color: white; font-size: 20pt; font-weight: bold; padding: 14px 20px;
  background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #12264a, stop:1 #2a5d8a);
}
QGroupBox {
  background: white; border: 1px solid #c9d3df; border-radius: 6px;
  margin-top: 14px; padding: 10px 8px 6px 8px; font-weight: bold; color: #2a3f57;
}
QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 4px; }
QPushButton {
  background: #2f6aa3; color: white; border: 1px solid #255684; border-radius: 4px;
  padding: 6px 12px; font-weight: bold;
}
QPushButton:hover { background: #3a7cbd; }
QPushButton:pressed { background: #24588a; }
QPushButton:focus { border: 2px solid #f0b429; }
QPushButton:disabled { background: #dfe5ec; color: #9aa7b5; border: 1px solid #cfd8e2; }
QLabel[guide="true"] { color: #33475b; font-weight: normal; padding-left: 6px; }
#IdlePanel { background: white; border: 1px solid #c9d3df; border-radius: 6px; }
#IdleCaption { color: #2a3f57; font-size: 16pt; font-weight: bold; }
#IdleNote { color: #5b6f84; font-size: 11pt; }
)";
}

QString HintLabelStyle(bool hintsShown) {
  return QString("QLabel { background: #1d2b3a; color: %1; border-radius: 4px; padding: 4px 8px; font-weight: bold; }")
      .arg(hintsShown ? "#32cd32" : "#ffff00");
}

QLabel* GuideLabel(const char* text) {
  auto* label = new QLabel(text);
  label->setProperty("guide", true);
  return label;
}

QWidget* BuildIdlePanel() {
  auto* panel = new QWidget;
  panel->setObjectName("IdlePanel");
  panel->setAttribute(Qt::WA_StyledBackground);
  auto* caption = new QLabel("KORVELAN");
  caption->setObjectName("IdleCaption");
  auto* note = new QLabel("Parameters are set. Run a model or trace tradeoff curves.");
  note->setObjectName("IdleNote");
  auto* layout = new QVBoxLayout(panel);
  layout->addStretch();
  layout->addWidget(caption, 0, Qt::AlignHCenter);
  layout->addWidget(note, 0, Qt::AlignHCenter);
  layout->addStretch();
  return panel;
}

QString MenuButtonName(MenuButton b) {
  static const char* const names[MenuButtonCount] = {
      "LoadData",   "SetParameters", "RunModels",    "TradeoffCurves", "DisplayResults",
      "MapResults", "ExchangeSites", "EditButton",   "ViewData",       "ExitKorvelan",
      "AboutButton", "HintShow",     "PrintSetter"};
  return names[static_cast<int>(b)];
}

}  // namespace korvelan::app
