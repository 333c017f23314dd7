#pragma once

#include <QDialog>

class QTimer;

namespace quorvex {

// TForm8: the borderless 400 x 250 picture shown at start-up and by About. It closes itself
// when its timer fires.
class SplashWindow : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kDefaultDurationMs = 2500;

  SplashWindow(int duration_ms, QWidget* parent);

  // Centres the window on the parent, enables the timer and shows the window modally.
  void ShowModal();

  QTimer* timer() const { return timer_; }

 public Q_SLOTS:
  void timerTimer();

 private:
  QTimer* timer_;
};

}  // namespace quorvex
