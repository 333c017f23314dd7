#pragma once

// What the dialog tests share: a working directory holding a copy of the shipped bin/, a
// notifier that records instead of showing boxes, a watchdog that fails a test whose modal
// dialog nobody drives, and a helper that drives the next modal dialog.

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/seams.h"

namespace quorvex::testing_support {

// A fresh working directory with bin/ copied from the repository; removed afterwards.
class DialogWorkdir {
 public:
  DialogWorkdir() {
    QDir().mkpath(dir_.filePath(QStringLiteral("bin")));
    const QDir source(QStringLiteral(QUORVEX_DEFAULT_BIN));
    for (const QString& name : source.entryList(QDir::Files)) {
      QFile::copy(source.filePath(name), dir_.filePath(QStringLiteral("bin/") + name));
    }
  }

  std::string root() const { return dir_.path().toStdString(); }
  QString path(const char* relative) const { return dir_.filePath(QString::fromLatin1(relative)); }

  QByteArray read(const char* relative) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly)) return QByteArray("<missing>");
    return file.readAll();
  }
  void write(const char* relative, const QByteArray& bytes) const {
    QFile file(path(relative));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
  }
  void remove(const char* relative) const { QFile::remove(path(relative)); }
  // A directory in the file's place: reading it fails, and so does replacing it.
  void block(const char* relative) const {
    remove(relative);
    QDir().mkpath(path(relative) + QStringLiteral("/blocked"));
  }
  void unblock(const char* relative, const QByteArray& bytes) const {
    QDir(path(relative)).removeRecursively();
    write(relative, bytes);
  }

 private:
  QTemporaryDir dir_;
};

class RecordingNotifier : public Notifier {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void ShowErrorReport(std::string_view text) override { error_reports.emplace_back(text); }

  std::vector<std::string> messages;
  std::vector<std::string> error_reports;
};

// Closes a modal dialog that stays up for more than a second and remembers its name, so a
// test that forgot to drive it fails instead of hanging.
class ModalWatchdog {
 public:
  ModalWatchdog() {
    timer_.setInterval(250);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { tick(); });
    timer_.start();
  }

  const QString& blocked() const { return blocked_; }

 private:
  void tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal != seen_) {
      seen_ = modal;
      ticks_ = 0;
      return;
    }
    if (++ticks_ < 4) return;
    blocked_ = modal->objectName().isEmpty() ? modal->windowTitle() : modal->objectName();
    modal->close();
    ticks_ = 0;
  }

  QTimer timer_;
  QPointer<QWidget> seen_;
  int ticks_ = 0;
  QString blocked_;
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
