#include "ui/table_stats_window.h"

#include <QClipboard>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <string_view>

#include "ui/accessible_names.h"
#include "ui/row_list_view.h"
#include "ui/table_csv.h"
#include "ui/text_convert.h"
#include "ui/window_placement.h"

namespace quorvex {
namespace {

struct ListBox {
  const char* name;
  const RowList ValueTable::*rows;
};

struct CountText {
  const char* name;
  const std::string ValueTable::*text;
};

const ListBox kLists[] = {{"table", &ValueTable::table}, {"top", &ValueTable::top},
                          {"max", &ValueTable::max},     {"bottom", &ValueTable::bottom},
                          {"min", &ValueTable::min},     {"zero", &ValueTable::zero}};

const CountText kTexts[] = {
    {"count", &ValueTable::count},       {"maxvalue", &ValueTable::maxvalue},
    {"minvalue", &ValueTable::minvalue}, {"sum", &ValueTable::sum},
    {"area", &ValueTable::area},         {"tcount", &ValueTable::tcount},
    {"maxcount", &ValueTable::maxcount}, {"bcount", &ValueTable::bcount},
    {"mincount", &ValueTable::mincount}, {"zcount", &ValueTable::zcount}};

}  // namespace

TableStatsWindow::TableStatsWindow(const ValueTable& table, QWidget* centre_over, QWidget* parent)
    : QDialog(parent), table_(table), centre_over_(centre_over) {
  setObjectName(QStringLiteral("TForm13"));
  setWindowTitle(QStringLiteral("Table and stats"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("pages"));
  pages_->addTab(
      ListPage(QStringLiteral("Table"), "table", QStringLiteral("Table points:"), "count"),
      QStringLiteral("Table"));

  auto* stats = new QWidget(pages_);
  auto* stats_group = new QGroupBox(QStringLiteral("Table stats"), stats);
  auto* form = new QFormLayout(stats_group);
  form->addRow(QStringLiteral("Max point value:"), CountBox("maxvalue", stats_group));
  form->addRow(QStringLiteral("Min point value:"), CountBox("minvalue", stats_group));
  form->addRow(QStringLiteral("Sum points:"), CountBox("sum", stats_group));
  form->addRow(QStringLiteral("Points area:"), CountBox("area", stats_group));
  auto* stats_layout = new QVBoxLayout(stats);
  stats_layout->addWidget(stats_group);
  stats_layout->addStretch(1);
  pages_->addTab(stats, QStringLiteral("Table stats"));

  pages_->addTab(
      ListPage(QStringLiteral("Top points"), "top", QStringLiteral("Top points:"), "tcount"),
      QStringLiteral("Top points"));
  pages_->addTab(
      ListPage(QStringLiteral("Max points"), "max", QStringLiteral("Max points:"), "maxcount"),
      QStringLiteral("Max points"));
  pages_->addTab(ListPage(QStringLiteral("Bottom points"), "bottom",
                          QStringLiteral("Bottom points:"), "bcount"),
                 QStringLiteral("Bottom points"));
  pages_->addTab(
      ListPage(QStringLiteral("Min points"), "min", QStringLiteral("Min points:"), "mincount"),
      QStringLiteral("Min points"));
  pages_->addTab(
      ListPage(QStringLiteral("Zero points"), "zero", QStringLiteral("Zero points:"), "zcount"),
      QStringLiteral("Zero points"));

  close_ = new QPushButton(QStringLiteral("Close"), this);
  close_->setObjectName(QStringLiteral("close"));
  close_->setToolTip(QStringLiteral("Close form"));
  close_->setDefault(true);
  connect(close_, &QPushButton::clicked, this, &TableStatsWindow::closeClick);
  // Not default buttons: Enter keeps closing the window.
  copy_table_ = new QPushButton(QStringLiteral("Copy table"), this);
  copy_table_->setObjectName(QStringLiteral("copytable"));
  copy_table_->setToolTip(QStringLiteral("Copy the table to the clipboard"));
  copy_table_->setAutoDefault(false);
  connect(copy_table_, &QPushButton::clicked, this, &TableStatsWindow::copyTableClick);
  save_csv_ = new QPushButton(QStringLiteral("Save as CSV..."), this);
  save_csv_->setObjectName(QStringLiteral("savecsv"));
  save_csv_->setToolTip(QStringLiteral("Save the table as a CSV file"));
  save_csv_->setAutoDefault(false);
  connect(save_csv_, &QPushButton::clicked, this, &TableStatsWindow::saveCsvClick);

  QWidget::setTabOrder(save_csv_, close_);  // left to right, as they stand

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copy_table_);
  buttons->addWidget(save_csv_);
  buttons->addStretch(1);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);
  // Wide enough for all seven tabs, so none hides behind scroll arrows.
  pages_->setUsesScrollButtons(false);
  setFixedSize(std::max(480, pages_->tabBar()->sizeHint().width() + 40), 400);
  NameControls(this);
}

