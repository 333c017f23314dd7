#include "ui/graph_window.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/accessible_names.h"
#include "ui/chart_view.h"
#include "ui/elided_label.h"
#include "ui/table_stats_window.h"
#include "ui/text_convert.h"
#include "ui/window_placement.h"

namespace quorvex {
namespace {

// Centres without resizing: the window keeps the size the user gave it.
void CentreKeepingSize(QWidget* window, const QWidget* over) {
  if (over == nullptr || !over->isVisible() || window->isMaximized()) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(over->frameGeometry().center());
  window->move(frame.topLeft());
}

QByteArray PngBytes(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return png;
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
  // A long expression is cut with "..." so the window never outgrows the screen.
  formula_ = new ElidedLabel(top);
  formula_->setObjectName(QStringLiteral("formula"));
  readout_ = new QLabel(top);
  readout_->setObjectName(QStringLiteral("readout"));
  readout_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  readout_->setAccessibleName(QStringLiteral("Point under the pointer"));
  auto* top_layout = new QHBoxLayout(top);
  top_layout->setContentsMargins(8, 0, 8, 0);
  top_layout->addWidget(formula_, 1);
  top_layout->addWidget(readout_);

  graph_ = new ChartView(chart_, this);
  graph_->setContextMenuPolicy(Qt::ActionsContextMenu);
  struct MenuCommand {
    const char* name;
    const char* text;
    void (GraphWindow::*slot)();
  };
  const MenuCommand commands[] = {{"copygraph", "Copy graph", &GraphWindow::copyClick},
                                  {"savepng", "Save as PNG...", &GraphWindow::savePngClick},
                                  {"savesvg", "Save as SVG...", &GraphWindow::saveSvgClick}};
  for (const MenuCommand& command : commands) {
    auto* action = new QAction(QString::fromLatin1(command.text), graph_);
    action->setObjectName(QString::fromLatin1(command.name));
    connect(action, &QAction::triggered, this, command.slot);
    graph_->addAction(action);
  }
  // Home anywhere in the window, as well as the context menu, returns to the whole view.
  auto* undo_zoom = new QAction(QStringLiteral("Undo zoom"), graph_);
  undo_zoom->setObjectName(QStringLiteral("undozoom"));
  undo_zoom->setShortcut(QKeySequence(Qt::Key_Home));
  undo_zoom->setShortcutVisibleInContextMenu(true);
  connect(undo_zoom, &QAction::triggered, this, [this] {
    chart_.UndoZoom();
    graph_->update();
  });
  graph_->addAction(undo_zoom);

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
  connect(graph_, &ChartView::readoutChanged, readout_, &QLabel::setText);
  resize(508, 350);
  NameControls(this);
}

void GraphWindow::ShowModal(const GraphWindowState& state) {
  formula_->setText(ToQString(state.formula));
  table_->setEnabled(state.table_enabled);
  graph_->clearReadout();
  FitOnScreen(this);
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
  data->setData(QStringLiteral("image/png"), PngBytes(image));
  data->setImageData(image);
  QGuiApplication::clipboard()->setMimeData(data);
}

void GraphWindow::savePngClick() {
  const QString path =
      WithDefaultSuffix(choose_save_path_(this, QStringLiteral("Save graph as PNG"),
                                          SuggestedPicturePath(QStringLiteral("graph.png")),
                                          QStringLiteral("PNG pictures (*.png)")),
                        QStringLiteral(".png"));
  if (!path.isEmpty()) SaveFileOrSay(this, path, PngBytes(graph_->RenderImage()));
}

void GraphWindow::saveSvgClick() {
  const QString path =
      WithDefaultSuffix(choose_save_path_(this, QStringLiteral("Save graph as SVG"),
                                          SuggestedPicturePath(QStringLiteral("graph.svg")),
                                          QStringLiteral("SVG pictures (*.svg)")),
                        QStringLiteral(".svg"));
  if (!path.isEmpty()) SaveFileOrSay(this, path, graph_->RenderSvg());
}

void GraphWindow::closeClick() { accept(); }

}  // namespace quorvex
