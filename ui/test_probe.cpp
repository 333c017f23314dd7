#include "ui/test_probe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTimer>
#include <QWidget>

namespace quorvex {

namespace {

constexpr int kProbeIntervalMs = 100;

QString NameOf(const QWidget* widget) {
  if (widget == nullptr) return QStringLiteral("-");
  const QString name = widget->objectName();
  return name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name;
}

// Text on one line of the probe file.
QString OneLine(QString text) {
  text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
  text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
  text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
  return text;
}

// The text a user reads in a control, on one line.
QString TextOf(const QWidget* widget) {
  QString text;
  if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
    text = line->text();
  } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
    text = combo->currentText();
  } else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) {
    text = plain->toPlainText();
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    text = button->text();
  }
  return OneLine(text);
}

}  // namespace

TestProbe* TestProbe::StartFromEnvironment(QObject* parent) {
  const QString path = qEnvironmentVariable("QUORVEX_TEST_PROBE");
  if (path.isEmpty()) return nullptr;
  return new TestProbe(path, parent);
}

TestProbe::TestProbe(QString path, QObject* parent)
    : QObject(parent), path_(std::move(path)), timer_(new QTimer(this)) {
  connect(timer_, &QTimer::timeout, this, &TestProbe::Write);
  timer_->start(kProbeIntervalMs);
}

QString TestProbe::Describe() {
  QString text;
  text += QStringLiteral("active=%1\n").arg(NameOf(QApplication::activeWindow()));
  const QWidget* modal = QApplication::activeModalWidget();
  text += QStringLiteral("modal=%1\n").arg(NameOf(modal));
  // What a message box says: X shows it only as pixels.
  const auto* box = qobject_cast<const QMessageBox*>(modal);
  text += QStringLiteral("modal_text=%1\n").arg(box != nullptr ? OneLine(box->text()) : QString());
  const QWidget* focus = QApplication::focusWidget();
  text += QStringLiteral("focus=%1\n").arg(NameOf(focus));
  text += QStringLiteral("focus_text=%1\n").arg(TextOf(focus));
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    text += QStringLiteral("window.%1=%2 %3 %4 %5 client %6 %7 title %8\n")
                .arg(NameOf(window))
                .arg(frame.x())
                .arg(frame.y())
                .arg(frame.width())
                .arg(frame.height())
                .arg(client.width())
                .arg(client.height())
                .arg(window->windowTitle());
    // The named text controls of each visible window, so a test can read what a user sees.
    for (const char* name : {"answer", "solution", "input", "search"}) {
      // Only the window's own control: hidden windows may be its children.
      for (const QWidget* control : window->findChildren<QWidget*>(QString::fromLatin1(name))) {
        if (control->window() != window) continue;
        text += QStringLiteral("%1.%2=%3\n")
                    .arg(NameOf(window), QString::fromLatin1(name), TextOf(control));
        break;
      }
    }
  }
  return text;
}

void TestProbe::Write() {
  const QString text = Describe();
  if (text == last_written_) return;
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(text.toUtf8());
  if (file.commit()) last_written_ = text;
}

}  // namespace quorvex
