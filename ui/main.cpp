#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <csignal>
#include <filesystem>

#include "app/calculator.h"
#include "ui/icons.h"
#include "ui/main_window.h"
#include "ui/qt_graph_host.h"
#include "ui/test_probe.h"

// The calculator window. The data files are read from bin/ of the working directory.
int main(int argc, char* argv[]) {
  // A save past the file-size limit must fail like any other write (and be reported), not end
  // the program with SIGXFSZ.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvex"));
  // Ties the windows to the installed desktop entry and icon (the Wayland app id).
  QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEX_APP_ID));
  QApplication::setWindowIcon(quorvex::AppIcon());

  quorvex::Calculator calculator(std::filesystem::current_path());
  quorvex::MainWindow window(calculator);
  if (const QScreen* screen = window.screen()) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
  }
  // For the install test only: QUORVEX_QUIT_AFTER_MS ends the program after that many
  // milliseconds, also from inside the start-up's modal windows.
  bool quit_after_given = false;
  const int quit_after_ms =
      qEnvironmentVariableIntValue("QUORVEX_QUIT_AFTER_MS", &quit_after_given);
  if (quit_after_given) QTimer::singleShot(quit_after_ms, &app, [] { QCoreApplication::exit(0); });
  // For the real-window tests only: QUORVEX_TEST_REMINDER_MS shortens the 10 seconds of
  // calculation after which a graph run offers to stop.
  bool reminder_given = false;
  const int reminder_ms = qEnvironmentVariableIntValue("QUORVEX_TEST_REMINDER_MS", &reminder_given);
  if (reminder_given && reminder_ms > 0) {
    window.graphHost()->setReminderInterval(static_cast<uint32_t>(reminder_ms));
  }
  quorvex::TestProbe::StartFromEnvironment(&app);
  window.show();
  const int status = QApplication::exec();
  return window.startUpFailed() ? 1 : status;
}
