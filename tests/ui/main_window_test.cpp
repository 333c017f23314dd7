#include "ui/main_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/calculator.h"
#include "support/main_window_harness.h"
#include "ui/main_menus.h"
#include "ui/status_panels.h"

using quorvex::Calculator;
using quorvex::MainWindow;
using quorvex::MainWindowOptions;
using quorvex::testing_support::MainWindowHarness;
using quorvex::testing_support::ModalDriver;

class MainWindowTest : public QObject, MainWindowHarness {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();

  void typingAndEnterTwiceInsertsAndSolves();
  void enabledStates_data();
  void enabledStates();
  void deleteSelectsTheItemInPlace_data();
  void deleteSelectsTheItemInPlace();
  void moveUpAndDown_data();
  void moveUpAndDown();
  void pasteAnswer_data();
  void pasteAnswer();
  void storeInput_data();
  void storeInput();
  void editItem_data();
  void editItem();
  void copyAnswerIsTheGeneralFormEvenInBinary();
  void copySolutionFollowsSolcheck();
  void insertLog_data();
  void insertLog();
  void insertLargeLog();
  void missingLogEndsTheProgram();
  void untrappedFaultIsReportedAndTheProgramGoesOn();
  void menusHoldTheirItemsInOrder_data();
  void menusHoldTheirItemsInOrder();
  void shortcuts_data();
  void shortcuts();
  void hints_data();
  void hints();
  void closingWritesFirstRunDone_data();
  void closingWritesFirstRunDone();

 private:
  void Type(const QString& text) { QTest::keyClicks(window_->input()->lineEdit(), text); }
  void Enter() { QTest::keyClick(window_->input()->lineEdit(), Qt::Key_Return); }
  void Insert(const QStringList& items) {
    for (const QString& item : items) {
      Type(item);
      window_->insertClick();
    }
  }
  QStringList Items() const {
    QStringList items;
    for (int row = 0; row < window_->evaluate()->count(); ++row) {
      items.append(window_->evaluate()->item(row)->text());
    }
    return items;
  }
};

void MainWindowTest::init() {
  StartMainWindow();
  window_->show();
  window_->FormActivate();
}

void MainWindowTest::cleanup() {
  const QStringList unexpected = driver_->unexpected();
  const int pending = driver_->pending();
  StopMainWindow();
  QCOMPARE(unexpected, QStringList());
  QCOMPARE(pending, 0);
}

void MainWindowTest::typingAndEnterTwiceInsertsAndSolves() {
  Type(QStringLiteral("2*sqrt[16]+pi"));
  QVERIFY(window_->insert()->isEnabled());
  Enter();
  QCOMPARE(Items(), QStringList{QStringLiteral("2*sqrt[16]+pi")});
  QCOMPARE(window_->evaluate()->currentRow(), 0);
  QCOMPARE(window_->input()->currentText(), QString());
  QVERIFY(!window_->insert()->isEnabled());
  Enter();
  QCOMPARE(window_->solution()->toPlainText(),
           QStringLiteral("Step 1: 2*sqrt[16]+3,14159265358979\nStep 2: 2*4+3,14159265358979"));
  QCOMPARE(window_->answer()->text(), QStringLiteral("= 11,1415926535898"));
  QCOMPARE(window_->status()->Text(0), QStringLiteral("4 bit"));
  QCOMPARE(window_->status()->Text(1), QStringLiteral("Decimal"));
  QCOMPARE(window_->status()->Text(2), QStringLiteral("= "));
}

void MainWindowTest::enabledStates_data() {
  QTest::addColumn<QStringList>("steps");
  QTest::addColumn<bool>("insert");
  QTest::addColumn<bool>("solveAndClear");
  QTest::addColumn<int>("count");
  QTest::newRow("at start everything but the input is off") << QStringList{} << false << false << 0;
  QTest::newRow("typing enables insert only") << QStringList{"type"} << true << false << 0;
  QTest::newRow("insert enables solve and clear")
      << QStringList{"type", "insert"} << false << true << 1;
  QTest::newRow("delete of the only item disables them")
      << QStringList{"type", "insert", "delete"} << false << false << 0;
  QTest::newRow("clear disables them")
      << QStringList{"type", "insert", "type", "insert", "clear"} << false << false << 0;
  QTest::newRow("insert after clear enables them again")
      << QStringList{"type", "insert", "clear", "type", "insert"} << false << true << 1;
  QTest::newRow("delete with an empty list does nothing")
      << QStringList{"delete"} << false << false << 0;
}

