#include "ui/mask_options_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "app/calculator.h"
#include "support/modal_driver.h"
#include "support/qt_workdir.h"
#include "support/recording_notifier.h"

namespace quorvex {

using testing_support::ModalWatchdog;
using testing_support::QtWorkdir;
using testing_support::RecordingNotifier;

class MaskOptionsDialogTest : public QObject {
  Q_OBJECT

 private:
  template <typename T>
  T* control(const char* name) {
    T* widget = dialog_->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("no control %s", name);
    return widget;
  }
  QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
  QString preview() { return control<QLabel>("preview")->text(); }
  void open(long double sample) {
    QVERIFY(calculator_->StartUp(notifier_));
    dialog_ = std::make_unique<MaskOptionsDialog>(*calculator_, notifier_);
    applied_ = std::make_unique<QSignalSpy>(dialog_.get(), &MaskOptionsDialog::applied);
    dialog_->setSample(sample);
    dialog_->show();
  }

  std::unique_ptr<QtWorkdir> workdir_;
  RecordingNotifier notifier_;
  std::unique_ptr<Calculator> calculator_;
  std::unique_ptr<MaskOptionsDialog> dialog_;
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

  void previewFollowsTyping_data() {
    QTest::addColumn<double>("sample");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("shown");
    QTest::newRow("defaults write the general form") << 4.0 << "= "
                                                     << ""
                                                     << ""
                                                     << "= 4";
    QTest::newRow("empty mask keeps decimals") << 0.1 << "= "
                                               << ""
                                               << ""
                                               << "= 0,1";
    QTest::newRow("prefix pattern and suffix") << 2.0 << "Result: "
                                               << "0.000"
                                               << " m"
                                               << "Result: 2,000 m";
    QTest::newRow("too large for the pattern") << 1e20 << "= "
                                               << "0.00"
                                               << ""
                                               << "= 1E20";
    QTest::newRow("everything empty") << 2.5 << ""
                                      << ""
                                      << ""
                                      << "2,5";
  }
  void previewFollowsTyping() {
    QFETCH(double, sample);
    QFETCH(QString, prefix);
    QFETCH(QString, mask);
    QFETCH(QString, suffix);
    QFETCH(QString, shown);
    open(sample);
    // Type character by character, as a user would; the preview follows without any button.
    for (const char* name : {"prefix", "mask", "suffix"}) edit(name)->clear();
    QTest::keyClicks(edit("prefix"), prefix);
    QTest::keyClicks(edit("mask"), mask);
    QTest::keyClicks(edit("suffix"), suffix);
    QCOMPARE(preview(), shown);
    control<QPushButton>("cancel")->click();
  }

  void closingAgainstTheFile() {
    struct Row {
      const char* name;
      QByteArray before;
      const char* prefix;  // nullptr: press Default instead of typing
      const char* button;
      QByteArray after;
      const char* status;
    };
    const QByteArray defaults = "= \r\n\r\n\r\n";
    const QByteArray custom = "Result: \r\n0.000\r\n m\r\n";
    const Row rows[] = {
        {"ok writes the three lines", defaults, "Result: ", "ok", custom, "Result: 0.000 m"},
        {"cancel discards typing", defaults, "Result: ", "cancel", defaults, "= "},
        {"default then cancel changes nothing", custom, nullptr, "cancel", custom,
         "Result: 0.000 m"},
        {"default then ok writes the defaults", custom, nullptr, "ok", defaults, "= "},
    };
    for (const Row& row : rows) {
      init();
      workdir_->write("bin/mask.ini", row.before);
      open(2);
      if (row.prefix != nullptr) {
        edit("prefix")->setText(QString::fromLatin1(row.prefix));
        edit("mask")->setText(QStringLiteral("0.000"));
        edit("suffix")->setText(QStringLiteral(" m"));
      } else {
        control<QPushButton>("default2")->click();
        QCOMPARE(edit("prefix")->text(), QStringLiteral("= "));
        QCOMPARE(preview(), QStringLiteral("= 2"));
      }
      control<QPushButton>(row.button)->click();
      QVERIFY2(!dialog_->isVisible(), row.name);
      QCOMPARE(workdir_->read("bin/mask.ini"), row.after);
      QCOMPARE(applied_->count(), qstrcmp(row.button, "ok") == 0 ? 1 : 0);
      QCOMPARE(QString::fromStdString(calculator_->Status().mask), QString::fromLatin1(row.status));
      QCOMPARE(edit("prefix")->text().toStdString(), calculator_->mask().prefix);
      QCOMPARE(edit("suffix")->text().toStdString(), calculator_->mask().suffix);
      cleanup();
    }
  }

  void captionsAndHints() {
    open(0);
    QCOMPARE(dialog_->objectName(), QStringLiteral("TForm3"));
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Mask options"));
    QCOMPARE(edit("prefix")->toolTip(), QStringLiteral("Type in a prefix value for the answer"));
    QCOMPARE(edit("mask")->toolTip(),
             QStringLiteral("Type in a mask to be used as a layer over the answer"));
    QCOMPARE(edit("suffix")->toolTip(), QStringLiteral("Type in a suffix value for the answer"));
    QVERIFY(control<QPushButton>("ok")->isDefault());
    control<QPushButton>("cancel")->click();
  }
};

}  // namespace quorvex

QTEST_MAIN(quorvex::MaskOptionsDialogTest)
#include "mask_options_dialog_test.moc"
