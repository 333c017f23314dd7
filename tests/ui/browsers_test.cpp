#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "support/modal_driver.h"
#include "support/qt_workdir.h"
#include "support/recording_notifier.h"
#include "ui/constants_browser.h"
#include "ui/functions_browser.h"

namespace quorvex {

using testing_support::ModalWatchdog;
using testing_support::RecordingNotifier;

class BrowsersTest : public QObject {
  Q_OBJECT

 private:
  enum Which { kFunctions, kConstants };

  void make(Which which) {
    if (which == kFunctions) {
      browser_ = std::make_unique<FunctionsBrowser>(notifier_);
    } else {
      browser_ = std::make_unique<ConstantsBrowser>(notifier_);
    }
    browser_->show();
  }
  template <typename T>
  T* control(const char* name) {
    T* widget = browser_->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("no control %s", name);
    return widget;
  }
  QListWidget* list() { return control<QListWidget>("list"); }
  QString count() { return control<QLabel>("count")->text(); }
  QString formula() { return control<QLabel>("formula")->text(); }
  QString info() { return control<QLabel>("info")->text(); }
  QStringList names() {
    QStringList shown;
    for (int row = 0; row < list()->count(); ++row) shown << list()->item(row)->text();
    return shown;
  }
  void choose(int position) {
    auto* category = control<QComboBox>("category");
    category->setCurrentIndex(position);
    Q_EMIT category->activated(position);
  }
  void search(const QString& text) {
    QTest::keyClicks(control<QLineEdit>("search"), text);
    control<QPushButton>("go")->click();
  }

  RecordingNotifier notifier_;
  std::unique_ptr<TableBrowser> browser_;
  std::unique_ptr<ModalWatchdog> watchdog_;

 private Q_SLOTS:
  void init() {
    notifier_ = RecordingNotifier();
    watchdog_ = std::make_unique<ModalWatchdog>();
  }
  void cleanup() {
    QVERIFY2(watchdog_->blocked().isEmpty(), qPrintable(watchdog_->blocked()));
    browser_.reset();
  }

  void categoriesFilterByWholeCode_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("first");
    QTest::newRow("all functions") << int(kFunctions) << 0 << "All"
                                   << "155"
                                   << "!";
    QTest::newRow("math real leaves out math integer") << int(kFunctions) << 7 << "Math (Real)"
                                                       << "17"
                                                       << "abs";
    QTest::newRow("math integer") << int(kFunctions) << 6 << "Math (Integer)"
                                  << "10"
                                  << "dcount";
    QTest::newRow("relational operators") << int(kFunctions) << 9 << "Relational Operators"
                                          << "6"
                                          << "<";
    QTest::newRow("all constants") << int(kConstants) << 0 << "All"
                                   << "65"
                                   << "a";
    QTest::newRow("analytic inequalities lists only cyclic")
        << int(kConstants) << 1 << "Analytic Inequalities"
        << "1"
        << "cyclic";
    QTest::newRow("approximation leaves out astronomical")
        << int(kConstants) << 2 << "Approximation"
        << ""
        << "";
  }
  void categoriesFilterByWholeCode() {
    QFETCH(int, which);
    QFETCH(int, position);
    QFETCH(QString, category);
    QFETCH(QString, count);
    QFETCH(QString, first);
    make(static_cast<Which>(which));
    QCOMPARE(control<QComboBox>("category")->currentIndex(), 0);
    choose(position);
    QCOMPARE(control<QComboBox>("category")->currentText(), category);
    if (!count.isEmpty()) QCOMPARE(this->count(), count);
    QCOMPARE(this->count(), QString::number(list()->count()));
    if (!first.isEmpty()) QCOMPARE(list()->item(0)->text(), first);
    if (which == kConstants && position == 2) QVERIFY(!names().contains(QStringLiteral("au")));
  }

  void firstShowingListsAllAndSortsIgnoringCase() {
    make(kConstants);
    QCOMPARE(count(), QStringLiteral("65"));
    const QStringList shown = names();
    QVERIFY(shown.indexOf("l_sun") < shown.indexOf("landau"));
    QVERIFY(shown.indexOf("m_sun") < shown.indexOf("mert"));
    for (int i = 1; i < shown.size(); ++i) {
      QVERIFY2(shown[i - 1].toLower() <= shown[i].toLower(), qPrintable(shown[i]));
    }
    QCOMPARE(formula(), QString());
  }

