// What a keyboard user and a user of a small or dark desktop meet: where message boxes belong
// and where the focus goes after them, sizes that stay put and fit the screen, texts that are
// cut on screen but readable in full, mnemonics and shortcuts, contrast, the desktop links'
// fallback, the version and the message icons.
#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <memory>

#include "app/calculator.h"
#include "settings/messages.h"
#include "support/main_window_harness.h"
#include "ui/constants_browser.h"
#include "ui/contrast.h"
#include "ui/dark_palette.h"
#include "ui/edit_item_dialog.h"
#include "ui/elided_label.h"
#include "ui/functions_browser.h"
#include "ui/graph_window.h"
#include "ui/link_label.h"
#include "ui/main_menus.h"
#include "ui/main_window.h"
#include "ui/mask_options_dialog.h"
#include "ui/qt_notifier.h"
#include "ui/shortcuts.h"
#include "ui/simple_mode_window.h"
#include "ui/splash_window.h"
#include "ui/status_panels.h"
#include "ui/tutorial_window.h"
#include "ui/welcome_window.h"

using quorvex::Calculator;
using quorvex::ContrastRatio;
using quorvex::MainWindow;
using quorvex::MainWindowOptions;
using quorvex::QtNotifier;
using quorvex::testing_support::MainWindowHarness;

namespace {

// The tooltip a hover over widget shows, or an empty text when it shows none.
QString HoverTip(QWidget* widget) {
  QToolTip::hideText();
  QTest::qWait(10);
  const QPoint at = widget->rect().center();
  QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
  QCoreApplication::sendEvent(widget, &help);
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}

QChar Mnemonic(const QString& caption) {
  const qsizetype at = caption.indexOf(QLatin1Char('&'));
  return at >= 0 && at + 1 < caption.size() ? caption.at(at + 1).toLower() : QChar();
}

}  // namespace

class ReadableWindowsTest : public QObject, MainWindowHarness {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();

  void failedSearchBoxBelongsToTheBrowser_data();
  void failedSearchBoxBelongsToTheBrowser();
  void tutorialFromWelcomeTakesInputBesideIt();
  void editItemDialogClientArea();
  void mainWindowKeepsItsSizeThroughAGraphRun();
  void longTextsNeverWidenAWindow_data();
  void longTextsNeverWidenAWindow();
  void longGraphFormulaFitsTheScreen();
  void cutTextsShowWholeOnHover_data();
  void cutTextsShowWholeOnHover();
  void everyMenuItemHasAMnemonic_data();
  void everyMenuItemHasAMnemonic();
  void shortcutsAreUniqueAndShown();
  void inputLineLeavesTheShortcutsToTheMenus_data();
  void inputLineLeavesTheShortcutsToTheMenus();
  void welcomeLinksWorkByKeyboard();
  void readableColours_data();
  void readableColours();
  void darkPaletteLinksAreReadable();
  void failedDesktopLinkShowsTheAddress_data();
  void failedDesktopLinkShowsTheAddress();
  void splashShowsTheVersion();
  void messageIcons_data();
  void messageIcons();
};

void ReadableWindowsTest::init() {
  StartMainWindow();
  window_->show();
  window_->FormActivate();
}

void ReadableWindowsTest::cleanup() {
  const QStringList unexpected = driver_->unexpected();
  const int pending = driver_->pending();
  StopMainWindow();
  QCOMPARE(unexpected, QStringList());
  QCOMPARE(pending, 0);
}

void ReadableWindowsTest::failedSearchBoxBelongsToTheBrowser_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QString>("browser");
  QTest::addColumn<QString>("text");
  QTest::newRow("functions browser") << "functionsmenu"
                                     << "TForm4"
                                     << "sin[";
  QTest::newRow("constants browser") << "constantsmenu"
                                     << "TForm9"
                                     << "Pi";
}

void ReadableWindowsTest::failedSearchBoxBelongsToTheBrowser() {
  QFETCH(QString, menu);
  QFETCH(QString, browser);
  QFETCH(QString, text);
  window_->findChild<QAction*>(menu)->trigger();
  auto* shown = window_->findChild<QDialog*>(browser);
  QVERIFY(QTest::qWaitForWindowActive(shown));
  auto* search = shown->findChild<QLineEdit*>(QStringLiteral("search"));
  search->setFocus();
  QTest::keyClicks(search, text);
  QString owner;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  driver_->Expect([&](QWidget* modal) {
    owner = modal->parentWidget() != nullptr ? modal->parentWidget()->objectName() : QString();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) icon = box->icon();
    modal->close();
  });
  QTest::keyClick(search, Qt::Key_Return);
  QCOMPARE(owner, browser);
  QCOMPARE(icon, QMessageBox::Warning);
  // The next Enter must reach the browser again (and close it), not solve in the main window.
  QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(shown));
  QCOMPARE(shown->focusWidget(), static_cast<QWidget*>(search));
}

