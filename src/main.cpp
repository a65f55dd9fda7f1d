#include <QApplication>
#include <QLabel>

// The desktop program: one ModelState, the forms, the event loop.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("KORVELAN");
  QLabel placeholder("KORVELAN");
  placeholder.show();
  return QApplication::exec();
}