  void listClickShowsFormulaAndInfo_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("info");
    QTest::newRow("constant pi") << int(kConstants) << "pi"
                                 << "pi = 3,1416..."
                                 << "Returns the value of the Archimedes' constant. Accurate to 15 "
                                    "digits";
    QTest::newRow("one parameter") << int(kFunctions) << "sin"
                                   << "sin[n1]"
                                   << "";
    QTest::newRow("array function") << int(kFunctions) << "max"
                                    << "max[n1;n2;...]"
                                    << "";
    QTest::newRow("description with e acute")
        << int(kFunctions) << "cel>rea"
        << "cel>rea[n1]"
        << QString::fromUtf8("Converts n1 measurement in Celsius into R\u00e9aumur");
  }
  void listClickShowsFormulaAndInfo() {
    QFETCH(int, which);
    QFETCH(QString, name);
    QFETCH(QString, formula);
    QFETCH(QString, info);
    make(static_cast<Which>(which));
    const QList<QListWidgetItem*> found = list()->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualItemRect(found.front()).center());
    QCOMPARE(this->formula(), formula);
    if (!info.isEmpty()) QCOMPARE(this->info(), info);
    QVERIFY(!this->info().isEmpty());
  }

  void searchGoes_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("category");  // empty: not found
    QTest::addColumn<QString>("message");
    QTest::newRow("pi moves to well-known") << int(kConstants) << "pi"
                                            << "Well-known"
                                            << "";
    QTest::newRow("Pi is no constant") << int(kConstants) << "Pi"
                                       << ""
                                       << "Could not find constant 'Pi'";
    QTest::newRow("a leading blank is not trimmed") << int(kConstants) << " pi"
                                                    << ""
                                                    << "Could not find constant ' pi'";
    QTest::newRow("sin moves to trigonometric") << int(kFunctions) << "sin"
                                                << "Trigonometric"
                                                << "";
    QTest::newRow("no prefix matching") << int(kFunctions) << "sin["
                                        << ""
                                        << "Could not find function 'sin['";
  }
  void searchGoes() {
    QFETCH(int, which);
    QFETCH(QString, text);
    QFETCH(QString, category);
    QFETCH(QString, message);
    make(static_cast<Which>(which));
    choose(1);
    auto* go = control<QPushButton>("go");
    QVERIFY(!go->isEnabled());
    search(text);
    if (category.isEmpty()) {
      QCOMPARE(notifier_.messages, std::vector<std::string>{message.toStdString()});
      QCOMPARE(control<QComboBox>("category")->currentIndex(), 1);
    } else {
      QVERIFY(notifier_.messages.empty());
      QCOMPARE(control<QComboBox>("category")->currentText(), category);
      QCOMPARE(list()->currentItem()->text(), text);
      QVERIFY(list()->currentItem()->isSelected());
      QVERIFY(formula().startsWith(text));
      if (text == "pi") QCOMPARE(formula(), QStringLiteral("pi = 3,1416..."));
      QCOMPARE(count(), QString::number(list()->count()));
    }
    QCOMPARE(control<QLineEdit>("search")->text(), QString());
    QVERIFY(!go->isEnabled());
  }

  // The search moves the category without it counting as a choice: All stays reachable.
  void choosingAllAfterSearchListsEverything() {
    make(kConstants);
    search(QStringLiteral("cyclic"));
    QCOMPARE(count(), QStringLiteral("1"));
    choose(0);
    QCOMPARE(count(), QStringLiteral("65"));
  }

  void enterRunsGoOrCloses() {
    make(kConstants);
    auto* edit = control<QLineEdit>("search");
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("e"));
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(browser_->isVisible());
    QCOMPARE(list()->currentItem()->text(), QStringLiteral("e"));
    QTest::keyClick(list(), Qt::Key_Return);
    QVERIFY(!browser_->isVisible());
  }

  void stateSurvivesClosing() {
    make(kFunctions);
    choose(5);
    QListWidgetItem* item = list()->item(2);
    list()->setCurrentItem(item);
    const QString name = item->text();
    const QString shown_formula = formula();
    control<QPushButton>("close")->click();
    QVERIFY(!browser_->isVisible());
    browser_->show();
    QCOMPARE(control<QComboBox>("category")->currentText(), QStringLiteral("Geometric"));
    QCOMPARE(count(), QStringLiteral("18"));
    QCOMPARE(list()->currentItem()->text(), name);
    QCOMPARE(formula(), shown_formula);
  }

  void captionsAndHints_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::newRow("functions") << int(kFunctions) << "TForm4"
                               << "Functions"
                               << "Type in a function you want to find";
    QTest::newRow("constants") << int(kConstants) << "TForm9"
                               << "Constants"
                               << "Type in a constant you want to find";
  }
  void captionsAndHints() {
    QFETCH(int, which);
    QFETCH(QString, object);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    make(static_cast<Which>(which));
    QCOMPARE(browser_->objectName(), object);
    QCOMPARE(browser_->windowTitle(), caption);
    QVERIFY(!browser_->isModal());
    QCOMPARE(control<QLineEdit>("search")->toolTip(), hint);
    QCOMPARE(control<QPushButton>("go")->toolTip(), QStringLiteral("Start search"));
    QCOMPARE(control<QPushButton>("close")->toolTip(), QStringLiteral("Close form"));
    QVERIFY(control<QLabel>("formula")->font().bold());
    QVERIFY(control<QLabel>("info")->wordWrap());
  }
};

}  // namespace quorvex

QTEST_MAIN(quorvex::BrowsersTest)
#include "browsers_test.moc"
