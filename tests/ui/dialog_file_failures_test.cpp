#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/calculator.h"
#include "settings/messages.h"
#include "support/modal_driver.h"
#include "support/qt_workdir.h"
#include "support/recording_notifier.h"
#include "ui/general_options_dialog.h"
#include "ui/graph_options_dialog.h"
#include "ui/mask_options_dialog.h"
#include "ui/variables_dialog.h"

namespace quorvex {

using testing_support::ModalWatchdog;
using testing_support::QtWorkdir;
using testing_support::RecordingNotifier;

namespace {

struct Made {
  std::unique_ptr<QDialog> dialog;
  std::unique_ptr<QSignalSpy> failed;
};

template <typename Dialog, typename... Extra>
Made Make(Calculator& calculator, Notifier& notifier, Extra... extra) {
  auto dialog = std::make_unique<Dialog>(calculator, notifier, extra...);
  auto failed = std::make_unique<QSignalSpy>(dialog.get(), &Dialog::reloadFailed);
  return {std::move(dialog), std::move(failed)};
}

struct Row {
  const char* name;
  const char* file;  // the one that fails
  const char* message;
  std::function<Made(Calculator&, Notifier&)> make;
};

std::vector<Row> Rows() {
  return {
      {"general options", "bin/general.ini", "Quorvex could not find or open 'bin/general.ini'",
       [](Calculator& c, Notifier& n) { return Make<GeneralOptionsDialog>(c, n); }},
      {"mask options", "bin/mask.ini", "Quorvex could not find or open 'bin/mask.ini'",
       [](Calculator& c, Notifier& n) { return Make<MaskOptionsDialog>(c, n); }},
      {"graph options", "bin/graph.ini", "Quorvex could not find or open 'bin/graph.ini'",
       [](Calculator& c, Notifier& n) {
         return Make<GraphOptionsDialog>(c, n, ColorChooser(ChooseColorWithDialog));
       }},
      {"variables, declarations", "bin/vard.ini",
       "Quorvex could not find or open 'bin/vara.ini' or 'bin/vard.ini'",
       [](Calculator& c, Notifier& n) { return Make<VariablesDialog>(c, n); }},
      {"variables, assignments", "bin/vara.ini",
       "Quorvex could not find or open 'bin/vara.ini' or 'bin/vard.ini'",
       [](Calculator& c, Notifier& n) { return Make<VariablesDialog>(c, n); }},
  };
}

}  // namespace

// A file that cannot be written keeps the dialog open with an error report; a file that cannot
// be read back when the dialog closes reports its two messages and asks the program to end.
class DialogFileFailuresTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void failedWriteKeepsTheDialogOpen() {
    for (const Row& row : Rows()) {
      QtWorkdir workdir;
      RecordingNotifier notifier;
      ModalWatchdog watchdog;
      Calculator calculator(workdir.root());
      QVERIFY(calculator.StartUp(notifier));
      Made made = row.make(calculator, notifier);
      made.dialog->show();
      const QByteArray before = workdir.read(row.file);
      workdir.block(row.file);
      made.dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
      QVERIFY2(made.dialog->isVisible(), row.name);
      QCOMPARE(notifier.error_reports.size(), size_t{1});
      QVERIFY(notifier.messages.empty());
      // Once the file is back, Cancel reloads it without complaint.
      workdir.unblock(row.file, before);
      made.dialog->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
      QVERIFY2(!made.dialog->isVisible(), row.name);
      QCOMPARE(made.failed->count(), 0);
      QCOMPARE(workdir.read(row.file), before);
      QVERIFY2(watchdog.blocked().isEmpty(), qPrintable(watchdog.blocked()));
    }
  }

  void failedReloadEndsTheProgram() {
    for (const Row& row : Rows()) {
      QtWorkdir workdir;
      RecordingNotifier notifier;
      ModalWatchdog watchdog;
      Calculator calculator(workdir.root());
      QVERIFY(calculator.StartUp(notifier));
      Made made = row.make(calculator, notifier);
      made.dialog->show();
      workdir.remove(row.file);
      made.dialog->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
      QVERIFY2(!made.dialog->isVisible(), row.name);
      QCOMPARE(made.failed->count(), 1);
      QCOMPARE(notifier.messages,
               (std::vector<std::string>{row.message, std::string(kWillBeClosed)}));
      QVERIFY2(watchdog.blocked().isEmpty(), qPrintable(watchdog.blocked()));
    }
  }
};

}  // namespace quorvex

QTEST_MAIN(quorvex::DialogFileFailuresTest)
#include "dialog_file_failures_test.moc"
