// A pasted line break never reaches a data file or the expression list: every single-line box
// cuts a paste at its first break, and the files keep their line counts.
#include "ui/single_line.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "app/calculator.h"
#include "support/main_window_harness.h"
#include "ui/main_menus.h"
#include "ui/main_window.h"

using quorvex::Calculator;
using quorvex::MainWindow;
using quorvex::MainWindowOptions;
using quorvex::testing_support::MainWindowHarness;

namespace {

void Paste(QLineEdit* edit, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

template <typename T>
T* Control(QWidget* window, const char* name) {
  T* widget = window->findChild<T*>(QString::fromLatin1(name));
  if (widget == nullptr) qFatal("no control %s", name);
  return widget;
}

}  // namespace

class SingleLineTest : public QObject, MainWindowHarness {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();

  void pasteIsCutAtItsFirstLineBreak_data();
  void pasteIsCutAtItsFirstLineBreak();
  void everyEditableBoxKeepsOneLine();
  void graphStartKeepsTheFileAtTwentyThreeLines();
  void maskPrefixKeepsItsFirstLine();
  void pastedExpressionBecomesOneItem_data();
  void pastedExpressionBecomesOneItem();
  void wizardAddsOneLineToEachList();

 private:
  // Runs action on the modal dialog that the menu item opens.
  void OnDialog(QAction* menu, const std::function<void(QWidget*)>& action) {
    bool driven = false;
    driver_->Expect([&](QWidget* dialog) {
      action(dialog);
      driven = true;
    });
    menu->trigger();
    QVERIFY(driven);
  }
};

void SingleLineTest::init() {
  StartMainWindow();
  window_->show();
  window_->FormActivate();
}

void SingleLineTest::cleanup() {
  const QStringList unexpected = driver_->unexpected();
  const int pending = driver_->pending();
  StopMainWindow();
  QCOMPARE(unexpected, QStringList());
  QCOMPARE(pending, 0);
}

void SingleLineTest::pasteIsCutAtItsFirstLineBreak_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<int>("cursor");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("after");
  QTest::addColumn<int>("cursorAfter");
  QTest::newRow("a final LF goes") << "" << 0 << "5\n"
                                   << "5" << 1;
  QTest::newRow("CR LF lines keep the first") << "" << 0 << "2+3\r\n4*5\r\n"
                                              << "2+3" << 3;
  QTest::newRow("a lone CR is a break") << "x" << 1 << "1\r2"
                                        << "x1" << 2;
  QTest::newRow("text after the cursor stays") << "12" << 1 << "a\nb"
                                               << "1a2" << 2;
  QTest::newRow("a leading break pastes nothing") << "ab" << 1 << "\nzz"
                                                  << "ab" << 1;
  QTest::newRow("a paragraph separator is a break")
      << "" << 0 << QStringLiteral("p") + QChar(QChar::ParagraphSeparator) + QStringLiteral("q")
      << "p" << 1;
  QTest::newRow("a single line pastes whole") << "(" << 1 << "1+2)"
                                              << "(1+2)" << 5;
}

// The same rows through a plain edit box and an editable combo box's edit line.
void SingleLineTest::pasteIsCutAtItsFirstLineBreak() {
  QFETCH(QString, before);
  QFETCH(int, cursor);
  QFETCH(QString, pasted);
  QFETCH(QString, after);
  QFETCH(int, cursorAfter);
  QLineEdit edit;
  quorvex::KeepSingleLine(&edit);
  QComboBox combo;
  combo.setEditable(true);
  quorvex::KeepSingleLine(&combo);
  for (QLineEdit* box : {&edit, combo.lineEdit()}) {
    box->setText(before);
    box->setCursorPosition(cursor);
    Paste(box, pasted);
    QCOMPARE(box->text(), after);
    QCOMPARE(box->cursorPosition(), cursorAfter);
  }
  QCOMPARE(combo.currentText(), after);
}

// A box added later without the guard would let a break through to its file.
void SingleLineTest::everyEditableBoxKeepsOneLine() {
  QStringList leaking;
  int checked = 0;
  for (QWidget* widget : QApplication::allWidgets()) {
    auto* box = qobject_cast<QLineEdit*>(widget);
    // Read-only boxes show answers; the tutorial's example boxes show fixed texts.
    if (box == nullptr || box->isReadOnly() || box->window()->objectName() == "TForm12") continue;
    box->setText(QStringLiteral("a\nb"));
    if (box->text() != QLatin1String("a")) {
      leaking.append(box->window()->objectName() + QLatin1Char('/') + box->objectName() +
                     QLatin1Char('/') + box->parentWidget()->objectName());
    }
    ++checked;
  }
  QCOMPARE(leaking, QStringList());
  // input, edit, both wizard boxes, the seven graph edits, the mask's three, the simple mode's
  // input and the two browsers' search boxes.
  QVERIFY2(checked >= 17, qPrintable(QString::number(checked)));
}

