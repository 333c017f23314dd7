#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "graph/value_table.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace quorvex {

// TForm13 "Table and stats": the value table of the last run and its statistics on seven
// pages, filled from the ValueTable each time it opens.
class TableStatsWindow : public QDialog {
  Q_OBJECT

 public:
  // centre_over is the main window, on which the window opens centred.
  TableStatsWindow(const ValueTable& table, QWidget* centre_over, QWidget* parent = nullptr);

  // Fills the boxes and shows the window modally.
  void ShowModal();
  void Fill();

  QTabWidget* pages() const { return pages_; }
  QPushButton* closeButton() const { return close_; }

 public Q_SLOTS:
  void closeClick();

 private:
  QWidget* ListPage(const QString& caption, const char* list_name, const QString& label,
                    const char* count_name);
  QLineEdit* CountBox(const char* name, QWidget* parent);

  const ValueTable& table_;
  QWidget* centre_over_;
  QTabWidget* pages_;
  QPushButton* close_;
};

}  // namespace quorvex
