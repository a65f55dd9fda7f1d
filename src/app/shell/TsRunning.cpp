#include "shell/TsRunning.h"

#include <QLabel>
#include <QVBoxLayout>

namespace korvelan::app {

TRunning::TRunning(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
  setWindowTitle("Korvelan is Running ... Hang on ...");
  auto* label = new QLabel("KORVELAN is Running ...", this);
  label->setObjectName("RunningLabel");
  label->setAlignment(Qt::AlignCenter);
  QFont font = label->font();
  font.setPointSize(font.pointSize() + 6);
  font.setBold(true);
  label->setFont(font);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(40, 30, 40, 30);
  layout->addWidget(label);
}

}  // namespace korvelan::app
