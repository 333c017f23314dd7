#include "ui/graph_window.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/chart_view.h"
#include "ui/table_stats_window.h"
#include "ui/text_convert.h"

namespace quorvex {
namespace {

// Centres without resizing: the window keeps the size the user gave it.
void CentreKeepingSize(QWidget* window, const QWidget* over) {
  if (over == nullptr || !over->isVisible() || window->isMaximized()) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(over->frameGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace

GraphWindow::GraphWindow(ChartModel& chart, const ValueTable& table, QWidget* centre_over,
                         QWidget* parent)
    : QDialog(parent), chart_(chart), centre_over_(centre_over) {
  setObjectName(QStringLiteral("TForm6"));
  setWindowTitle(QStringLiteral("Graph"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
  setSizeGripEnabled(true);

  auto* top = new QWidget(this);
  top->setObjectName(QStringLiteral("top"));
  top->setFixedHeight(25);
  formula_ = new QLabel(top);
  formula_->setObjectName(QStringLiteral("formula"));
  auto* top_layout = new QHBoxLayout(top);
  top_layout->setContentsMargins(8, 0, 8, 0);
  top_layout->addWidget(formula_);

  graph_ = new ChartView(chart_, this);

  auto* bottom = new QWidget(this);
  bottom->setObjectName(QStringLiteral("bottom"));
  bottom->setFixedHeight(41);
  table_ = new QPushButton(QStringLiteral("Table and stats"), bottom);
  table_->setObjectName(QStringLiteral("table"));
  table_->setToolTip(QStringLiteral("Open table and stats form"));
  table_->setDefault(true);
  copy_ = new QPushButton(QStringLiteral("Copy graph"), bottom);
  copy_->setObjectName(QStringLiteral("copy"));
  copy_->setToolTip(QStringLiteral("Copy graph to clipboard as a metafile"));
  copy_->setAutoDefault(false);
  close_ = new QPushButton(QStringLiteral("Close"), bottom);
  close_->setObjectName(QStringLiteral("close"));
  close_->setToolTip(QStringLiteral("Close form"));
  close_->setAutoDefault(false);
  auto* bottom_layout = new QHBoxLayout(bottom);
  bottom_layout->setContentsMargins(8, 0, 8, 0);
  bottom_layout->addWidget(table_);
  bottom_layout->addWidget(copy_);
  bottom_layout->addWidget(close_);
  bottom_layout->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(top);
  layout->addWidget(graph_, 1);
  layout->addWidget(bottom);

  table_window_ = new TableStatsWindow(table, centre_over_, this);

  connect(table_, &QPushButton::clicked, this, &GraphWindow::tableClick);
  connect(copy_, &QPushButton::clicked, this, &GraphWindow::copyClick);
  connect(close_, &QPushButton::clicked, this, &GraphWindow::closeClick);
  connect(graph_, &ChartView::zoomChosen, this,
          [this](const ZoomRect& rect) { chart_.Zoom(rect); });
  connect(graph_, &ChartView::zoomUndoChosen, this, [this] { chart_.UndoZoom(); });
  resize(508, 350);
}

void GraphWindow::ShowModal(const GraphWindowState& state) {
  formula_->setText(ToQString(state.formula));
  table_->setEnabled(state.table_enabled);
  CentreKeepingSize(this, centre_over_);
  graph_->update();
  exec();
}

void GraphWindow::tableClick() { table_window_->ShowModal(); }

void GraphWindow::copyClick() {
  // No enhanced metafile here: the vector picture goes as SVG, with a PNG for programs that
  // take images only.
  auto* data = new QMimeData;
  data->setData(QStringLiteral("image/svg+xml"), graph_->RenderSvg());
  const QImage image = graph_->RenderImage();
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  data->setData(QStringLiteral("image/png"), png);
  data->setImageData(image);
  QGuiApplication::clipboard()->setMimeData(data);
}

void GraphWindow::closeClick() { accept(); }

}  // namespace quorvex
