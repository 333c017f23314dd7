#include "ui/elided_label.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

namespace quorvex {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

QSize ElidedLabel::minimumSizeHint() const {
  return QSize(fontMetrics().horizontalAdvance(QStringLiteral("...")),
               QLabel::minimumSizeHint().height());
}

QSize ElidedLabel::sizeHint() const {
  // Never more than a screenful, whatever the text.
  const QSize full = QLabel::sizeHint();
  return QSize(std::min(full.width(), 400), full.height());
}

bool ElidedLabel::elided() const {
  return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void ElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = contentsRect();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
  style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                        shown, foregroundRole());
}

bool ElidedLabel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
    auto* help = static_cast<QHelpEvent*>(event);
    if (elided()) {
      QToolTip::showText(help->globalPos(), text(), this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QLabel::event(event);
}

namespace {

class FullTextTip : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr || event->type() != QEvent::ToolTip) return false;
    const QString text = box->text();
    // Room for the text: the box less its frame and the text margins.
    const int room = box->contentsRect().width() - 8;
    if (!text.isEmpty() && box->fontMetrics().horizontalAdvance(text) > room) {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, box);
      return true;
    }
    return false;
  }
};

}  // namespace

void ShowFullTextOnHover(QLineEdit* box) { box->installEventFilter(new FullTextTip(box)); }

}  // namespace quorvex