void MainWindowTest::enabledStates() {
  QFETCH(QStringList, steps);
  QFETCH(bool, insert);
  QFETCH(bool, solveAndClear);
  QFETCH(int, count);
  for (const QString& step : steps) {
    if (step == QLatin1String("type")) Type(QStringLiteral("2+3"));
    if (step == QLatin1String("insert")) window_->insert()->click();
    if (step == QLatin1String("delete")) window_->menus().deleteitemmenu->trigger();
    if (step == QLatin1String("clear")) window_->clear()->click();
  }
  const quorvex::MainMenus& menus = window_->menus();
  QCOMPARE(window_->insert()->isEnabled(), insert);
  QCOMPARE(menus.insertmenu->isEnabled(), insert);
  QCOMPARE(window_->solve()->isEnabled(), solveAndClear);
  QCOMPARE(menus.solvemenu->isEnabled(), solveAndClear);
  QCOMPARE(window_->clear()->isEnabled(), solveAndClear);
  QCOMPARE(menus.clearmenu->isEnabled(), solveAndClear);
  QCOMPARE(window_->evaluate()->count(), count);
}

void MainWindowTest::deleteSelectsTheItemInPlace_data() {
  QTest::addColumn<int>("selected");
  QTest::addColumn<QStringList>("left");
  QTest::addColumn<int>("selectedAfter");
  QTest::newRow("last of three selects the new last") << 2 << QStringList{"1", "2"} << 1;
  QTest::newRow("middle of three selects its follower") << 1 << QStringList{"1", "3"} << 1;
  QTest::newRow("first of three selects the new first") << 0 << QStringList{"2", "3"} << 0;
}

void MainWindowTest::deleteSelectsTheItemInPlace() {
  QFETCH(int, selected);
  QFETCH(QStringList, left);
  QFETCH(int, selectedAfter);
  Insert({"1", "2", "3"});
  window_->evaluate()->setCurrentRow(selected);
  window_->findChild<QToolButton*>(QStringLiteral("deleteitem"))->click();
  QCOMPARE(Items(), left);
  QCOMPARE(window_->evaluate()->currentRow(), selectedAfter);
  QVERIFY(window_->solve()->isEnabled());
}

void MainWindowTest::moveUpAndDown_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<int>("selected");
  QTest::addColumn<QStringList>("order");
  QTest::addColumn<int>("selectedAfter");
  QTest::newRow("up on the first does nothing") << "itemup" << 0 << QStringList{"1", "2", "3"} << 0;
  QTest::newRow("down on the last does nothing")
      << "itemdown" << 2 << QStringList{"1", "2", "3"} << 2;
  QTest::newRow("up moves and keeps the selection")
      << "itemup" << 2 << QStringList{"1", "3", "2"} << 1;
  QTest::newRow("down moves and keeps the selection")
      << "itemdown" << 0 << QStringList{"2", "1", "3"} << 1;
}

void MainWindowTest::moveUpAndDown() {
  QFETCH(QString, button);
  QFETCH(int, selected);
  QFETCH(QStringList, order);
  QFETCH(int, selectedAfter);
  Insert({"1", "2", "3"});
  window_->evaluate()->setCurrentRow(selected);
  window_->findChild<QToolButton*>(button)->click();
  QCOMPARE(Items(), order);
  QCOMPARE(window_->evaluate()->currentRow(), selectedAfter);
}

void MainWindowTest::pasteAnswer_data() {
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<QString>("answer");
  QTest::addColumn<QString>("ansTimesTwo");
  QTest::newRow("a decimal comma number becomes ans") << "12,5"
                                                      << "= 12,5"
                                                      << "= 25";
  QTest::newRow("text that is no number leaves ans") << "abc"
                                                     << "Could not paste 'abc' to ans"
                                                     << "= 14";
  QTest::newRow("of several lines only the first is read") << "7\r\n8"
                                                           << "= 7"
                                                           << "= 14";
}

void MainWindowTest::pasteAnswer() {
  QFETCH(QString, clipboard);
  QFETCH(QString, answer);
  QFETCH(QString, ansTimesTwo);
  Insert({"7"});
  window_->solveClick();
  QGuiApplication::clipboard()->setText(clipboard);
  window_->menus().pasteansmenu->trigger();
  QCOMPARE(window_->answer()->text(), answer);
  Insert({"ans*2"});
  window_->solveClick();
  QCOMPARE(window_->answer()->text(), ansTimesTwo);
}