void ReadableWindowsTest::tutorialFromWelcomeTakesInputBesideIt() {
  quorvex::WelcomeWindow* welcome = window_->welcomeWindow();
  quorvex::TutorialWindow* tutorial = window_->tutorialWindow();
  QTabWidget* pages = tutorial->tutorial();
  bool welcome_up = false;
  int page_after_click = -1;
  driver_->Expect([&](QWidget*) {
    Q_EMIT welcome->link(2)->clicked();
    QVERIFY(QTest::qWaitForWindowExposed(tutorial));
    // A click as the window system delivers it: a window blocked by a modal one drops it.
    const QRect tab = pages->tabBar()->tabRect(2);
    const QPoint at = pages->tabBar()->mapTo(tutorial, tab.center());
    QTest::mouseClick(tutorial->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    page_after_click = pages->currentIndex();
    welcome_up = welcome->isVisible();
    Q_EMIT welcome->link(1)->clicked();
  });
  welcome->exec();
  QVERIFY(welcome_up);
  QCOMPARE(page_after_click, 2);
  QVERIFY(tutorial->isVisible());
  tutorial->close();
}

void ReadableWindowsTest::editItemDialogClientArea() {
  quorvex::EditItemDialog* dialog = window_->editItemDialog();
  dialog->show();
  QVERIFY(QTest::qWaitForWindowExposed(dialog));
  QCOMPARE(dialog->size(), QSize(257, 105));
  // Everything fits inside, and the edit field takes the dialog's width.
  for (const char* name : {"edit", "replace", "cancel"}) {
    auto* control = dialog->findChild<QWidget*>(QString::fromLatin1(name));
    const QRect inside(control->mapTo(dialog, QPoint(0, 0)), control->size());
    QVERIFY2(dialog->rect().contains(inside), name);
  }
  QVERIFY(dialog->findChild<QLineEdit*>(QStringLiteral("edit"))->width() >= 220);
  dialog->close();
}

void ReadableWindowsTest::mainWindowKeepsItsSizeThroughAGraphRun() {
  QCOMPARE(window_->size(), QSize(534, 540));
  driver_->Expect([](QWidget* modal) { QTimer::singleShot(0, modal, &QWidget::close); });
  QTest::keyClicks(window_->input()->lineEdit(), QStringLiteral("sin[x]"));
  window_->insertClick();
  window_->solveClick();
  QTest::qWait(50);
  QCOMPARE(window_->size(), QSize(534, 540));
  window_->bar()->show();
  QTest::qWait(20);
  QCOMPARE(window_->size(), QSize(534, 540));
}

void ReadableWindowsTest::longTextsNeverWidenAWindow_data() {
  QTest::addColumn<QString>("where");
  QTest::newRow("a long mask prefix in the mask dialog") << "mask";
  QTest::newRow("a long mask text in the status bar") << "status";
}

void ReadableWindowsTest::longTextsNeverWidenAWindow() {
  QFETCH(QString, where);
  const QRect screen = window_->screen()->availableGeometry();
  const QString long_text(400, QLatin1Char('W'));
  if (where == QLatin1String("mask")) {
    auto* dialog = window_->maskOptionsDialog();
    driver_->Expect([&](QWidget* modal) {
      dialog->findChild<QLineEdit*>(QStringLiteral("prefix"))->setText(long_text);
      QTest::qWait(20);
      QVERIFY(modal->frameGeometry().width() <= screen.width());
      for (const char* name : {"ok", "cancel", "default2"}) {
        auto* button = modal->findChild<QPushButton*>(QString::fromLatin1(name));
        const QRect on_screen(button->mapToGlobal(QPoint(0, 0)), button->size());
        QVERIFY2(screen.contains(on_screen), name);
      }
      QVERIFY(HoverTip(modal->findChild<QLabel*>(QStringLiteral("preview"))).startsWith(long_text));
      QTimer::singleShot(0, modal, &QWidget::close);
    });
    window_->menus().maskmenu->trigger();
  } else {
    const QSize before = window_->size();
    window_->status()->SetText(2, long_text);
    QTest::qWait(20);
    QCOMPARE(window_->size(), before);
    QCOMPARE(HoverTip(window_->status()->findChild<QLabel*>(QStringLiteral("panel2"))), long_text);
  }
}

void ReadableWindowsTest::longGraphFormulaFitsTheScreen() {
  const QRect screen = window_->screen()->availableGeometry();
  QString expression = QStringLiteral("x");
  while (expression.size() < 197) expression += QStringLiteral("+x");
  int width = 0;
  QString formula;
  bool cut = false;
  auto check = [&](QWidget* modal) {
    width = std::max(width, modal->frameGeometry().width());
    auto* label = modal->findChild<quorvex::ElidedLabel*>(QStringLiteral("formula"));
    formula = label->text();
    cut = label->elided();
    QTimer::singleShot(0, modal, &QWidget::close);
  };
  driver_->Expect(check);
  QTest::keyClicks(window_->input()->lineEdit(), expression);
  window_->insertClick();
  window_->solveClick();
  QTest::qWait(60);
  // A second run keeps to the screen as well.
  driver_->Expect(check);
  window_->solveClick();
  QVERIFY2(width <= screen.width(), qPrintable(QString::number(width)));
  QVERIFY(formula.startsWith(QStringLiteral("f(x) = ") + expression));
  QVERIFY(cut);
}

void ReadableWindowsTest::cutTextsShowWholeOnHover_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<int>("length");
  QTest::addColumn<bool>("tip");
  QTest::newRow("a long answer in the main window") << "main" << 200 << true;
  QTest::newRow("a short answer shows no tip") << "main" << 5 << false;
  QTest::newRow("a long answer in simple mode") << "simple" << 60 << true;
}

