#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "graph/value_table.h"
#include "settings/mask_settings.h"
#include "ui/save_file.h"

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace quorvex {

// TForm13 "Table and stats": the value table of the last run and its statistics on seven
// pages, filled from the ValueTable each time it opens. The six lists are views over the stored
// rows, so the window opens at once for millions of them. The table can be copied to the
// clipboard or saved as CSV.
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
  QPushButton* copyTableButton() const { return copy_table_; }
  QPushButton* saveCsvButton() const { return save_csv_; }

  // The table as CSV (see TableCsv), as copied and saved; the prefix and suffix of the mask the
  // rows are shown with are left out.
  QByteArray Csv() const;
  // The same piece by piece, as saved; false once write failed.
  bool WriteCsv(const ByteSink& write) const;
  // Where Save as CSV asks for the file; the desktop's save dialog by default.
  void setSavePathChooser(SavePathChooser chooser) { choose_save_path_ = std::move(chooser); }

 public Q_SLOTS:
  void closeClick();
  void copyTableClick();
  void saveCsvClick();

 private:
  QWidget* ListPage(const QString& caption, const char* list_name, const QString& label,
                    const char* count_name);
  QLineEdit* CountBox(const char* name, QWidget* parent);

  const ValueTable& table_;
  QWidget* centre_over_;
  QTabWidget* pages_;
  QPushButton* close_;
  QPushButton* copy_table_;
  QPushButton* save_csv_;
  SavePathChooser choose_save_path_ = ChooseSavePathByDialog;
};

}  // namespace quorvex