void SingleLineTest::graphStartKeepsTheFileAtTwentyThreeLines() {
  OnDialog(window_->menus().graphmenu, [](QWidget* dialog) {
    QLineEdit* start = Control<QLineEdit>(dialog, "start");
    start->selectAll();
    Paste(start, QStringLiteral("5\n"));
    QLineEdit* stop = Control<QLineEdit>(dialog, "stop");
    stop->selectAll();
    Paste(stop, QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n16\n17\n18"));
    Control<QPushButton>(dialog, "ok")->click();
  });
  const QByteArray file = dir_->read("bin/graph.ini");
  QCOMPARE(file.count("\r\n"), 23);
  QVERIFY2(file.startsWith("5\r\n1\r\n1\r\n1\r\n"), file.constData());
  QVERIFY2(file.endsWith("\r\n15102720\r\n16777215\r\n13158600\r\n13158600\r\n0\r\n10\r\n"),
           file.constData());
  QCOMPARE(calculator_->graph().start, std::string("5"));
}

void SingleLineTest::maskPrefixKeepsItsFirstLine() {
  OnDialog(window_->menus().maskmenu, [](QWidget* dialog) {
    QLineEdit* prefix = Control<QLineEdit>(dialog, "prefix");
    prefix->selectAll();
    Paste(prefix, QStringLiteral("AB\nCD"));
    Control<QPushButton>(dialog, "ok")->click();
  });
  QCOMPARE(dir_->read("bin/mask.ini"), QByteArray("AB\r\n\r\n\r\n"));
  QCOMPARE(calculator_->mask().prefix, std::string("AB"));
  QCOMPARE(calculator_->mask().mask, std::string());
}

void SingleLineTest::pastedExpressionBecomesOneItem_data() {
  QTest::addColumn<bool>("throughEditItem");
  QTest::newRow("pasted into the input") << false;
  QTest::newRow("pasted into the edit-item dialog") << true;
}

// The list holds one item and a solve writes one log line.
void SingleLineTest::pastedExpressionBecomesOneItem() {
  QFETCH(bool, throughEditItem);
  const QString pasted = QStringLiteral("2+3\r\n4*5");
  QLineEdit* input = window_->input()->lineEdit();
  if (throughEditItem) {
    QTest::keyClicks(input, QStringLiteral("1"));
    QTest::keyClick(input, Qt::Key_Return);
    driver_->Expect([&](QWidget* dialog) {
      QLineEdit* edit = Control<QLineEdit>(dialog, "edit");
      edit->selectAll();
      Paste(edit, pasted);
      QTest::keyClick(edit, Qt::Key_Return);
    });
    window_->menus().edititemmenu->trigger();
  } else {
    Paste(input, pasted);
    QTest::keyClick(input, Qt::Key_Return);
  }
  QCOMPARE(window_->evaluate()->count(), 1);
  QCOMPARE(window_->evaluate()->item(0)->text(), QStringLiteral("2+3"));
  QTest::keyClick(input, Qt::Key_Return);
  QCOMPARE(window_->answer()->text(), QStringLiteral("= 5"));
  QCOMPARE(dir_->read("bin/log.ini"), QByteArray("2+3\r\n"));
}

void SingleLineTest::wizardAddsOneLineToEachList() {
  dir_->write("bin/vard.ini", "v\r\n");
  dir_->write("bin/vara.ini", "1\r\n");
  QVERIFY(calculator_->StartUp(window_->notifier()));
  QString editors;
  OnDialog(window_->menus().variablesmenu, [&editors](QWidget* dialog) {
    // The driver's timer does not fire inside its own action, so the wizard gets a timer of its
    // own.
    QTimer::singleShot(0, dialog, [] {
      QWidget* wizard = QApplication::activeModalWidget();
      QCOMPARE(wizard->objectName(), QStringLiteral("TForm16"));
      Paste(Control<QLineEdit>(wizard, "declaration"), QStringLiteral("q\nr"));
      Paste(Control<QLineEdit>(wizard, "assignment"), QStringLiteral("5\r\n6"));
      Control<QPushButton>(wizard, "create")->click();
    });
    Control<QPushButton>(dialog, "create")->click();
    editors = Control<QPlainTextEdit>(dialog, "list")->toPlainText() + QLatin1Char('|') +
              Control<QPlainTextEdit>(dialog, "value")->toPlainText();
    // A refusal's message box would wait for the driver, which is busy here.
    QTimer::singleShot(500, dialog, [&editors] {
      if (QWidget* message = QApplication::activeModalWidget(); message->objectName() != "TForm5") {
        editors += QStringLiteral(" then a message");
        message->close();
      }
    });
    Control<QPushButton>(dialog, "ok")->click();
    if (dialog->isVisible()) Control<QPushButton>(dialog, "cancel")->click();
  });
  QCOMPARE(editors, QStringLiteral("v\nq|1\n5"));
  QCOMPARE(dir_->read("bin/vard.ini"), QByteArray("v\r\nq\r\n"));
  QCOMPARE(dir_->read("bin/vara.ini"), QByteArray("1\r\n5\r\n"));
}

QTEST_MAIN(SingleLineTest)
#include "single_line_test.moc"
