#include "ui/window_placement.h"

#include <QScreen>

namespace quorvex {

void CentreOn(QWidget* window, const QWidget* over) {
  QRect area;
  if (over != nullptr && over->isVisible()) {
    area = over->frameGeometry();
  } else if (QScreen* screen = window->screen()) {
    area = screen->availableGeometry();
  } else {
    return;
  }
  window->adjustSize();
  QRect frame = window->frameGeometry();
  frame.moveCenter(area.center());
  window->move(frame.topLeft());
  FitOnScreen(window);
}

void FitOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr || window->isMaximized()) return;
  const QRect free = screen->availableGeometry();
  const QRect frame = window->frameGeometry();
  const QSize border = frame.size() - window->size();
  const QSize fitted = window->size().boundedTo(free.size() - border);
  if (fitted != window->size()) window->resize(fitted.expandedTo(window->minimumSize()));
  QRect placed = window->frameGeometry();
  if (placed.right() > free.right()) placed.moveRight(free.right());
  if (placed.bottom() > free.bottom()) placed.moveBottom(free.bottom());
  if (placed.left() < free.left()) placed.moveLeft(free.left());
  if (placed.top() < free.top()) placed.moveTop(free.top());
  if (placed.topLeft() != window->frameGeometry().topLeft()) window->move(placed.topLeft());
}

}  // namespace quorvex