QLineEdit* TableStatsWindow::CountBox(const char* name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setReadOnly(true);
  return box;
}

QWidget* TableStatsWindow::ListPage(const QString& caption, const char* list_name,
                                    const QString& label, const char* count_name) {
  auto* page = new QWidget(pages_);
  auto* group = new QGroupBox(caption, page);
  const ListBox* box = std::find_if(std::begin(kLists), std::end(kLists), [&](const ListBox& b) {
    return std::string_view(b.name) == list_name;
  });
  auto* list = new RowListView(table_.*(box->rows), group);
  list->setObjectName(QString::fromLatin1(list_name));
  auto* count_row = new QHBoxLayout;
  auto* count_label = new QLabel(label, group);
  QLineEdit* count = CountBox(count_name, group);
  count_label->setBuddy(count);
  count_row->addWidget(count_label);
  count_row->addWidget(count, 1);
  auto* group_layout = new QVBoxLayout(group);
  group_layout->addWidget(list, 1);
  group_layout->addLayout(count_row);
  auto* page_layout = new QVBoxLayout(page);
  page_layout->addWidget(group);
  return page;
}

void TableStatsWindow::Fill() {
  for (const ListBox& box : kLists) {
    findChild<RowListView*>(QString::fromLatin1(box.name))->Refresh();
  }
  for (const CountText& text : kTexts) {
    auto* edit = findChild<QLineEdit*>(QString::fromLatin1(text.name));
    edit->setText(ToQString(table_.*text.text));
    edit->setCursorPosition(0);
  }
}

void TableStatsWindow::ShowModal() {
  Fill();
  pages_->setCurrentIndex(0);
  CentreOn(this, centre_over_);
  exec();
}

void TableStatsWindow::closeClick() { accept(); }

bool TableStatsWindow::WriteCsv(const ByteSink& write) const {
  constexpr size_t kPiece = size_t{1} << 20;
  std::string piece(kTableCsvHeader);
  bool written = true;
  table_.table.ForEachRow([&](const std::string& row) {
    if (!written) return;
    AppendTableCsvLine(row, table_.mask, piece);
    if (piece.size() < kPiece) return;
    written = write(QByteArray(piece.data(), static_cast<qsizetype>(piece.size())));
    piece.clear();
  });
  return written && write(QByteArray(piece.data(), static_cast<qsizetype>(piece.size())));
}

QByteArray TableStatsWindow::Csv() const {
  QByteArray csv;
  WriteCsv([&](const QByteArray& piece) {
    csv += piece;
    return true;
  });
  return csv;
}

void TableStatsWindow::copyTableClick() {
  const QByteArray csv = Csv();
  auto* data = new QMimeData;
  data->setData(QStringLiteral("text/csv"), csv);
  // The same bytes as plain text, shared rather than copied into a second, UTF-16 text.
  data->setData(QStringLiteral("text/plain"), csv);
  QGuiApplication::clipboard()->setMimeData(data);
}

void TableStatsWindow::saveCsvClick() {
  const QString path =
      WithDefaultSuffix(choose_save_path_(this, QStringLiteral("Save table as CSV"),
                                          SuggestedDocumentPath(QStringLiteral("table.csv")),
                                          QStringLiteral("CSV files (*.csv)")),
                        QStringLiteral(".csv"));
  if (!path.isEmpty()) {
    SaveFileOrSay(this, path, [this](const ByteSink& write) { return WriteCsv(write); });
  }
}

}  // namespace quorvex
