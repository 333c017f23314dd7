#include <QLabel>
#include <QTest>
#include <memory>

#include "app/calculator.h"
#include "support/modal_driver.h"
#include "support/qt_workdir.h"
#include "ui/link_label.h"
#include "ui/main_window.h"
#include "ui/status_panels.h"
#include "ui/welcome_window.h"

using quorvex::Calculator;
using quorvex::MainWindow;
using quorvex::MainWindowOptions;
using quorvex::testing_support::ModalDriver;
using quorvex::testing_support::QtWorkdir;

// The first activation: the start-up sequence, then the splash and, on a first run, the
// welcome window; and the end of the program when a data file cannot be read.
class StartUpTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();

  void activationRunsTheStartUpOnce();
  void firstRunShowsSplashThenWelcome();
  void laterRunShowsTheSplashOnly();
  void missingDataFileEndsTheProgram_data();
  void missingDataFileEndsTheProgram();

 private:
  std::unique_ptr<MainWindow> MakeWindow(bool show_intro) {
    return std::make_unique<MainWindow>(*calculator_, MainWindowOptions{100, show_intro});
  }

  std::unique_ptr<QtWorkdir> dir_;
  std::unique_ptr<Calculator> calculator_;
  std::unique_ptr<ModalDriver> driver_;
};

void StartUpTest::init() {
  dir_ = std::make_unique<QtWorkdir>();
  calculator_ = std::make_unique<Calculator>(dir_->root());
  driver_ = std::make_unique<ModalDriver>();
}

void StartUpTest::cleanup() {
  const QStringList unexpected = driver_->unexpected();
  const int pending = driver_->pending();
  driver_.reset();
  calculator_.reset();
  dir_.reset();
  QCOMPARE(unexpected, QStringList());
  QCOMPARE(pending, 0);
}

void StartUpTest::activationRunsTheStartUpOnce() {
  dir_->write("bin/general.ini", "1\r\n1\r\n1\r\n0\r\n1\r\n1\r\n1\r\n");
  auto window = MakeWindow(false);
  window->show();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window.get()));
  QTRY_COMPARE(window->status()->Text(1), QStringLiteral("Decimal (sci)"));
  QCOMPARE(window->status()->Text(2), QStringLiteral("= "));
  QVERIFY(window->status()->Text(3).startsWith(QStringLiteral("xE[")));
  // A later activation does not read the files again.
  dir_->remove("bin/general.ini");
  window->FormActivate();
  QVERIFY(window->isVisible());
}

void StartUpTest::firstRunShowsSplashThenWelcome() {
  dir_->write("bin/other.ini", "0\r\n");
  QStringList order;
  driver_->Expect([&](QWidget* modal) { order.append(modal->objectName()); });
  driver_->Expect([&](QWidget* modal) {
    order.append(modal->objectName());
    if (auto* welcome = qobject_cast<quorvex::WelcomeWindow*>(modal)) {
      Q_EMIT welcome->link(1)->clicked();
    } else {
      modal->close();
    }
  });
  auto window = MakeWindow(true);
  window->show();
  window->FormActivate();
  QCOMPARE(order, (QStringList{"TForm8", "TForm14"}));
  QVERIFY(window->isVisible());
  window->close();
  QCOMPARE(dir_->read("bin/other.ini"), QByteArray("1\r\n"));
}

void StartUpTest::laterRunShowsTheSplashOnly() {
  dir_->write("bin/other.ini", "1\r\n");
  driver_->ExpectSelfClosing();
  auto window = MakeWindow(true);
  window->show();
  window->FormActivate();
  QCOMPARE(driver_->selfClosing(), QStringList{QStringLiteral("TForm8")});
  QVERIFY(window->isVisible());
}

void StartUpTest::missingDataFileEndsTheProgram_data() {
  QTest::addColumn<QStringList>("missing");
  QTest::addColumn<QStringList>("messages");
  const QString closed = QStringLiteral("Quorvex will now be closed");
  QTest::newRow("general options")
      << QStringList{"bin/general.ini"}
      << QStringList{"Quorvex could not find or open 'bin/general.ini'", closed};
  QTest::newRow("first-run flag") << QStringList{"bin/other.ini"}
                                  << QStringList{"Quorvex could not find or open 'bin/other.ini'",
                                                 closed};
  QTest::newRow("one variable file names both")
      << QStringList{"bin/vard.ini"}
      << QStringList{"Quorvex could not find or open 'bin/vara.ini' or 'bin/vard.ini'", closed};
  QTest::newRow("two files each show their pair")
      << QStringList{"bin/general.ini", "bin/mask.ini"}
      << QStringList{"Quorvex could not find or open 'bin/general.ini'", closed,
                     "Quorvex could not find or open 'bin/mask.ini'", closed};
}

void StartUpTest::missingDataFileEndsTheProgram() {
  QFETCH(QStringList, missing);
  QFETCH(QStringList, messages);
  for (const QString& file : missing) dir_->remove(file.toLatin1().constData());
  for (int i = 0; i < messages.size(); ++i) driver_->ExpectMessage();
  auto window = MakeWindow(true);
  window->show();
  window->FormActivate();
  // No splash or welcome follows: the driver would report them as unexpected.
  QCOMPARE(driver_->messages(), messages);
  QVERIFY(!window->isVisible());
  QVERIFY(window->startUpFailed());
  if (missing.contains(QStringLiteral("bin/other.ini"))) {
    QCOMPARE(dir_->read("bin/other.ini"), QByteArray("<missing>"));
  }
}

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
