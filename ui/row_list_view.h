#pragma once

#include <QAbstractListModel>
#include <QTableView>

#include "graph/value_table.h"

namespace quorvex {

// One list of the value table as a model: each row is formatted when the view asks for it, so
// a list of millions of rows costs nothing until it is shown.
class RowListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  RowListModel(const RowList& rows, QObject* parent);

  // Takes the rows as they are now (after a run).
  void Refresh();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  const RowList& rows_;
  int count_ = 0;
};

// A read-only list box over a RowListModel: one row per line, no grid or headers, both scroll
// bars, and a column that widens to the widest row shown so far (the widest of millions of rows
// is not known without formatting them all).
class RowListView : public QTableView {
  Q_OBJECT

 public:
  RowListView(const RowList& rows, QWidget* parent);

  // Shows the rows as they are now, from the top.
  void Refresh();
  RowListModel* rowModel() const { return model_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FitColumn();

  RowListModel* model_;
  int widest_ = 0;
};

}  // namespace quorvex