void MainWindowTest::storeInput_data() {
  QTest::addColumn<bool>("storeinput");
  QTest::addColumn<QStringList>("history");
  QTest::newRow("on keeps each text once, newest first") << true << QStringList{"4*5", "2+3"};
  QTest::newRow("off leaves the history alone") << false << QStringList{};
}

void MainWindowTest::storeInput() {
  QFETCH(bool, storeinput);
  QFETCH(QStringList, history);
  calculator_->general().storeinput = storeinput;
  Insert({"2+3", "2+3", "4*5"});
  QStringList actual;
  for (int i = 0; i < window_->input()->count(); ++i) actual.append(window_->input()->itemText(i));
  QCOMPARE(actual, history);
  QCOMPARE(window_->input()->currentText(), QString());
  QCOMPARE(Items().size(), 3);
}

void MainWindowTest::editItem_data() {
  QTest::addColumn<QString>("openBy");
  QTest::addColumn<QString>("newText");
  QTest::addColumn<QString>("press");
  QTest::addColumn<bool>("replaceEnabled");
  QTest::addColumn<QString>("item");
  QTest::newRow("cancel after editing keeps the item") << "button"
                                                       << "9*9"
                                                       << "cancel" << true << "2+3";
  QTest::newRow("replace writes the item back") << "button"
                                                << "9*9"
                                                << "replace" << true << "9*9";
  QTest::newRow("an empty edit box disables replace, Enter does nothing")
      << "menu"
      << ""
      << "enter" << false << "2+3";
  QTest::newRow("double click opens the dialog") << "doubleclick"
                                                 << "4-1"
                                                 << "enter" << true << "4-1";
}

void MainWindowTest::editItem() {
  QFETCH(QString, openBy);
  QFETCH(QString, newText);
  QFETCH(QString, press);
  QFETCH(bool, replaceEnabled);
  QFETCH(QString, item);
  Insert({"1", "2+3"});
  QString shown;
  bool enabled = !replaceEnabled;
  QString still_open_after_enter;
  driver_->Expect([&](QWidget* dialog) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("edit"));
    shown = dialog->objectName() + QLatin1Char(':') + edit->text();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, newText);
    enabled = dialog->findChild<QPushButton*>(QStringLiteral("replace"))->isEnabled();
    if (press == QLatin1String("enter")) {
      QTest::keyClick(edit, Qt::Key_Return);
      if (dialog->isVisible()) {
        still_open_after_enter = QStringLiteral("open");
        dialog->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
      }
    } else {
      dialog->findChild<QPushButton*>(press)->click();
    }
  });
  if (openBy == QLatin1String("button")) {
    window_->findChild<QToolButton*>(QStringLiteral("edititem"))->click();
  } else if (openBy == QLatin1String("menu")) {
    window_->menus().edititemmenu->trigger();
  } else {
    QListWidget* list = window_->evaluate();
    const QPoint at = list->visualItemRect(list->item(1)).center();
    // An item view reads a double click as the second press of a click pair.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  }
  QCOMPARE(shown, QStringLiteral("TForm2:2+3"));
  QCOMPARE(enabled, replaceEnabled);
  QCOMPARE(still_open_after_enter.isEmpty(), replaceEnabled);
  QCOMPARE(Items(), (QStringList{"1", item}));
}

void MainWindowTest::copyAnswerIsTheGeneralFormEvenInBinary() {
  calculator_->general().numbersys = quorvex::kBinary;
  Insert({"10/4"});
  window_->solveClick();
  QVERIFY(window_->answer()->text() != QStringLiteral("= 2,5"));
  window_->menus().copyansmenu->trigger();
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2,5"));
}

void MainWindowTest::copySolutionFollowsSolcheck() {
  Insert({"2+3"});
  window_->solveClick();
  QVERIFY(window_->menus().copysolmenu->isEnabled());
  window_->menus().copysolmenu->trigger();
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Step 1: 2+3"));
  calculator_->general().solcheck = false;
  window_->ApplyGeneralSettings();
  QVERIFY(!window_->menus().copysolmenu->isEnabled());
}

void MainWindowTest::insertLog_data() {
  QTest::addColumn<QStringList>("before");
  QTest::addColumn<QByteArray>("log");
  QTest::addColumn<QStringList>("after");
  QTest::newRow("an empty list receives every non-empty line")
      << QStringList{} << QByteArray("2+3\r\n\r\n4*5\r\n") << QStringList{"2+3", "4*5"};
  QTest::newRow("a list with items stays as it is")
      << QStringList{"1"} << QByteArray("2+3\r\n") << QStringList{"1"};
  QTest::newRow("an empty log inserts nothing") << QStringList{} << QByteArray() << QStringList{};
}

