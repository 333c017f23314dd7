#include "ui/general_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
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

namespace quorvex {
namespace {

using testing_support::ModalWatchdog;
using testing_support::QtWorkdir;
using testing_support::RecordingNotifier;

const QByteArray kDefaults = "1\r\n1\r\n0\r\n0\r\n1\r\n1\r\n1\r\n";

}  // namespace

class GeneralOptionsDialogTest : public QObject {
  Q_OBJECT

 private:
  template <typename T>
  T* control(const char* name) {
    T* widget = dialog_->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("no control %s", name);
    return widget;
  }
  void click(const char* name) { control<QPushButton>(name)->click(); }
  void open() {
    QVERIFY(calculator_->StartUp(notifier_));
    dialog_ = std::make_unique<GeneralOptionsDialog>(*calculator_, notifier_);
    applied_ = std::make_unique<QSignalSpy>(dialog_.get(), &GeneralOptionsDialog::applied);
    dialog_->show();
  }

  std::unique_ptr<QtWorkdir> workdir_;
  RecordingNotifier notifier_;
  std::unique_ptr<Calculator> calculator_;
  std::unique_ptr<GeneralOptionsDialog> dialog_;
  std::unique_ptr<QSignalSpy> applied_;
  std::unique_ptr<ModalWatchdog> watchdog_;

 private Q_SLOTS:
  void init() {
    workdir_ = std::make_unique<QtWorkdir>();
    notifier_ = RecordingNotifier();
    calculator_ = std::make_unique<Calculator>(workdir_->root());
    watchdog_ = std::make_unique<ModalWatchdog>();
  }
  void cleanup() {
    QVERIFY2(watchdog_->blocked().isEmpty(), qPrintable(watchdog_->blocked()));
    applied_.reset();
    dialog_.reset();
    calculator_.reset();
    workdir_.reset();
  }

  // OK writes exactly what the controls hold; Cancel and the close box write nothing and
  // restore the controls from the file.
  void closingAgainstTheFile() {
    struct Row {
      const char* name;
      QByteArray before;
      std::function<void(GeneralOptionsDialogTest&)> edit;
      const char* button;  // nullptr: the title bar's close box
      QByteArray after;
      const char* status;
    };
    const Row rows[] = {
        {"hexadecimal keeps the sci tick but not its effect", kDefaults,
         [](GeneralOptionsDialogTest& t) {
           t.control<QCheckBox>("scicheck")->setChecked(true);
           t.control<QComboBox>("numbersys")->setCurrentIndex(0);
         },
         "ok", "1\r\n0\r\n1\r\n0\r\n1\r\n1\r\n1\r\n", "Hexadecimal"},
        {"decimal with sci", kDefaults,
         [](GeneralOptionsDialogTest& t) { t.control<QCheckBox>("scicheck")->setChecked(true); },
         "ok", "1\r\n1\r\n1\r\n0\r\n1\r\n1\r\n1\r\n", "Decimal (sci)"},
        {"every box off", kDefaults,
         [](GeneralOptionsDialogTest& t) {
           for (const char* name : {"logcheck", "storeinput", "solcheck", "tscheck"}) {
             t.control<QCheckBox>(name)->setChecked(false);
           }
           t.control<QCheckBox>("autocomplete")->setChecked(true);
           t.control<QComboBox>("numbersys")->setCurrentIndex(4);
         },
         "ok", "0\r\n4\r\n0\r\n1\r\n0\r\n0\r\n0\r\n", "Binary"},
        {"cancel discards an unticked solution box", kDefaults,
         [](GeneralOptionsDialogTest& t) { t.control<QCheckBox>("solcheck")->setChecked(false); },
         "cancel", kDefaults, "Decimal"},
        {"the close box discards like cancel", kDefaults,
         [](GeneralOptionsDialogTest& t) { t.control<QComboBox>("numbersys")->setCurrentIndex(2); },
         nullptr, kDefaults, "Decimal"},
        {"default then cancel changes nothing", "0\r\n3\r\n0\r\n1\r\n0\r\n0\r\n0\r\n",
         [](GeneralOptionsDialogTest& t) { t.click("default2"); }, "cancel",
         "0\r\n3\r\n0\r\n1\r\n0\r\n0\r\n0\r\n", "Quaternary"},
        {"default then ok writes the defaults", "0\r\n3\r\n0\r\n1\r\n0\r\n0\r\n0\r\n",
         [](GeneralOptionsDialogTest& t) { t.click("default2"); }, "ok", kDefaults, "Decimal"},
    };
    for (const Row& row : rows) {
      init();
      workdir_->write("bin/general.ini", row.before);
      open();
      row.edit(*this);
      if (row.button != nullptr) {
        click(row.button);
      } else {
        dialog_->close();
      }
      QVERIFY2(!dialog_->isVisible(), row.name);
      QCOMPARE(workdir_->read("bin/general.ini"), row.after);
      QCOMPARE(applied_->count(), qstrcmp(row.button, "ok") == 0 ? 1 : 0);
      QCOMPARE(QString::fromStdString(calculator_->Status().number_system),
               QString::fromLatin1(row.status));
      // Reopening shows the file again.
      GeneralSettings reloaded;
      QVERIFY(LoadGeneralSettings(calculator_->data_dir().File("bin/general.ini"), reloaded));
      QVERIFY2(reloaded == calculator_->general(), row.name);
      dialog_->show();
      QCOMPARE(control<QComboBox>("numbersys")->currentIndex(), reloaded.numbersys);
      QCOMPARE(control<QCheckBox>("solcheck")->isChecked(), reloaded.solcheck);
      QCOMPARE(control<QCheckBox>("scicheck")->isEnabled(), reloaded.numbersys == kDecimal);
      cleanup();
    }
  }

