#include "ui/splash_window.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/accessible_names.h"
#include "ui/icons.h"
#include "ui/window_placement.h"

namespace quorvex {

SplashWindow::SplashWindow(int duration_ms, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  InitUiResources();
  setObjectName(QStringLiteral("TForm8"));
  setWindowTitle(QStringLiteral("Quorvex"));
  setFixedSize(400, 250);

  auto* splash = new QLabel(this);
  splash->setObjectName(QStringLiteral("splash"));
  splash->setPixmap(QIcon(QStringLiteral(":/pictures/splash.svg")).pixmap(QSize(400, 250)));
  splash->setScaledContents(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splash);
  // About and "Check current version" must tell which version this is.
  auto* version =
      new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(QUORVEX_VERSION)), splash);
  version->setObjectName(QStringLiteral("version"));
  version->setStyleSheet(
      QStringLiteral("color: #ffffff; background: rgba(0, 0, 0, 110); padding: 2px 6px;"));
  version->adjustSize();
  version->move(400 - version->width() - 12, 250 - version->height() - 10);

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("timer"));
  timer_->setInterval(duration_ms);
  connect(timer_, &QTimer::timeout, this, &SplashWindow::timerTimer);
  NameControls(this);
}

void SplashWindow::ShowModal() {
  CentreOn(this, parentWidget());
  timer_->start();
  exec();
  timer_->stop();
}

void SplashWindow::timerTimer() {
  timer_->stop();
  accept();
}

}  // namespace quorvex