void MainWindowTest::insertLog() {
  QFETCH(QStringList, before);
  QFETCH(QByteArray, log);
  QFETCH(QStringList, after);
  Insert(before);
  dir_->write("bin/log.ini", log);
  window_->findChild<QToolButton*>(QStringLiteral("insertlog"))->click();
  QCOMPARE(Items(), after);
  QCOMPARE(window_->evaluate()->currentRow(), after.size() - 1);
  QCOMPARE(window_->solve()->isEnabled(), !after.isEmpty());
  QCOMPARE(window_->clear()->isEnabled(), !after.isEmpty());
  QVERIFY(window_->isVisible());
}

// A long log arrives whole and in order, and the user sees what single inserts would show: one
// selected row, the last, scrolled into view.
void MainWindowTest::insertLargeLog() {
  constexpr int kLines = 100000;
  QByteArray log;
  for (int line = 0; line < kLines; ++line) {
    // Every tenth line is empty and skipped; lines of blanks are items.
    log += line % 10 == 9   ? QByteArray()
           : line % 10 == 5 ? QByteArray("  ")
                            : "1+" + QByteArray::number(line);
    log += "\r\n";
  }
  dir_->write("bin/log.ini", log);
  window_->menus().insertlogmenu->trigger();
  QListWidget* list = window_->evaluate();
  QCOMPARE(list->count(), kLines / 10 * 9);
  QCOMPARE(list->item(0)->text(), QStringLiteral("1+0"));
  QCOMPARE(list->item(5)->text(), QStringLiteral("  "));
  QCOMPARE(list->item(9)->text(), QStringLiteral("1+10"));
  QCOMPARE(list->item(list->count() - 1)->text(), QStringLiteral("1+99998"));
  QCOMPARE(list->currentRow(), list->count() - 1);
  QCOMPARE(list->selectedItems(), QList<QListWidgetItem*>{list->item(list->count() - 1)});
  QApplication::processEvents();
  QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->currentItem())));
  QVERIFY(window_->solve()->isEnabled());
  QVERIFY(window_->menus().clearmenu->isEnabled());
  // Enter solves the selected last row.
  QTest::keyClick(window_->input()->lineEdit(), Qt::Key_Return);
  QCOMPARE(window_->answer()->text(), QStringLiteral("= 99999"));
}

void MainWindowTest::missingLogEndsTheProgram() {
  dir_->remove("bin/log.ini");
  driver_->ExpectMessage();
  driver_->ExpectMessage();
  window_->menus().insertlogmenu->trigger();
  QCOMPARE(driver_->messages(), (QStringList{"Quorvex could not find or open 'bin/log.ini'",
                                             "Quorvex will now be closed"}));
  QVERIFY(!window_->isVisible());
  QCOMPARE(window_->evaluate()->count(), 0);
}

void MainWindowTest::untrappedFaultIsReportedAndTheProgramGoesOn() {
  driver_->ExpectMessage();
  Type(QStringLiteral("rec[0]"));
  Enter();
  Enter();
  QCOMPARE(driver_->messages().size(), 1);
  QVERIFY(!driver_->messages().front().isEmpty());
  QCOMPARE(window_->answer()->text(), QString());
  QVERIFY(window_->isVisible());
  Insert({"2+3"});
  window_->solveClick();
  QCOMPARE(window_->answer()->text(), QStringLiteral("= 5"));
}

void MainWindowTest::menusHoldTheirItemsInOrder_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QStringList>("items");
  QTest::newRow("File") << "filemenu"
                        << QStringList{"File",
                                       "insertmenu:Insert",
                                       "solvemenu:Solve",
                                       "clearmenu:Clear",
                                       "-",
                                       "simplemodemenu:Simple mode",
                                       "-",
                                       "exitmenu:Exit"};
  QTest::newRow("Edit") << "editmenu" << QStringList{"Edit",
                                                     "copyansmenu:Copy answer",
                                                     "pasteansmenu:Paste answer",
                                                     "-",
                                                     "copysolmenu:Copy solution",
                                                     "-",
                                                     "insertlogmenu:Insert log"};
  QTest::newRow("Tools") << "toolsmenu"
                         << QStringList{"Tools",
                                        "graphmenu:Graph options...",
                                        "maskmenu:Mask options...",
                                        "-",
                                        "constantsmenu:Constants",
                                        "functionsmenu:Functions",
                                        "variablesmenu:Variables",
                                        "-",
                                        "optionsmenu:General options..."};
  QTest::newRow("Help") << "helpmenu" << QStringList{"Help",
                                                     "bugmenu:Report a bug",
                                                     "homepagemenu:Visit homepage",
                                                     "-",
                                                     "tutorialmenu:Tutorial",
                                                     "-",
                                                     "aboutmenu:About Quorvex"};
  QTest::newRow("context menu of the list")
      << "evaluatemenu"
      << QStringList{"",  "itemupmenu:Up",    "-", "edititemmenu:Edit", "deleteitemmenu:Delete",
                     "-", "itemdownmenu:Down"};
}

