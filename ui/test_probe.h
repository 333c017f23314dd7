#pragma once

#include <QObject>
#include <QString>

class QTimer;

namespace quorvex {

// For real-window tests only: when QUORVEX_TEST_PROBE names a file, the program writes what a
// test driving it from outside cannot read through X (the focused control, every visible
// window's name, title and frame, the answer text, a message box's text) to that file a few
// times a second. Nothing is written when the variable is not set.
class TestProbe : public QObject {
  Q_OBJECT

 public:
  // Starts the probe when the environment asks for it; returns nullptr otherwise.
  static TestProbe* StartFromEnvironment(QObject* parent);

  // The state as key=value lines, the same text that is written to the file.
  static QString Describe();

 private:
  TestProbe(QString path, QObject* parent);
  void Write();

  QString path_;
  QString last_written_;
  QTimer* timer_;
};

}  // namespace quorvex
