#pragma once

// What the window tests share: a working directory holding a copy of the repository's bin/,
// and a driver for modal windows that doubles as the watchdog: every modal window that shows
// up is handed to the next expected action, and one that nobody expected is recorded and
// closed, so the test fails instead of hanging.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <filesystem>
#include <functional>

namespace quorvex::testing_support {

class WindowWorkdir {
 public:
  WindowWorkdir() {
    QDir().mkpath(dir_.filePath(QStringLiteral("bin")));
    const QDir source(QStringLiteral(QUORVEX_DEFAULT_BIN));
    for (const QString& name : source.entryList(QDir::Files)) {
      QFile::copy(source.filePath(name), dir_.filePath(QStringLiteral("bin/") + name));
    }
  }

  std::filesystem::path root() const { return dir_.path().toStdString(); }
  QString path(const char* relative) const { return dir_.filePath(QString::fromLatin1(relative)); }
  QByteArray read(const char* relative) const {
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  void write(const char* relative, const QByteArray& bytes) const {
    QFile file(path(relative));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
  }
  void remove(const char* relative) const { QFile::remove(path(relative)); }

 private:
  QTemporaryDir dir_;
};

class ModalDriver : public QObject {
 public:
  using Action = std::function<void(QWidget*)>;

  ModalDriver() {
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
    if (modal == nullptr || modal == handled_) return;
    handled_ = modal;
    if (expected_.empty()) {
      unexpected_.append(modal->objectName());
      modal->close();
      return;
    }
    Expectation expectation = std::move(expected_.front());
    expected_.pop_front();
    expectation.action(modal);
  }

  struct Expectation {
    Action action;
    bool on_show;  // handled when the window is shown rather than when polled
  };

  QTimer timer_;
  std::deque<Expectation> expected_;
  QPointer<QWidget> handled_;
  QStringList messages_;
  QStringList unexpected_;
  QStringList self_closing_;
};

}  // namespace quorvex::testing_support
