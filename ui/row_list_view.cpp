#include "ui/row_list_view.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <limits>

#include "ui/text_convert.h"

namespace quorvex {

RowListModel::RowListModel(const RowList& rows, QObject* parent)
    : QAbstractListModel(parent), rows_(rows) {}

void RowListModel::Refresh() {
  beginResetModel();
  // A view counts rows in int.
  count_ = static_cast<int>(std::min<size_t>(rows_.size(), std::numeric_limits<int>::max()));
  endResetModel();
}

int RowListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : count_;
}

QVariant RowListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count_) return {};
  return ToQString(rows_[static_cast<size_t>(index.row())]);
}

RowListView::RowListView(const RowList& rows, QWidget* parent)
    : QTableView(parent), model_(new RowListModel(rows, this)) {
  setModel(model_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setShowGrid(false);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  // Every row one line high: the view never measures rows it does not show.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 2);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &RowListView::FitColumn);
}

void RowListView::Refresh() {
  model_->Refresh();
  widest_ = 0;
  scrollToTop();
  FitColumn();
}

void RowListView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  FitColumn();
}

void RowListView::FitColumn() {
  const int first = std::max(rowAt(0), 0);
  int last = rowAt(viewport()->height() - 1);
  if (last < 0) last = std::min(model_->rowCount() - 1, first + viewport()->height());
  const QFontMetrics metrics = fontMetrics();
  for (int row = first; row <= last && row < model_->rowCount(); ++row) {
    const QString text = model_->data(model_->index(row), Qt::DisplayRole).toString();
    widest_ = std::max(widest_, metrics.horizontalAdvance(text) + 8);
  }
  const int width = std::max(widest_, viewport()->width());
  if (columnWidth(0) != width) setColumnWidth(0, width);
}

}  // namespace quorvex
