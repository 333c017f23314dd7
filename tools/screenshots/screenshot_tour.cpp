// Opens the real windows in a scratch working directory, drives them as a user would and
// saves pictures of them: main.png (after solving 2*sqrt[16]+pi), simple_mode.png and
// tutorial.png, and in a dark palette main_dark.png and welcome_dark.png, in the directory
// given as the first argument. Run by scripts/screenshot.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstdio>

#include "app/calculator.h"
#include "ui/dark_palette.h"
#include "ui/main_window.h"
#include "ui/simple_mode_window.h"
#include "ui/tutorial_window.h"
#include "ui/welcome_window.h"

namespace {

bool Save(QWidget* window, const QString& file) {
  if (!QTest::qWaitForWindowExposed(window)) return false;
  QTest::qWait(300);
  QPixmap picture = window->screen()->grabWindow(window->winId());
  if (picture.isNull()) picture = window->grab();
  const bool saved = picture.save(file, "PNG");
  std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(file));
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR BIN_DIR\n", argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  const QDir bin(QString::fromLocal8Bit(argv[2]));
  QTemporaryDir work;
  QDir(work.path()).mkdir(QStringLiteral("bin"));
  for (const QString& name : bin.entryList(QDir::Files)) {
    QFile::copy(bin.filePath(name), work.filePath(QStringLiteral("bin/") + name));
  }

  quorvex::Calculator calculator(work.path().toStdString());
  quorvex::MainWindow window(calculator, quorvex::MainWindowOptions{2500, false});
  window.show();
  window.FormActivate();
  bool saved = true;

  QLineEdit* input = window.input()->lineEdit();
  QTest::keyClicks(input, QStringLiteral("2*sqrt[16]+pi"));
  QTest::keyClick(input, Qt::Key_Return);
  QTest::keyClick(input, Qt::Key_Return);
  saved &= Save(&window, out.filePath(QStringLiteral("main.png")));

  window.simplemodeClick();
  quorvex::SimpleModeWindow* simple = window.simpleModeWindow();
  simple->input()->setText(QStringLiteral("ncr[5+5;2,5*2]"));
  simple->solve()->click();
  saved &= Save(simple, out.filePath(QStringLiteral("simple_mode.png")));
  simple->standardmode()->click();

  window.tutorialmenuClick();
  saved &= Save(window.tutorialWindow(), out.filePath(QStringLiteral("tutorial.png")));
  window.tutorialWindow()->close();

  // The same main window on a dark desktop, and the welcome window whose links must stay
  // readable there.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setPalette(quorvex::DarkPalette());
  saved &= Save(&window, out.filePath(QStringLiteral("main_dark.png")));
  quorvex::WelcomeWindow* welcome = window.welcomeWindow();
  welcome->show();
  saved &= Save(welcome, out.filePath(QStringLiteral("welcome_dark.png")));
  welcome->close();
  return saved ? 0 : 1;
}
