// Saves a picture of every options dialog page, the variable wizard and both browsers into
// OUTPUT_DIR, for a person to look over, from a scratch working directory seeded with BIN_DIR.
// Run by scripts/screenshot-dialogs.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "app/calculator.h"
#include "ui/constants_browser.h"
#include "ui/functions_browser.h"
#include "ui/general_options_dialog.h"
#include "ui/graph_options_dialog.h"
#include "ui/mask_options_dialog.h"
#include "ui/variable_wizard.h"
#include "ui/variables_dialog.h"

namespace {

// Nothing here should fail; should it, the text goes to the terminal instead of a box.
class PrintingNotifier : public quorvex::Notifier {
 public:
  void ShowMessage(std::string_view text) override {
    std::fprintf(stderr, "message: %.*s\n", static_cast<int>(text.size()), text.data());
  }
  void ShowErrorReport(std::string_view text) override { ShowMessage(text); }
};

void WriteFile(const QDir& dir, const char* name, const QByteArray& bytes) {
  QFile file(dir.filePath(QString::fromLatin1(name)));
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

bool Save(QWidget& window, const QDir& folder, const QString& name) {
  window.show();
  QApplication::processEvents();
  const QString file = folder.filePath(name + QStringLiteral(".png"));
  const bool saved = window.grab().save(file);
  std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(file));
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
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR BIN_DIR\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  folder.mkpath(QStringLiteral("."));
  const QDir source(QString::fromLocal8Bit(argv[2]));
  QTemporaryDir work;
  const QDir bin(work.filePath(QStringLiteral("bin")));
  bin.mkpath(QStringLiteral("."));
  for (const QString& name : source.entryList(QDir::Files)) {
    QFile::copy(source.filePath(name), bin.filePath(name));
  }
  // Some content, so that the pictures show filled controls.
  WriteFile(bin, "log.ini", "2*sqrt[16]+pi\r\nsin[x]*x\r\n(1+2)*3\r\n");
  WriteFile(bin, "vard.ini", "rate\r\nyears\r\n");
  WriteFile(bin, "vara.ini", "0,05\r\n10\r\n");

  using namespace quorvex;
  PrintingNotifier notifier;
  Calculator calculator(work.path().toStdString());
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
