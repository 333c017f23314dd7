// Saves a picture of every options dialog page and both browsers into the folder given as the
// first argument, for a person to look over. Run on the offscreen platform.

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "app/calculator.h"
#include "tests/ui/dialog_test_support.h"
#include "ui/constants_browser.h"
#include "ui/functions_browser.h"
#include "ui/general_options_dialog.h"
#include "ui/graph_options_dialog.h"
#include "ui/mask_options_dialog.h"
#include "ui/variable_wizard.h"
#include "ui/variables_dialog.h"

namespace {

bool Save(QWidget& window, const QDir& folder, const QString& name) {
  window.show();
  QApplication::processEvents();
  const QString file = folder.filePath(name + QStringLiteral(".png"));
  const bool saved = window.grab().save(file);
  std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(file));
  return saved;
}

// Every page of the window's tab widget, one picture each.
bool SavePages(QWidget& window, const QDir& folder, const QString& name) {
  auto* tabs = window.findChild<QTabWidget*>();
  bool saved = true;
  for (int page = 0; page < tabs->count(); ++page) {
    tabs->setCurrentIndex(page);
    saved &= Save(window, folder, name + QStringLiteral("-") + tabs->tabText(page).toLower());
  }
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  folder.mkpath(QStringLiteral("."));

  using namespace quorvex;
  testing_support::DialogWorkdir workdir;
  workdir.write("bin/log.ini", "2*sqrt[16]+pi\r\nsin[x]*x\r\n(1+2)*3\r\n");
  workdir.write("bin/vard.ini", "rate\r\nyears\r\n");
  workdir.write("bin/vara.ini", "0,05\r\n10\r\n");
  testing_support::RecordingNotifier notifier;
  Calculator calculator(workdir.root());
  if (!calculator.StartUp(notifier)) return 1;

  bool saved = true;
  GeneralOptionsDialog general(calculator, notifier);
  general.loadLogViewer();
  saved &= SavePages(general, folder, QStringLiteral("general-options"));

  MaskOptionsDialog mask(calculator, notifier);
  mask.setSample(2);
  saved &= Save(mask, folder, QStringLiteral("mask-options"));

  VariablesDialog variables(calculator, notifier);
  saved &= Save(variables, folder, QStringLiteral("variables"));
  saved &= Save(*variables.wizard(), folder, QStringLiteral("variable-wizard"));

  GraphOptionsDialog graph(calculator, notifier);
  saved &= SavePages(graph, folder, QStringLiteral("graph-options"));

  FunctionsBrowser functions(notifier);
  functions.show();
  functions.findChild<QListWidget*>(QStringLiteral("list"))->setCurrentRow(3);
  saved &= Save(functions, folder, QStringLiteral("functions"));

  ConstantsBrowser constants(notifier);
  constants.show();
  constants.findChild<QListWidget*>(QStringLiteral("list"))->setCurrentRow(0);
  saved &= Save(constants, folder, QStringLiteral("constants"));
  return saved ? 0 : 1;
}
