// The main window's menu items open the dialogs and browsers, and OK in a dialog reaches the
// window at once.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "app/calculator.h"
#include "support/main_window_harness.h"
#include "ui/constants_browser.h"
#include "ui/functions_browser.h"
#include "ui/main_menus.h"
#include "ui/main_window.h"
#include "ui/status_panels.h"

namespace quorvex {

using testing_support::MainWindowHarness;
using testing_support::ModalDriver;

namespace {

template <typename T>
T* Control(QWidget* window, const char* name) {
  T* widget = window->findChild<T*>(QString::fromLatin1(name));
  if (widget == nullptr) qFatal("no control %s", name);
  return widget;
}

void Click(QWidget* window, const char* name) { Control<QPushButton>(window, name)->click(); }

}  // namespace

class DialogMenusTest : public QObject, MainWindowHarness {
  Q_OBJECT

 private:
  QString panel(int index) { return window_->status()->Text(index); }

 private Q_SLOTS:
  void init() {
    StartMainWindow();
    window_->show();
    window_->FormActivate();
  }
  void cleanup() {
    const QStringList unexpected = driver_->unexpected();
    const int pending = driver_->pending();
    StopMainWindow();
    QCOMPARE(unexpected, QStringList());
    QCOMPARE(pending, 0);
  }

  void generalOptionsOkReachesTheWindow() {
    QVERIFY(window_->menus().copysolmenu->isEnabled());
    dir_->write("bin/log.ini", "2+3\r\n");
    driver_->Expect([](QWidget* modal) {
      QCOMPARE(modal->objectName(), QStringLiteral("TForm10"));
      QCOMPARE(Control<QPlainTextEdit>(modal, "log")->toPlainText(), QStringLiteral("2+3"));
      Control<QCheckBox>(modal, "solcheck")->setChecked(false);
      Control<QCheckBox>(modal, "scicheck")->setChecked(true);
      Click(modal, "ok");
    });
    window_->menus().optionsmenu->trigger();
    QVERIFY(!window_->menus().copysolmenu->isEnabled());
    QCOMPARE(panel(1), QStringLiteral("Decimal (sci)"));
    // Cancel after ticking the box again leaves the menu item as OK left it.
    driver_->Expect([](QWidget* modal) {
      Control<QCheckBox>(modal, "solcheck")->setChecked(true);
      Click(modal, "cancel");
    });
    window_->menus().optionsmenu->trigger();
    QVERIFY(!window_->menus().copysolmenu->isEnabled());
  }

  void maskPreviewShowsAnsOfTheOpening() {
    calculator_->Solve("1+1");
    driver_->Expect([](QWidget* modal) {
      QCOMPARE(modal->objectName(), QStringLiteral("TForm3"));
      Control<QLineEdit>(modal, "prefix")->setText(QStringLiteral("Result: "));
      Control<QLineEdit>(modal, "mask")->setText(QStringLiteral("0.000"));
      Control<QLineEdit>(modal, "suffix")->setText(QStringLiteral(" m"));
      QCOMPARE(Control<QLabel>(modal, "preview")->text(), QStringLiteral("Result: 2,000 m"));
      Click(modal, "ok");
    });
    window_->menus().maskmenu->trigger();
    QCOMPARE(panel(2), QStringLiteral("Result: 0.000 m"));
  }

  void graphOptionsOkWritesPanel3() {
    driver_->Expect([](QWidget* modal) {
      QCOMPARE(modal->objectName(), QStringLiteral("TForm7"));
      Control<QLineEdit>(modal, "start")->setText(QStringLiteral(" 1,5"));
      Click(modal, "ok");
    });
    window_->menus().graphmenu->trigger();
    QCOMPARE(panel(3), QStringLiteral("xE[ 1,5;10]"));
  }

  void variablesOpenModally() {
    driver_->Expect([](QWidget* modal) {
      QCOMPARE(modal->objectName(), QStringLiteral("TForm5"));
      Control<QPlainTextEdit>(modal, "list")->setPlainText(QStringLiteral("rate"));
      Control<QPlainTextEdit>(modal, "value")->setPlainText(QStringLiteral("0,5"));
      Click(modal, "ok");
    });
    window_->menus().variablesmenu->trigger();
    QCOMPARE(dir_->read("bin/vard.ini"), QByteArray("rate\r\n"));
    QCOMPARE(calculator_->Solve("rate*2").answer, std::string("= 1"));
  }

  void browsersOpenWithoutBlocking() {
    window_->menus().functionsmenu->trigger();
    QVERIFY(window_->functionsBrowser()->isVisible());
    QVERIFY(!window_->functionsBrowser()->isModal());
    QCOMPARE(Control<QLabel>(window_->functionsBrowser(), "count")->text(), QStringLiteral("155"));
    window_->menus().constantsmenu->trigger();
    QVERIFY(window_->constantsBrowser()->isVisible());
    QCOMPARE(Control<QLabel>(window_->constantsBrowser(), "count")->text(), QStringLiteral("65"));
    QCOMPARE(window_->menus().functionsmenu->shortcut(), QKeySequence(Qt::Key_F6));
    QCOMPARE(window_->menus().constantsmenu->shortcut(), QKeySequence(Qt::Key_F5));
  }

  void unreadableFileAfterADialogEndsTheProgram() {
    driver_->Expect([this](QWidget* modal) {
      dir_->remove("bin/mask.ini");
      // Later, so that the driver is free for the message boxes that the click opens.
      QTimer::singleShot(0, modal, [modal] { Click(modal, "cancel"); });
    });
    driver_->ExpectMessage();
    driver_->ExpectMessage();
    window_->menus().maskmenu->trigger();
    QTRY_COMPARE(driver_->messages().size(), 2);
    QCOMPARE(driver_->messages(),
             (QStringList{QStringLiteral("Quorvex could not find or open 'bin/mask.ini'"),
                          QStringLiteral("Quorvex will now be closed")}));
    QVERIFY(!window_->isVisible());
  }
};

}  // namespace quorvex

QTEST_MAIN(quorvex::DialogMenusTest)
#include "dialog_menus_test.moc"
