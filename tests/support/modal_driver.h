#pragma once

// The one modal-window watchdog of the window tests. ModalDriver hands every modal window that
// shows up to the next expected action; one that nobody expected is recorded and closed, so the
// test fails instead of hanging. ModalWatchdog is the same guard with a second's patience for
// tests that drive their dialogs themselves.

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace quorvex::testing_support {

class ModalDriver : public QObject {
 public:
  using Action = std::function<void(QWidget*)>;

  // patience_ms: how long an unexpected modal window may stay up before it is closed; the
  // dialog tests drive their dialogs by hand and only need a guard against a hang.
  explicit ModalDriver(int patience_ms = 0) : patience_ms_(patience_ms) {
    // A window shown again right after it closed is a new appearance.
    qApp->installEventFilter(this);
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Tick(); });
    timer_.start();
  }

  // The next modal window that appears is handed to action.
  void Expect(Action action) { expected_.push_back({std::move(action), false}); }

  // A message box: its text is recorded and OK pressed.
  void ExpectMessage() {
    Expect([this](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      messages_.append(box != nullptr ? box->text() : QStringLiteral("<not a message box>"));
      modal->close();
    });
  }

  // A window that closes by itself (the splash): noted as it is shown, since on a busy machine
  // it may close again before the next poll.
  void ExpectSelfClosing() {
    expected_.push_back(
        {[this](QWidget* modal) { self_closing_.append(modal->objectName()); }, true});
  }

  const QStringList& messages() const { return messages_; }
  const QStringList& unexpected() const { return unexpected_; }
  const QStringList& selfClosing() const { return self_closing_; }
  int pending() const { return static_cast<int>(expected_.size()); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && watched == handled_) handled_ = nullptr;
    auto* window = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && window != nullptr && window->isWindow() &&
        window->isModal() && !expected_.empty() && expected_.front().on_show) {
      handled_ = window;
      Expectation expectation = std::move(expected_.front());
      expected_.pop_front();
      expectation.action(window);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) handled_ = nullptr;
    if (modal != waiting_) {
      waiting_ = modal;
      waited_.start();
    }
    if (modal == nullptr || modal == handled_) return;
    if (expected_.empty()) {
      if (waited_.elapsed() < patience_ms_) return;
      handled_ = modal;
      unexpected_.append(modal->objectName().isEmpty() ? modal->windowTitle()
                                                       : modal->objectName());
      modal->close();
      return;
    }
    handled_ = modal;
    Expectation expectation = std::move(expected_.front());
    expected_.pop_front();
    expectation.action(modal);
  }

  struct Expectation {
    Action action;
    bool on_show;  // handled when the window is shown rather than when polled
  };

  const int patience_ms_;
  QTimer timer_;
  QElapsedTimer waited_;
  QPointer<QWidget> waiting_;
  std::deque<Expectation> expected_;
  QPointer<QWidget> handled_;
  QStringList messages_;
  QStringList unexpected_;
  QStringList self_closing_;
};

class ModalWatchdog : public ModalDriver {
 public:
  ModalWatchdog() : ModalDriver(1000) {}
  // The name of the first modal window nobody closed, empty when there was none.
  QString blocked() const { return unexpected().value(0); }
};

// Runs action on the next modal dialog once it is the active modal widget.
inline void DriveNextModal(std::function<void(QWidget*)> action, int tries = 100) {
  QTimer::singleShot(10, qApp, [action = std::move(action), tries]() mutable {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      action(modal);
    } else if (tries > 0) {
      DriveNextModal(std::move(action), tries - 1);
    }
  });
}

}  // namespace quorvex::testing_support