void ReadableWindowsTest::cutTextsShowWholeOnHover() {
  QFETCH(QString, box);
  QFETCH(int, length);
  QFETCH(bool, tip);
  QString text = QStringLiteral("Expected a value after ( or [ is NaN ");
  while (text.size() < length) text += QStringLiteral("0123456789");
  text = text.left(length);
  QLineEdit* answer = window_->answer();
  if (box == QLatin1String("simple")) {
    answer = window_->simpleModeWindow()->findChild<QLineEdit*>(QStringLiteral("answer"));
    window_->simpleModeWindow()->show();
  }
  const QSize before = answer->size();
  answer->setText(text);
  QCOMPARE(HoverTip(answer), tip ? text : QString());
  QCOMPARE(answer->size(), before);
  window_->simpleModeWindow()->hide();
}

void ReadableWindowsTest::everyMenuItemHasAMnemonic_data() {
  QTest::addColumn<QString>("menu");
  for (const char* name : {"filemenu", "editmenu", "toolsmenu", "helpmenu", "evaluatemenu"}) {
    QTest::newRow(name) << name;
  }
}

void ReadableWindowsTest::everyMenuItemHasAMnemonic() {
  QFETCH(QString, menu);
  auto* found = window_->findChild<QMenu*>(menu);
  QVERIFY(found != nullptr);
  QSet<QChar> letters;
  for (const QAction* action : found->actions()) {
    if (action->isSeparator()) continue;
    const QChar letter = Mnemonic(action->text());
    QVERIFY2(!letter.isNull(), qPrintable(action->text()));
    QVERIFY2(!letters.contains(letter), qPrintable(action->text()));
    letters.insert(letter);
  }
  // And the menu bar's titles among themselves.
  QSet<QChar> titles;
  for (const QAction* action : window_->menuBar()->actions()) {
    QVERIFY(!titles.contains(Mnemonic(action->text())));
    titles.insert(Mnemonic(action->text()));
  }
}

