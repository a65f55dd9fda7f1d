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

bool HasFrame(const QWidget* window) { return window->frameGeometry().size() != window->size(); }

// The window's outer rectangle with its frame. A window not shown yet has no
// frame; it borrows the frame of another window of the program.
QRect OuterRect(const QWidget* window) {
  if (HasFrame(window)) return window->frameGeometry();
  for (const QWidget* other : QApplication::topLevelWidgets())
    if (other != window && other->isVisible() && HasFrame(other))
      return QRect(window->pos(), window->size() + other->frameGeometry().size() - other->size());
  return window->frameGeometry();
}

QScreen* ScreenOf(const QWidget* window) {
  if (QScreen* screen = QGuiApplication::screenAt(OuterRect(window).center())) return screen;
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

// Only what the program does counts: the window system may report moves of a
// hidden window, and hides and shows of a minimised one.
bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool watchedType = type == QEvent::Hide || type == QEvent::Show || type == QEvent::Move;
  QWidget* window = watchedType && !event->spontaneous() ? PlacedWindow(watched) : nullptr;
  if (!window) return QObject::eventFilter(watched, event);
  if (type == QEvent::Hide) Remember(window);
  if (type == QEvent::Move && !window->isVisible()) Forget(window);
  if (type == QEvent::Show) PlaceForShowing(window);
  return QObject::eventFilter(watched, event);
}

// By the time a window is hidden the window system has told its frame, so its
// position is known exactly.
void WindowPlacement::Remember(QWidget* window) { window->setProperty(PlaceProperty, window->pos()); }

void WindowPlacement::Forget(QWidget* window) { window->setProperty(PlaceProperty, QVariant()); }

// The window is about to appear: back where it was, or where the program put
// it, and inside the screen. A dialog places itself over its parent.
void WindowPlacement::PlaceForShowing(QWidget* window) {
  const QVariant place = window->property(PlaceProperty);
  if (place.isValid())
    MoveTo(window, place.toPoint());
  else if (!window->testAttribute(Qt::WA_Moved) && window->windowType() == Qt::Window)
    PlaceFirstTime(window);
  if (window->testAttribute(Qt::WA_Moved)) KeepOnScreen(window);
}

// A window without a place of its own opens centred over the window the analyst
// works in, or on the screen when none is active.
void WindowPlacement::PlaceFirstTime(QWidget* window) {
  const QWidget* active = QApplication::activeWindow();
  const bool overActive = active && active != window && active->isVisible();
  QRect outer = OuterRect(window);
  outer.moveCenter(overActive ? active->frameGeometry().center() : ScreenOf(window)->availableGeometry().center());
  MoveTo(window, outer.topLeft());
}

// A window manager places a window that is shown again anew, as at its first
// showing, unless the window says where it goes: the native window is told even
// when the widget believes it is already there.
void WindowPlacement::MoveTo(QWidget* window, const QPoint& place) {
  window->move(place);
  if (QWindow* handle = window->windowHandle()) handle->setFramePosition(place);
}

void WindowPlacement::KeepOnScreen(QWidget* window) {
  const QRect outer = OuterRect(window);
  const QRect inside = KeptInside(outer, ScreenOf(window)->availableGeometry());
  if (inside == outer) return;
  if (inside.size() != outer.size()) window->resize(window->size() - (outer.size() - inside.size()));
  MoveTo(window, inside.topLeft());
}

}  // namespace korvelan::app
