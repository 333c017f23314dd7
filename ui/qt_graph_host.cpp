#include "ui/qt_graph_host.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <algorithm>

#include "ui/graph_window.h"
#include "ui/reminder_dialog.h"
#include "ui/table_stats_window.h"
#include "ui/text_convert.h"
#include "ui/window_placement.h"

namespace quorvex {

QtGraphHost::QtGraphHost(Calculator& calculator, QProgressBar* bar, QLineEdit* answer,
                         QWidget* main_window)
    : calculator_(calculator),
      bar_(bar),
      answer_(answer),
      main_window_(main_window),
      reminder_(new ReminderDialog(main_window)),
      graph_window_(
          new GraphWindow(calculator.chart(), calculator.table(), main_window, main_window)) {}

bool QtGraphHost::ConfirmLongRun() {
  CentreOn(reminder_, main_window_);
  return reminder_->Ask();
}

void QtGraphHost::SetGaugeMaximum(int maximum) {
  bar_->setRange(0, std::max(maximum, 0));
  bar_->setValue(0);
  painted_pixels_ = -1;
  bar_->repaint();
}

void QtGraphHost::SetGaugePosition(int position) {
  // QProgressBar ignores values beyond its range instead of limiting them.
  const int limited = std::clamp(position, bar_->minimum(), bar_->maximum());
  if (limited == bar_->value()) return;
  // Setting the value (which formats the gauge's text) and painting cost more than a point's
  // calculation: only when the filled part grows by a pixel, and at the end.
  const int span = std::max(bar_->maximum() - bar_->minimum(), 1);
  const int pixels =
      static_cast<int>(static_cast<int64_t>(limited - bar_->minimum()) * bar_->width() / span);
  if (pixels == painted_pixels_ && limited != bar_->maximum()) return;
  painted_pixels_ = pixels;
  bar_->setValue(limited);
  bar_->repaint();
}

void QtGraphHost::ShowGauge() {
  bar_->show();
  // The layout would place the gauge only in the event loop, which the run does not reach.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  bar_->window()->repaint();
}

void QtGraphHost::ShowGraphWindow(std::string_view answer) {
  answer_->setText(ToQString(answer));
  answer_->setCursorPosition(0);
  answer_->repaint();
  graph_window_->ShowModal(calculator_.graph_window());
}

}  // namespace quorvex
