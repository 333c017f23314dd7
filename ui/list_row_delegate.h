#pragma once

#include <QFont>
#include <QStyledItemDelegate>
#include <array>

namespace quorvex {

// Row sizes of a one-line text list from cached character widths. The list view asks every
// row's size whenever it lays out; the standard delegate shapes each row's text for that,
// which made a list of 100,000 rows take most of a second. Rows of characters beyond Latin-1
// (where shaping matters) are still measured the standard way.
class ListRowDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit ListRowDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  void Measure(const QStyleOptionViewItem& option, const QModelIndex& index) const;

  // Measured for this font; every size below belongs to it.
  mutable QFont font_;
  mutable bool measured_ = false;
  mutable std::array<qreal, 256> advances_{};
  mutable int padding_ = 0;
  mutable int height_ = 0;
};

}  // namespace quorvex