void MainWindowTest::menusHoldTheirItemsInOrder() {
  QFETCH(QString, menu);
  QFETCH(QStringList, items);
  auto* found = window_->findChild<QMenu*>(menu);
  QVERIFY(found != nullptr);
  // The captions as read, without the mnemonic markers.
  auto plain = [](QString text) { return text.remove(QLatin1Char('&')); };
  QStringList actual{plain(found->title())};
  for (const QAction* action : found->actions()) {
    actual.append(action->isSeparator()
                      ? QStringLiteral("-")
                      : action->objectName() + QLatin1Char(':') + plain(action->text()));
  }
  QCOMPARE(actual, items);
}

void MainWindowTest::shortcuts_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QKeySequence>("shortcut");
  QTest::newRow("Insert F1") << "insertmenu" << QKeySequence(Qt::Key_F1);
  QTest::newRow("Solve F2") << "solvemenu" << QKeySequence(Qt::Key_F2);
  QTest::newRow("Clear F3") << "clearmenu" << QKeySequence(Qt::Key_F3);
  QTest::newRow("Constants F5") << "constantsmenu" << QKeySequence(Qt::Key_F5);
  QTest::newRow("Functions F6") << "functionsmenu" << QKeySequence(Qt::Key_F6);
  QTest::newRow("Variables F7") << "variablesmenu" << QKeySequence(Qt::Key_F7);
  QTest::newRow("Up Ctrl+Up") << "itemupmenu" << QKeySequence(Qt::CTRL | Qt::Key_Up);
  QTest::newRow("Edit Ctrl+E") << "edititemmenu" << QKeySequence(Qt::CTRL | Qt::Key_E);
  QTest::newRow("Delete Del") << "deleteitemmenu" << QKeySequence(Qt::Key_Delete);
  QTest::newRow("Down Ctrl+Down") << "itemdownmenu" << QKeySequence(Qt::CTRL | Qt::Key_Down);
}

void MainWindowTest::shortcuts() {
  QFETCH(QString, action);
  QFETCH(QKeySequence, shortcut);
  auto* found = window_->findChild<QAction*>(action);
  QVERIFY(found != nullptr);
  QCOMPARE(found->shortcut(), shortcut);
}

void MainWindowTest::hints_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("hint");
  QTest::newRow("input") << "input"
                         << "Type in a mathematical expression";
  QTest::newRow("insert") << "insert"
                          << "Insert a mathematical expression";
  QTest::newRow("itemup") << "itemup"
                          << "Move selected item up";
  QTest::newRow("itemdown") << "itemdown"
                            << "Move selected item down";
  QTest::newRow("edititem") << "edititem"
                            << "Edit selected item";
  QTest::newRow("deleteitem") << "deleteitem"
                              << "Delete selected item";
  QTest::newRow("insertlog") << "insertlog"
                             << "Insert log";
  QTest::newRow("simplemode") << "simplemode"
                              << "Switch to simple mode";
  QTest::newRow("solve") << "solve"
                         << "Solve selected mathematical expression";
  QTest::newRow("clear") << "clear"
                         << "Clear evaluate";
}

void MainWindowTest::hints() {
  QFETCH(QString, control);
  QFETCH(QString, hint);
  const QList<QWidget*> found = window_->findChildren<QWidget*>(control);
  QVERIFY(!found.isEmpty());
  // The main window's control comes first; the simple mode window is not its child.
  QCOMPARE(found.front()->toolTip(), hint);
}

void MainWindowTest::closingWritesFirstRunDone_data() {
  QTest::addColumn<QByteArray>("before");
  QTest::newRow("a first run") << QByteArray("0\r\n");
  QTest::newRow("even when it held 1 already") << QByteArray("1\r\n");
}

void MainWindowTest::closingWritesFirstRunDone() {
  QFETCH(QByteArray, before);
  dir_->write("bin/other.ini", before);
  window_->menus().exitmenu->trigger();
  QVERIFY(!window_->isVisible());
  QCOMPARE(dir_->read("bin/other.ini"), QByteArray("1\r\n"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
