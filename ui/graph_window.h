#pragma once

#include <QDialog>

#include "graph/chart_model.h"
#include "graph/graph_run.h"
#include "graph/value_table.h"
#include "ui/save_file.h"

class QLabel;
class QPushButton;

namespace quorvex {

class ChartView;
class TableStatsWindow;

// TForm6 "Graph": the formula line, the chart of the last run, and the buttons for the table
// and statistics, the clipboard copy and closing. The chart's zoom is the model's. The chart's
// context menu copies it or saves it as PNG or SVG; a readout shows the point under the pointer.
class GraphWindow : public QDialog {
  Q_OBJECT

 public:
  // centre_over is the main window, on which this window and the table window open centred.
  GraphWindow(ChartModel& chart, const ValueTable& table, QWidget* centre_over,
              QWidget* parent = nullptr);

  // Shows the last run's formula, table button and chart modally; returns when closed.
  void ShowModal(const GraphWindowState& state);

  QLabel* formula() const { return formula_; }
  QLabel* readout() const { return readout_; }
  ChartView* graph() const { return graph_; }
  QPushButton* table() const { return table_; }
  QPushButton* copy() const { return copy_; }
  QPushButton* closeButton() const { return close_; }
  TableStatsWindow* tableStatsWindow() const { return table_window_; }
  // Where the saving commands ask for the file; the desktop's save dialog by default.
  void setSavePathChooser(SavePathChooser chooser) { choose_save_path_ = std::move(chooser); }

 public Q_SLOTS:
  void tableClick();
  void copyClick();
  void savePngClick();
  void saveSvgClick();
  void closeClick();

 private:
  ChartModel& chart_;
  QWidget* centre_over_;
  QLabel* formula_;
  QLabel* readout_;
  ChartView* graph_;
  QPushButton* table_;
  QPushButton* copy_;
  QPushButton* close_;
  TableStatsWindow* table_window_;
  SavePathChooser choose_save_path_ = ChooseSavePathByDialog;
};

}  // namespace quorvex