void ReadableWindowsTest::shortcutsAreUniqueAndShown() {
  // The fixed keys keep their commands; no other command takes one of them.
  const QList<QPair<QString, QKeySequence>> fixed = {
      {"insertmenu", QKeySequence(Qt::Key_F1)},
      {"solvemenu", QKeySequence(Qt::Key_F2)},
      {"clearmenu", QKeySequence(Qt::Key_F3)},
      {"constantsmenu", QKeySequence(Qt::Key_F5)},
      {"functionsmenu", QKeySequence(Qt::Key_F6)},
      {"variablesmenu", QKeySequence(Qt::Key_F7)},
      {"itemupmenu", QKeySequence(Qt::CTRL | Qt::Key_Up)},
      {"edititemmenu", QKeySequence(Qt::CTRL | Qt::Key_E)},
      {"deleteitemmenu", QKeySequence(Qt::Key_Delete)},
      {"itemdownmenu", QKeySequence(Qt::CTRL | Qt::Key_Down)}};
  QHash<QKeySequence, QString> owner;
  for (const QAction* action : window_->findChildren<QAction*>()) {
    if (action->shortcut().isEmpty() || action->objectName().isEmpty()) continue;
    QVERIFY2(!owner.contains(action->shortcut()),
             qPrintable(action->objectName() + QLatin1Char(' ') + owner[action->shortcut()]));
    owner.insert(action->shortcut(), action->objectName());
  }
  for (const auto& [name, key] : fixed) QCOMPARE(owner.value(key), name);
  // The commands the menus lacked keys for have one now.
  for (const char* name :
       {"copyansmenu", "pasteansmenu", "copysolmenu", "insertlogmenu", "graphmenu", "maskmenu",
        "optionsmenu", "simplemodemenu", "exitmenu", "tutorialmenu"}) {
    QVERIFY2(!window_->findChild<QAction*>(QString::fromLatin1(name))->shortcut().isEmpty(), name);
  }
  for (QAction* action : window_->menus().evaluatemenu->actions()) {
    if (!action->isSeparator()) QVERIFY(action->isShortcutVisibleInContextMenu());
  }
}

void ReadableWindowsTest::inputLineLeavesTheShortcutsToTheMenus_data() {
  QTest::addColumn<QString>("action");
  for (const quorvex::CommandKeys& row : quorvex::MainCommandKeys()) {
    const bool list_key = QString::fromLatin1(row.name).startsWith(QLatin1String("item")) ||
                          QLatin1String(row.name) == QLatin1String("edititemmenu") ||
                          QLatin1String(row.name) == QLatin1String("deleteitemmenu");
    if (row.key.key() != Qt::Key_unknown && !list_key) QTest::newRow(row.name) << row.name;
  }
}

void ReadableWindowsTest::inputLineLeavesTheShortcutsToTheMenus() {
  QFETCH(QString, action);
  const QKeyCombination key = window_->findChild<QAction*>(action)->shortcut()[0];
  // A line edit that accepts the override keeps the key for its own editing.
  QKeyEvent probe(QEvent::ShortcutOverride, key.key(), key.keyboardModifiers());
  QCoreApplication::sendEvent(window_->input()->lineEdit(), &probe);
  QVERIFY(!probe.isAccepted());
}

void ReadableWindowsTest::welcomeLinksWorkByKeyboard() {
  quorvex::WelcomeWindow* welcome = window_->welcomeWindow();
  QStringList focus_order;
  int tutorials = 0;
  connect(welcome, &quorvex::WelcomeWindow::tutorialChosen, this, [&] { ++tutorials; });
  driver_->Expect([&](QWidget* modal) {
    for (int i = 1; i <= 4; ++i) {
      QVERIFY(welcome->link(i)->focusPolicy() & Qt::TabFocus);
    }
    welcome->link(1)->setFocus();
    for (int i = 0; i < 4; ++i) {
      QWidget* focus = welcome->focusWidget();
      if (focus == nullptr) break;
      focus_order.append(focus->objectName());
      QTest::keyClick(focus, Qt::Key_Tab);
    }
    welcome->link(2)->setFocus();
    QTest::keyClick(welcome->link(2), Qt::Key_Return);
    window_->tutorialWindow()->close();
    QTimer::singleShot(0, modal, [welcome] { QTest::keyClick(welcome->link(1), Qt::Key_Space); });
  });
  welcome->exec();
  QCOMPARE(focus_order, (QStringList{"link", "link2", "link3", "link4"}));
  QCOMPARE(tutorials, 1);
  QVERIFY(!welcome->isVisible());
}

void ReadableWindowsTest::readableColours_data() {
  QTest::addColumn<QColor>("background");
  QTest::addColumn<QColor>("preferred");
  QTest::addColumn<bool>("kept");
  QTest::newRow("dark blue on dark grey gets lighter")
      << QColor(0x2b, 0x2b, 0x2b) << QColor(0x1d, 0x3d, 0x6e) << false;
  QTest::newRow("black labels on a black chart turn light")
      << QColor(Qt::black) << QColor(Qt::black) << false;
  QTest::newRow("black on white stays") << QColor(Qt::white) << QColor(Qt::black) << true;
  QTest::newRow("light blue on white gets darker")
      << QColor(Qt::white) << QColor(0x80, 0xc0, 0xff) << false;
  QTest::newRow("mid grey back still gets a readable text")
      << QColor(0x77, 0x77, 0x77) << QColor(0x70, 0x70, 0x70) << false;
}

