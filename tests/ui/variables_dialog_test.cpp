#include "ui/variables_dialog.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "app/calculator.h"
#include "support/modal_driver.h"
#include "support/qt_workdir.h"
#include "support/recording_notifier.h"
#include "ui/variable_wizard.h"

namespace quorvex {

using testing_support::DriveNextModal;
using testing_support::ModalWatchdog;
using testing_support::QtWorkdir;
using testing_support::RecordingNotifier;

class VariablesDialogTest : public QObject {
  Q_OBJECT

 private:
  template <typename T>
  static T* control(QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("no control %s", name);
    return widget;
  }
  QPlainTextEdit* editor(const char* name) { return control<QPlainTextEdit>(dialog_.get(), name); }
  void click(const char* name) { control<QPushButton>(dialog_.get(), name)->click(); }
  void open(const QByteArray& declarations, const QByteArray& assignments) {
    workdir_->write("bin/vard.ini", declarations);
    workdir_->write("bin/vara.ini", assignments);
    QVERIFY(calculator_->StartUp(notifier_));
    dialog_ = std::make_unique<VariablesDialog>(*calculator_, notifier_);
    dialog_->show();
  }
  // Opens the wizard from Create var., types into it and presses one of its buttons.
  void runWizard(const QString& declaration, const QString& assignment, const char* button) {
    bool driven = false;
    DriveNextModal([&](QWidget* modal) {
      QCOMPARE(modal->objectName(), QStringLiteral("TForm16"));
      auto* create = control<QPushButton>(modal, "create");
      QVERIFY(!create->isEnabled());
      QTest::keyClicks(control<QLineEdit>(modal, "declaration"), declaration);
      QTest::keyClicks(control<QLineEdit>(modal, "assignment"), assignment);
      QCOMPARE(create->isEnabled(), !declaration.isEmpty() && !assignment.isEmpty());
      driven = true;
      control<QPushButton>(modal, button)->click();
    });
    click("create");
    QVERIFY(driven);
    QVERIFY(!dialog_->wizard()->isVisible());
  }

  std::unique_ptr<QtWorkdir> workdir_;
  RecordingNotifier notifier_;
  std::unique_ptr<Calculator> calculator_;
  std::unique_ptr<VariablesDialog> dialog_;
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
    dialog_.reset();
    calculator_.reset();
    workdir_.reset();
  }

  void okValidatesTheDeclarations_data() {
    QTest::addColumn<QString>("declarations");
    QTest::addColumn<QString>("message");  // empty: accepted and saved
    QTest::newRow("ans on line 2 is refused")
        << "a1\nans\nb"
        << "Error: Declaration line[2]. 'ans' is used by Quorvex";
    QTest::newRow("a constant is refused") << "pi"
                                           << "Error: Declaration line[1]. 'pi' is used by Quorvex";
    QTest::newRow("a function is refused")
        << "q\nsin"
        << "Error: Declaration line[2]. 'sin' is used by Quorvex";
    QTest::newRow("x is refused") << "x"
                                  << "Error: Declaration line[1]. 'x' is used by Quorvex";
    QTest::newRow("the first refused line is named")
        << "x\nans"
        << "Error: Declaration line[1]. 'x' is used by Quorvex";
    QTest::newRow("other case is accepted") << "Pi\nANS\nX"
                                            << "";
    QTest::newRow("empty line and equal names are accepted") << "\nq\nq"
                                                             << "";
    QTest::newRow("a blank before ans is accepted") << " ans"
                                                    << "";
  }
  void okValidatesTheDeclarations() {
    QFETCH(QString, declarations);
    QFETCH(QString, message);
    open("a\r\n", "1\r\n");
    editor("list")->setPlainText(declarations);
    editor("value")->setPlainText(QStringLiteral("2\n3"));
    click("ok");
    if (message.isEmpty()) {
      QVERIFY(notifier_.messages.empty());
      QVERIFY(!dialog_->isVisible());
      QByteArray expected = declarations.toLatin1().replace("\n", "\r\n") + "\r\n";
      QCOMPARE(workdir_->read("bin/vard.ini"), expected);
      QCOMPARE(workdir_->read("bin/vara.ini"), QByteArray("2\r\n3\r\n"));
      QCOMPARE(calculator_->variables().declarations.size(),
               static_cast<size_t>(declarations.count('\n') + 1));
    } else {
      QCOMPARE(notifier_.messages, std::vector<std::string>{message.toStdString()});
      // The dialog stays open with the edits, and nothing reached the files.
      QVERIFY(dialog_->isVisible());
      QCOMPARE(editor("list")->toPlainText(), declarations);
      QCOMPARE(workdir_->read("bin/vard.ini"), QByteArray("a\r\n"));
      QCOMPARE(workdir_->read("bin/vara.ini"), QByteArray("1\r\n"));
      QCOMPARE(calculator_->variables().declarations, std::vector<std::string>{"a"});
      click("cancel");
    }
  }

  void closingReloadsTheFiles() {
    open("a\r\nb\r\n", "1\r\n");
    QCOMPARE(editor("list")->toPlainText(), QStringLiteral("a\nb"));
    QCOMPARE(editor("value")->toPlainText(), QStringLiteral("1"));
    for (bool use_cancel : {true, false}) {
      editor("list")->setPlainText(QStringLiteral("changed"));
      editor("value")->clear();
      if (use_cancel) {
        click("cancel");
      } else {
        dialog_->close();
      }
      QCOMPARE(editor("list")->toPlainText(), QStringLiteral("a\nb"));
      QCOMPARE(editor("value")->toPlainText(), QStringLiteral("1"));
      QCOMPARE(workdir_->read("bin/vard.ini"), QByteArray("a\r\nb\r\n"));
      dialog_->show();
    }
    click("cancel");
  }

