#include "ui/list_row_delegate.h"

#include <QFontMetricsF>
#include <cmath>

namespace quorvex {

void ListRowDelegate::Measure(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QFontMetricsF metrics(option.font);
  for (size_t c = 0; c < advances_.size(); ++c) {
    advances_[c] = metrics.horizontalAdvance(QChar(static_cast<char16_t>(c)));
  }
  // The style's margins around the text, taken from one row measured the standard way.
  const QSize standard = QStyledItemDelegate::sizeHint(option, index);
  const QString text = index.data(Qt::DisplayRole).toString();
  padding_ = standard.width() - static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
  height_ = standard.height();
  font_ = option.font;
  measured_ = true;
}

QSize ListRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  if (!measured_ || option.font != font_) Measure(option, index);
  const QString text = index.data(Qt::DisplayRole).toString();
  qreal width = 0;
  for (const QChar c : text) {
    if (c.unicode() >= advances_.size()) return QStyledItemDelegate::sizeHint(option, index);
    width += advances_[c.unicode()];
  }
  // The unkerned sum is at least the shaped width (kerning narrows Latin pairs), so no row is
  // cut short.
  return QSize(static_cast<int>(std::ceil(width)) + padding_, height_);
}

}  // namespace quorvex
