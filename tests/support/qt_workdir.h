#pragma once

// The working directory of the window tests, TempWorkdir seen through Qt's types.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <filesystem>

#include "support/temp_workdir.h"

namespace quorvex::testing_support {

class QtWorkdir {
 public:
  const std::filesystem::path& root() const { return dir_.root(); }
  QString path(const char* relative) const {
    return QString::fromStdString((dir_.root() / relative).string());
  }
  QByteArray read(const char* relative) const {
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
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
  TempWorkdir dir_;
};

}  // namespace quorvex::testing_support
