#include "shell/WindowPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace korvelan::app {

namespace {

const char* const PlaceProperty = "korvelanWindowPlace";

// Windows and dialogs; not popups, tool tips or widgets inside a window.
QWidget* PlacedWindow(QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget || !widget->isWindow()) return nullptr;
  const Qt::WindowType type = widget->windowType();
  return type == Qt::Window || type == Qt::Dialog ? widget : nullptr;
}

QScreen* ScreenOf(const QWidget* window) {
  if (QScreen* screen = QGuiApplication::screenAt(window->frameGeometry().center())) return screen;
  return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

}  // namespace

WindowPlacement::WindowPlacement(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

WindowPlacement::~WindowPlacement() {
  if (qApp) qApp->removeEventFilter(this);
}

QRect WindowPlacement::KeptInside(QRect frame, const QRect& available) {
  frame.setWidth(std::min(frame.width(), available.width()));
  frame.setHeight(std::min(frame.height(), available.height()));
  if (frame.right() > available.right()) frame.moveRight(available.right());
  if (frame.bottom() > available.bottom()) frame.moveBottom(available.bottom());
  if (frame.left() < available.left()) frame.moveLeft(available.left());
  if (frame.top() < available.top()) frame.moveTop(available.top());
  return frame;
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::Move && type != QEvent::Show) return QObject::eventFilter(watched, event);
  QWidget* window = PlacedWindow(watched);
  if (!window) return QObject::eventFilter(watched, event);
  if (type == QEvent::Show && !event->spontaneous()) PlaceForShowing(window);
  if (type == QEvent::Move && window->isVisible()) Remember(window);
  // The window system may report moves of a hidden window; only the program's count.
  if (type == QEvent::Move && !window->isVisible() && !event->spontaneous()) Forget(window);
  return QObject::eventFilter(watched, event);
}

void WindowPlacement::Remember(QWidget* window) { window->setProperty(PlaceProperty, window->pos()); }

void WindowPlacement::Forget(QWidget* window) { window->setProperty(PlaceProperty, QVariant()); }

// The window is about to appear: back where it was, and inside the screen. A
// window never placed keeps the place the window system gives it.
void WindowPlacement::PlaceForShowing(QWidget* window) {
  const QVariant place = window->property(PlaceProperty);
  if (place.isValid()) MoveTo(window, place.toPoint());
  if (place.isValid() || window->testAttribute(Qt::WA_Moved)) KeepOnScreen(window);
}

// A window manager places a window that is shown again anew, as at its first
// showing, unless the window says where it goes: the native window is told even
// when the widget believes it is already there.
void WindowPlacement::MoveTo(QWidget* window, const QPoint& place) {
  window->move(place);
  if (QWindow* handle = window->windowHandle()) handle->setFramePosition(place);
}

void WindowPlacement::KeepOnScreen(QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect inside = KeptInside(frame, ScreenOf(window)->availableGeometry());
  if (inside == frame) return;
  if (inside.size() != frame.size()) window->resize(window->size() - (frame.size() - inside.size()));
  MoveTo(window, inside.topLeft());
}

}  // namespace korvelan::app
