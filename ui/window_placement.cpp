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
}

}  // namespace quorvex
