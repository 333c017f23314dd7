// Every window's controls carry accessible names, the tab order follows the layout, and the
// icons stay sharp at 200 % scaling.
#include <QAbstractButton>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <memory>

#include "app/calculator.h"
#include "support/main_window_harness.h"
#include "ui/accessible_names.h"
#include "ui/icons.h"
#include "ui/main_window.h"

using quorvex::Calculator;
using quorvex::MainWindow;
using quorvex::MainWindowOptions;
using quorvex::testing_support::MainWindowHarness;
using quorvex::testing_support::ModalDriver;

namespace {

QString Describe(const QWidget* widget) {
  return widget->window()->objectName() + QLatin1Char('/') + widget->objectName() +
         QLatin1Char(' ') + QString::fromLatin1(widget->metaObject()->className());
}

// The windows the program creates at start-up carry their names; a combo box's drop-down list
// is a window of Qt's own.
QList<QWidget*> OurWindows() {
  QList<QWidget*> windows;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->objectName().isEmpty()) windows.append(window);
  }
  return windows;
}

// Each window's controls that are its own.
QList<QWidget*> Controls(QWidget* window) {
  QList<QWidget*> controls;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (widget->window() == window && quorvex::IsNamedControl(widget)) controls.append(widget);
  }
  return controls;
}

}  // namespace

class AccessibilityTest : public QObject, MainWindowHarness {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();

  void everyControlHasAnAccessibleName();
  void namesComeFromWhatTheUserReads_data();
  void namesComeFromWhatTheUserReads();
  void tabOrderFollowsTheLayout_data();
  void tabOrderFollowsTheLayout();
  void iconsAreSharpAtDoubleScale();

 private:
  QWidget* Window(const QString& name) const {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == name) return window;
    }
    return nullptr;
  }
};

void AccessibilityTest::init() { StartMainWindow(); }

void AccessibilityTest::cleanup() {
  const QStringList unexpected = driver_->unexpected();
  StopMainWindow();
  QCOMPARE(unexpected, QStringList());
}

void AccessibilityTest::everyControlHasAnAccessibleName() {
  QStringList unnamed;
  QStringList windows;
  for (QWidget* window : OurWindows()) {
    windows.append(window->objectName());
    for (const QWidget* control : Controls(window)) {
      if (control->accessibleName().isEmpty()) unnamed.append(Describe(control));
    }
  }
  QVERIFY2(windows.size() >= 12, qPrintable(windows.join(QLatin1Char(' '))));
  QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

void AccessibilityTest::namesComeFromWhatTheUserReads_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("name");
  QTest::newRow("a button's caption") << "TForm1"
                                      << "solve"
                                      << "Solve";
  QTest::newRow("the chart") << "TForm6"
                             << "graph"
                             << "Graph";
  QTest::newRow("a box named by the label beside it") << "TForm13"
                                                      << "count"
                                                      << "Table points";
  QTest::newRow("a box named by its form label") << "TForm13"
                                                 << "maxvalue"
                                                 << "Max point value";
  QTest::newRow("a list named by its group") << "TForm13"
                                             << "top"
                                             << "Top points";
  QTest::newRow("a colour swatch named by its label") << "TForm7"
                                                      << "grcolor"
                                                      << "Grid color";
  QTest::newRow("a flat picture button named by its hint") << "TForm1"
                                                           << "itemup"
                                                           << "Move selected item up";
  QTest::newRow("a wizard box named by its prompt")
      << "TForm16"
      << "assignment"
      << "Please insert an expression for the new variable";
}

void AccessibilityTest::namesComeFromWhatTheUserReads() {
  QFETCH(QString, window);
  QFETCH(QString, control);
  QFETCH(QString, name);
  QWidget* top = Window(window);
  QVERIFY(top != nullptr);
  auto* widget = top->findChild<QWidget*>(control);
  QVERIFY(widget != nullptr);
  QCOMPARE(widget->accessibleName(), name);
}

void AccessibilityTest::tabOrderFollowsTheLayout_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QStringList>("order");
  QTest::newRow("main window: input, list and its buttons, then the answer's")
      << "TForm1"
      << QStringList{"input",      "insert",    "evaluate",   "itemup", "itemdown", "edititem",
                     "deleteitem", "insertlog", "simplemode", "solve",  "clear",    "solution"};
  QTest::newRow("table window: pages, then the buttons left to right")
      << "TForm13"
      << QStringList{"qt_tabwidget_tabbar",
                     "table",
                     "count",
                     "maxvalue",
                     "minvalue",
                     "sum",
                     "area",
                     "top",
                     "tcount",
                     "max",
                     "maxcount",
                     "bottom",
                     "bcount",
                     "min",
                     "mincount",
                     "zero",
                     "zcount",
                     "copytable",
                     "savecsv",
                     "close"};
  QTest::newRow("graph window") << "TForm6" << QStringList{"table", "copy", "close"};
}

void AccessibilityTest::tabOrderFollowsTheLayout() {
  QFETCH(QString, window);
  QFETCH(QStringList, order);
  QWidget* top = Window(window);
  QVERIFY(top != nullptr);
  QStringList chain;
  const QList<QWidget*> controls = Controls(top);
  for (QWidget* widget = top->nextInFocusChain(); widget != top;
       widget = widget->nextInFocusChain()) {
    if (controls.contains(widget) && (widget->focusPolicy() & Qt::TabFocus))
      chain.append(widget->objectName());
  }
  QCOMPARE(chain, order);
}

void AccessibilityTest::iconsAreSharpAtDoubleScale() {
  QStringList blurred;
  auto check = [&](const QIcon& icon, const QString& what, QSize size) {
    if (icon.isNull()) return;
    const QPixmap pixmap = icon.pixmap(size, 2.0);
    if (pixmap.deviceIndependentSize().toSize() != size || pixmap.size() != size * 2)
      blurred.append(what);
  };
  check(quorvex::AppIcon(), QStringLiteral("program icon"), QSize(48, 48));
  for (QWidget* window : OurWindows()) {
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      if (qobject_cast<QMenuBar*>(button->parentWidget()) != nullptr) continue;  // Qt's own
      check(button->icon(), Describe(button), button->iconSize());
    }
  }
  QVERIFY2(blurred.isEmpty(), qPrintable(blurred.join(QStringLiteral(", "))));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
