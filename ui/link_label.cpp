#include "ui/link_label.h"

#include <QMouseEvent>

namespace quorvex {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
  SetColour(palette().color(QPalette::Highlight));
}

void LinkLabel::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  SetColour(HoverColour());
  QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
  hovered_ = false;
  SetColour(palette().color(QPalette::Highlight));
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
    const QColor highlight = palette().color(QPalette::Highlight);
    if (palette().color(QPalette::WindowText) != highlight) SetColour(highlight);
  }
  QLabel::changeEvent(event);
}

void LinkLabel::SetColour(const QColor& colour) {
  QPalette shade = palette();
  shade.setColor(QPalette::WindowText, colour);
  setPalette(shade);
}

}  // namespace quorvex