void ReadableWindowsTest::readableColours() {
  QFETCH(QColor, background);
  QFETCH(QColor, preferred);
  QFETCH(bool, kept);
  const QColor chosen = quorvex::ReadableOn(background, preferred);
  QVERIFY2(ContrastRatio(background, chosen) >= quorvex::kReadableContrast,
           qPrintable(chosen.name()));
  QCOMPARE(chosen == preferred, kept);
  if (!kept && preferred.hslSaturation() > 0 && chosen != Qt::white && chosen != Qt::black) {
    QVERIFY(std::abs(chosen.hslHue() - preferred.hslHue()) <= 2);
  }
}

void ReadableWindowsTest::darkPaletteLinksAreReadable() {
  quorvex::WelcomeWindow* welcome = window_->welcomeWindow();
  // Its highlight on its window colour is the 1.6:1 pair.
  welcome->setPalette(quorvex::DarkPalette());
  welcome->show();
  for (int i = 1; i <= 4; ++i) {
    const QColor text = welcome->link(i)->palette().color(QPalette::WindowText);
    QVERIFY2(ContrastRatio(text, welcome->palette().color(QPalette::Window)) >= 4.5,
             qPrintable(text.name()));
  }
  welcome->close();
}

void ReadableWindowsTest::failedDesktopLinkShowsTheAddress_data() {
  QTest::addColumn<QString>("scheme");
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("address");
  QTest::newRow("no mail program") << "mailto"
                                   << "bugmenu"
                                   << "bugs@quorvex.example.org";
  QTest::newRow("no web browser") << "https"
                                  << "homepagemenu"
                                  << "https://quorvex.example.org/";
}

void ReadableWindowsTest::failedDesktopLinkShowsTheAddress() {
  QFETCH(QString, scheme);
  QFETCH(QString, action);
  QFETCH(QString, address);
  // The offscreen platform stands for a desktop without a mail program or browser.
  QDesktopServices::unsetUrlHandler(scheme);
  if (QDesktopServices::openUrl(QUrl(scheme + QStringLiteral(":probe")))) {
    QSKIP("the desktop here opens every link");
  }
  driver_->ExpectMessage();
  window_->findChild<QAction*>(action)->trigger();
  QCOMPARE(driver_->messages().size(), 1);
  QVERIFY2(driver_->messages().front().contains(address), qPrintable(driver_->messages().front()));
}

void ReadableWindowsTest::splashShowsTheVersion() {
  auto* version = window_->splashWindow()->findChild<QLabel*>(QStringLiteral("version"));
  QVERIFY(version != nullptr);
  QCOMPARE(version->text(), QStringLiteral("Version ") + QStringLiteral(QUORVEX_VERSION));
  QVERIFY(
      QStringLiteral(QUORVEX_VERSION).contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d+"))));
  QVERIFY(QRect(0, 0, 400, 250).contains(version->geometry()));
}

void ReadableWindowsTest::messageIcons_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("icon");
  QTest::newRow("a data file that cannot be read ends the program")
      << QString::fromStdString(quorvex::CouldNotOpenMessage("bin/mask.ini"))
      << int(QMessageBox::Critical);
  QTest::newRow("the closing notice")
      << QString(quorvex::kWillBeClosed.data()) << int(QMessageBox::Critical);
  QTest::newRow("a name the browser cannot find")
      << "Could not find function 'sin['" << int(QMessageBox::Warning);
  QTest::newRow("a refused variable name")
      << "The variable name x is already in use" << int(QMessageBox::Warning);
}

void ReadableWindowsTest::messageIcons() {
  QFETCH(QString, text);
  QFETCH(int, icon);
  QtNotifier notifier(window_.get());
  QMessageBox::Icon shown = QMessageBox::NoIcon;
  driver_->Expect([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) shown = box->icon();
    modal->close();
  });
  notifier.ShowMessage(text.toStdString());
  QCOMPARE(int(shown), icon);
}

QTEST_MAIN(ReadableWindowsTest)
#include "readable_windows_test.moc"
