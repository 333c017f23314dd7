#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/calculator.h"
#include "support/main_window_harness.h"
#include "ui/main_window.h"
#include "ui/simple_mode_window.h"

using quorvex::Calculator;
using quorvex::MainWindow;
using quorvex::MainWindowOptions;
using quorvex::SimpleModeWindow;
using quorvex::testing_support::MainWindowHarness;
using quorvex::testing_support::ModalDriver;

class SimpleModeTest : public QObject, MainWindowHarness {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();

  void enteringTakesTheMainInputOver_data();
  void enteringTakesTheMainInputOver();
  void solveFollowsTheInput();
  void enterWithAnEmptyInputDoesNothing();
  void solvingTwiceAppendsTwice();
  void answers_data();
  void answers();
  void standardModeShowsTheMainWindowAgain();

 private:
  SimpleModeWindow* Simple() const { return window_->simpleModeWindow(); }
  void Enter() { QTest::keyClick(Simple()->input(), Qt::Key_Return); }
};

void SimpleModeTest::init() {
  StartMainWindow();
  window_->show();
  window_->FormActivate();
}

void SimpleModeTest::cleanup() {
  const QStringList unexpected = driver_->unexpected();
  StopMainWindow();
  QCOMPARE(unexpected, QStringList());
}

void SimpleModeTest::enteringTakesTheMainInputOver_data() {
  QTest::addColumn<QString>("mainInput");
  QTest::addColumn<bool>("solveEnabled");
  QTest::newRow("an empty main input gives an empty input and no solve") << "" << false;
  QTest::newRow("a typed expression comes along and enables solve") << "2+3" << true;
}

void SimpleModeTest::enteringTakesTheMainInputOver() {
  QFETCH(QString, mainInput);
  QFETCH(bool, solveEnabled);
  window_->input()->setEditText(mainInput);
  window_->findChild<QToolButton*>(QStringLiteral("simplemode"))->click();
  QVERIFY(Simple()->isVisible());
  QVERIFY(!window_->isVisible());
  QCOMPARE(Simple()->objectName(), QStringLiteral("TForm15"));
  QCOMPARE(Simple()->windowTitle(), QStringLiteral("Quorvex [Simple]"));
  QCOMPARE(Simple()->input()->text(), mainInput);
  QCOMPARE(Simple()->solve()->isEnabled(), solveEnabled);
}

void SimpleModeTest::solveFollowsTheInput() {
  window_->simplemodeClick();
  QTest::keyClick(Simple()->input(), Qt::Key_2);
  QVERIFY(Simple()->solve()->isEnabled());
  QTest::keyClick(Simple()->input(), Qt::Key_Backspace);
  QVERIFY(!Simple()->solve()->isEnabled());
}

void SimpleModeTest::enterWithAnEmptyInputDoesNothing() {
  window_->simplemodeClick();
  Enter();
  QCOMPARE(window_->evaluate()->count(), 0);
  QCOMPARE(Simple()->answer()->text(), QString());
}

void SimpleModeTest::solvingTwiceAppendsTwice() {
  window_->simplemodeClick();
  QTest::keyClicks(Simple()->input(), QStringLiteral("2*sqrt[16]+pi"));
  Enter();
  QCOMPARE(Simple()->answer()->text(), QStringLiteral("= 11,1415926535898"));
  QCOMPARE(Simple()->input()->text(), QStringLiteral("2*sqrt[16]+pi"));
  Enter();
  QListWidget* list = window_->evaluate();
  QCOMPARE(list->count(), 2);
  QCOMPARE(list->item(0)->text(), QStringLiteral("2*sqrt[16]+pi"));
  QCOMPARE(list->item(1)->text(), QStringLiteral("2*sqrt[16]+pi"));
  QCOMPARE(list->currentRow(), 1);
  QVERIFY(window_->solve()->isEnabled());
  QCOMPARE(window_->input()->currentText(), QString());
}

void SimpleModeTest::answers_data() {
  QTest::addColumn<QString>("expression");
  QTest::addColumn<QString>("answer");
  QTest::newRow("an answer") << "10/4"
                             << "= 2,5";
  QTest::newRow("a syntax error shows the engine's message")
      << "(2+3"
      << "One or more ( ) parentheses are unbalanced";
  QTest::newRow("an unknown function") << "foo[1]"
                                       << "'foo' is not a function. See (Tools/Functions) for a "
                                          "list of all available functions";
}

void SimpleModeTest::answers() {
  QFETCH(QString, expression);
  QFETCH(QString, answer);
  window_->simplemodeClick();
  QTest::keyClicks(Simple()->input(), expression);
  Simple()->solve()->click();
  QCOMPARE(Simple()->answer()->text(), answer);
  QCOMPARE(window_->answer()->text(), answer);
}

void SimpleModeTest::standardModeShowsTheMainWindowAgain() {
  window_->input()->setEditText(QStringLiteral("7"));
  window_->simplemodeClick();
  Simple()->input()->setText(QStringLiteral("1+1"));
  Simple()->solve()->click();
  Simple()->standardmode()->click();
  QVERIFY(!Simple()->isVisible());
  QVERIFY(window_->isVisible());
  // Nothing is copied back into the main input; the solved expression stays in the list.
  QCOMPARE(window_->input()->currentText(), QString());
  QCOMPARE(window_->evaluate()->count(), 1);
}

QTEST_MAIN(SimpleModeTest)
#include "simple_mode_test.moc"
