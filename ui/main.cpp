#include <QApplication>
#include <QScreen>
#include <filesystem>

#include "app/calculator.h"
#include "ui/main_window.h"

// The calculator window. The data files are read from bin/ of the working directory.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvex"));

  quorvex::Calculator calculator(std::filesystem::current_path());
  quorvex::MainWindow window(calculator);
  if (const QScreen* screen = window.screen()) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
  }
  window.show();
  const int status = QApplication::exec();
  return window.startUpFailed() ? 1 : status;
}
