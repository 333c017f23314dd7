#include "ui/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "ui/contrast.h"

namespace quorvex {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(text);
  SetColour(RestColour());
}

QColor LinkLabel::RestColour() const {
  // Some dark palettes pair a dark highlight with a dark window (1.6:1): keep the hue, fix the
  // lightness.
  return ReadableOn(palette().color(QPalette::Window), palette().color(QPalette::Highlight));
}

void LinkLabel::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  SetColour(HoverColour());
  QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
  hovered_ = false;
  SetColour(RestColour());
  QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Q_EMIT clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

void LinkLabel::changeEvent(QEvent* event) {
  // Follow a switch between light and dark palettes.
  if (event->type() == QEvent::PaletteChange && !hovered_) {
    const QColor rest = RestColour();
    if (palette().color(QPalette::WindowText) != rest) SetColour(rest);
  }
  QLabel::changeEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      Q_EMIT clicked();
      return;
    default:
      QLabel::keyPressEvent(event);
  }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  // The keyboard user must see which link Enter follows.
  QStylePainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = contentsRect();
  option.backgroundColor = palette().color(QPalette::Window);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void LinkLabel::SetColour(const QColor& colour) {
  QPalette shade = palette();
  shade.setColor(QPalette::WindowText, colour);
  setPalette(shade);
}

}  // namespace quorvex