  // With three declarations and two assignments the new expression lands on line 3, beside w.
  void wizardAppendsToEachListOnItsOwn() {
    open("u\r\nv\r\nw\r\n", "1\r\n2\r\n");
    runWizard(QStringLiteral("z"), QStringLiteral("7"), "create");
    QCOMPARE(editor("list")->toPlainText(), QStringLiteral("u\nv\nw\nz"));
    QCOMPARE(editor("value")->toPlainText(), QStringLiteral("1\n2\n7"));
    // Nothing is written before OK.
    QCOMPARE(workdir_->read("bin/vard.ini"), QByteArray("u\r\nv\r\nw\r\n"));
    click("ok");
    QVERIFY(notifier_.messages.empty());
    QCOMPARE(workdir_->read("bin/vard.ini"), QByteArray("u\r\nv\r\nw\r\nz\r\n"));
    QCOMPARE(workdir_->read("bin/vara.ini"), QByteArray("1\r\n2\r\n7\r\n"));
    const VariableStore& store = calculator_->variables();
    QCOMPARE(std::string(store.Assignment(store.Find("w"))), std::string("7"));
    QCOMPARE(std::string(store.Assignment(store.Find("z"))), std::string());
  }

  void wizardIntoEmptyListsGivesTheFirstLine() {
    open("", "");
    runWizard(QStringLiteral("rate"), QStringLiteral("0.5*2"), "create");
    QCOMPARE(editor("list")->toPlainText(), QStringLiteral("rate"));
    QCOMPARE(editor("value")->toPlainText(), QStringLiteral("0.5*2"));
    click("ok");
    QCOMPARE(workdir_->read("bin/vard.ini"), QByteArray("rate\r\n"));
  }

  void wizardThenCancelLeavesEverything() {
    open("a\r\n", "1\r\n");
    runWizard(QStringLiteral("b"), QStringLiteral("2"), "create");
    click("cancel");
    QCOMPARE(workdir_->read("bin/vard.ini"), QByteArray("a\r\n"));
    QCOMPARE(workdir_->read("bin/vara.ini"), QByteArray("1\r\n"));
    QCOMPARE(calculator_->variables().declarations, std::vector<std::string>{"a"});
    QCOMPARE(editor("list")->toPlainText(), QStringLiteral("a"));
  }

  void wizardCloseAddsNothingAndEmptiesItsBoxes() {
    open("a\r\n", "1\r\n");
    runWizard(QStringLiteral("b"), QStringLiteral("2"), "close");
    QCOMPARE(editor("list")->toPlainText(), QStringLiteral("a"));
    // A name alone leaves Create disabled; the boxes come back empty next time.
    runWizard(QStringLiteral("b"), QString(), "close");
    VariableWizard* wizard = dialog_->wizard();
    QCOMPARE(control<QLineEdit>(wizard, "declaration")->text(), QString());
    QCOMPARE(control<QLineEdit>(wizard, "assignment")->text(), QString());
    click("cancel");
  }

  // Tab leaves an editor instead of typing a TAB into a name, so Assignments is reachable.
  void tabMovesThroughTheEditorsAndButtons() {
    open("a\r\n", "1\r\n");
    QApplication::setActiveWindow(dialog_.get());
    QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    editor("list")->setFocus();
    editor("list")->moveCursor(QTextCursor::End);
    QTest::keyClick(editor("list"), Qt::Key_Return);
    QTest::keyClicks(editor("list"), QStringLiteral("q1"));
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited.append(QApplication::focusWidget()->objectName());
      if (i == 0) QTest::keyClicks(editor("value"), QStringLiteral("5"));
    }
    QCOMPARE(visited, (QStringList{"value", "create", "ok", "cancel", "list"}));
    QTest::keyClick(editor("list"), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cancel"));
    QCOMPARE(editor("list")->toPlainText(), QStringLiteral("a\nq1"));
    QCOMPARE(editor("value")->toPlainText(), QStringLiteral("51"));
    click("cancel");
  }

  void captionsAndHints() {
    open("", "");
    QCOMPARE(dialog_->objectName(), QStringLiteral("TForm5"));
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Variables"));
    QCOMPARE(editor("list")->toolTip(), QStringLiteral("Type in a variable name"));
    QCOMPARE(editor("value")->toolTip(), QStringLiteral("Type in a variable expression"));
    QCOMPARE(editor("list")->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(control<QPushButton>(dialog_.get(), "create")->text(), QStringLiteral("Create var."));
    QCOMPARE(control<QPushButton>(dialog_.get(), "create")->toolTip(),
             QStringLiteral("Open the variable creation wizard"));
    VariableWizard* wizard = dialog_->wizard();
    QCOMPARE(wizard->windowTitle(), QStringLiteral("Variable creation wizard"));
    QVERIFY(control<QPushButton>(wizard, "create")->isDefault());
    QCOMPARE(control<QPushButton>(wizard, "create")->toolTip(), QStringLiteral("Create variable"));
    QCOMPARE(control<QPushButton>(wizard, "close")->toolTip(), QStringLiteral("Close form"));
    click("cancel");
  }
};

}  // namespace quorvex

QTEST_MAIN(quorvex::VariablesDialogTest)
#include "variables_dialog_test.moc"