  void scientificFollowsTheNumberSystem() {
    open();
    auto* numbersys = control<QComboBox>("numbersys");
    auto* scicheck = control<QCheckBox>("scicheck");
    QCOMPARE(numbersys->count(), 5);
    QCOMPARE(numbersys->itemText(3), QStringLiteral("Quaternary"));
    QVERIFY(!numbersys->isEditable());
    scicheck->setChecked(true);
    for (int position = 0; position < 5; ++position) {
      numbersys->setCurrentIndex(position);
      QCOMPARE(scicheck->isEnabled(), position == kDecimal);
      QVERIFY(scicheck->isChecked());
    }
    // Default enables the box even from Binary.
    click("default2");
    QVERIFY(scicheck->isEnabled());
    QVERIFY(!scicheck->isChecked());
    QCOMPARE(numbersys->currentIndex(), 1);
    click("cancel");
  }

  void malformedNumberSystemOpensAsBinary() {
    workdir_->write("bin/general.ini", "1\r\n7\r\n1\r\n");
    open();
    QCOMPARE(control<QComboBox>("numbersys")->currentText(), QStringLiteral("Binary"));
    QVERIFY(!control<QCheckBox>("scicheck")->isEnabled());
    QVERIFY(control<QCheckBox>("scicheck")->isChecked());
    QVERIFY(!control<QCheckBox>("solcheck")->isChecked());
    click("cancel");
  }

  void captionsAndHints() {
    open();
    QCOMPARE(dialog_->objectName(), QStringLiteral("TForm10"));
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("General options"));
    QVERIFY(control<QPushButton>("ok")->isDefault());
    QCOMPARE(control<QPushButton>("ok")->toolTip(), QStringLiteral("Save changes and close form"));
    QCOMPARE(control<QPushButton>("cancel")->toolTip(),
             QStringLiteral("Cancel changes and close form"));
    QCOMPARE(control<QPushButton>("default2")->toolTip(),
             QStringLiteral("Set all values to default"));
    QCOMPARE(control<QPushButton>("clear")->toolTip(),
             QStringLiteral("Clear log (cannot be undo)"));
    QCOMPARE(control<QCheckBox>("logcheck")->text(), QStringLiteral("Log calculated input"));
    QCOMPARE(control<QCheckBox>("solcheck")->text(), QStringLiteral("Get solution"));
    QCOMPARE(control<QCheckBox>("tscheck")->text(), QStringLiteral("Get table and stats"));
    bool found_note = false;
    for (QLabel* label : dialog_->findChildren<QLabel*>()) {
      if (label->text() == "Uncheck 'Get solution' if you want to speed up large calculations") {
        found_note = label->styleSheet().contains(QStringLiteral("red"));
      }
    }
    QVERIFY(found_note);
    click("cancel");
  }

  // The viewer shows every line of the log; Clear empties file and viewer once.
  void logViewerAndClear() {
    struct Row {
      const char* name;
      QByteArray log;
      const char* shown;
      bool clearable;
    };
    const Row rows[] = {
        {"two expressions", "2+3\r\n4*5\r\n", "2+3\n4*5", true},
        {"an empty line is shown", "2+3\r\n\r\n4*5\r\n", "2+3\n\n4*5", true},
        {"an empty log leaves clear disabled", "", "", false},
    };
    for (const Row& row : rows) {
      init();
      workdir_->write("bin/log.ini", row.log);
      open();
      QVERIFY2(dialog_->loadLogViewer(), row.name);
      auto* log = control<QPlainTextEdit>("log");
      auto* clear = control<QPushButton>("clear");
      QVERIFY(log->isReadOnly());
      QCOMPARE(log->lineWrapMode(), QPlainTextEdit::NoWrap);
      QCOMPARE(log->toPlainText(), QString::fromLatin1(row.shown));
      QCOMPARE(clear->isEnabled(), row.clearable);
      clear->click();
      QCOMPARE(log->toPlainText(), QString());
      QVERIFY(!clear->isEnabled());
      QCOMPARE(workdir_->read("bin/log.ini"), QByteArray());
      click("cancel");
      QVERIFY(notifier_.messages.empty());
      cleanup();
    }
  }

  void missingLogEndsTheProgram() {
    workdir_->remove("bin/log.ini");
    open();
    QSignalSpy failed(dialog_.get(), &GeneralOptionsDialog::reloadFailed);
    QVERIFY(!dialog_->loadLogViewer());
    QCOMPARE(failed.count(), 1);
    QCOMPARE(notifier_.messages,
             (std::vector<std::string>{"Quorvex could not find or open 'bin/log.ini'",
                                       std::string(kWillBeClosed)}));
    click("cancel");
  }
};

}  // namespace quorvex

QTEST_MAIN(quorvex::GeneralOptionsDialogTest)
#include "general_options_dialog_test.moc"
