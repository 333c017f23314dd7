#include <QAction>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "app/calculator.h"
#include "support/main_window_harness.h"
#include "ui/desktop_links.h"
#include "ui/link_label.h"
#include "ui/main_menus.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"
#include "ui/tutorial_window.h"
#include "ui/welcome_window.h"

using quorvex::Calculator;
using quorvex::LinkLabel;
using quorvex::MainWindow;
using quorvex::MainWindowOptions;
using quorvex::testing_support::MainWindowHarness;
using quorvex::testing_support::ModalDriver;

// Stands in for the desktop's browser and mail program.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public Q_SLOTS:
  void open(const QUrl& url) { urls.append(url); }
};

class SecondaryWindowsTest : public QObject, MainWindowHarness {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();

  void splashClosesByItself();
  void aboutShowsTheSplashAgain();
  void welcomeLinks();
  void linkHoverTurnsOnlyThatLinkGrey();
  void tutorialPages_data();
  void tutorialPages();
  void tutorialCounts();
  void desktopLinks_data();
  void desktopLinks();

 private:
  static constexpr int kSplashMs = 150;

  UrlRecorder recorder_;
};

void SecondaryWindowsTest::init() {
  StartMainWindow({kSplashMs, false});
  window_->show();
  window_->FormActivate();
  recorder_.urls.clear();
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder_, "open");
  QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &recorder_, "open");
}

void SecondaryWindowsTest::cleanup() {
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
  const QStringList unexpected = driver_->unexpected();
  const int pending = driver_->pending();
  StopMainWindow();
  QCOMPARE(unexpected, QStringList());
  QCOMPARE(pending, 0);
}

void SecondaryWindowsTest::splashClosesByItself() {
  quorvex::SplashWindow* splash = window_->splashWindow();
  QCOMPARE(splash->size(), QSize(400, 250));
  QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
  driver_->ExpectSelfClosing();
  QElapsedTimer clock;
  clock.start();
  splash->ShowModal();
  QVERIFY(clock.elapsed() >= kSplashMs - 10);
  QCOMPARE(driver_->selfClosing(), QStringList{QStringLiteral("TForm8")});
  QVERIFY(!splash->isVisible());
  QVERIFY(!splash->timer()->isActive());
}

void SecondaryWindowsTest::aboutShowsTheSplashAgain() {
  driver_->ExpectSelfClosing();
  driver_->ExpectSelfClosing();
  window_->menus().aboutmenu->trigger();
  window_->menus().aboutmenu->trigger();
  QCOMPARE(driver_->selfClosing(), (QStringList{"TForm8", "TForm8"}));
  QVERIFY(!window_->splashWindow()->isVisible());
  QVERIFY(window_->isVisible());
}

void SecondaryWindowsTest::welcomeLinks() {
  quorvex::WelcomeWindow* welcome = window_->welcomeWindow();
  bool tutorial_open = false;
  bool welcome_stayed = false;
  bool splash_came_and_went = false;
  QList<QUrl> urls;
  QString shown;
  driver_->Expect([&](QWidget* modal) {
    shown = modal->objectName();
    Q_EMIT welcome->link(2)->clicked();
    tutorial_open = window_->tutorialWindow()->isVisible();
    welcome_stayed = welcome->isVisible();
    Q_EMIT welcome->link(3)->clicked();
    urls = recorder_.urls;
    // The splash of "Check current version" is modal too and closes by itself.
    Q_EMIT welcome->link(4)->clicked();
    splash_came_and_went = !window_->splashWindow()->isVisible() && welcome->isVisible();
    Q_EMIT welcome->link(1)->clicked();
  });
  QCOMPARE(welcome->windowTitle(), QStringLiteral("Welcome to Quorvex"));
  welcome->exec();
  QCOMPARE(shown, QStringLiteral("TForm14"));
  QVERIFY(tutorial_open);
  QVERIFY(welcome_stayed);
  QCOMPARE(urls, QList<QUrl>{QUrl(QStringLiteral("https://quorvex.example.org/"))});
  QVERIFY(splash_came_and_went);
  QVERIFY(!welcome->isVisible());
}

void SecondaryWindowsTest::linkHoverTurnsOnlyThatLinkGrey() {
  quorvex::WelcomeWindow* welcome = window_->welcomeWindow();
  welcome->show();
  const QColor highlight = welcome->link(1)->RestColour();
  auto colour = [&](int link) {
    return welcome->link(link)->palette().color(QPalette::WindowText);
  };
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QCoreApplication::sendEvent(welcome->link(2), &enter);
  QCOMPARE(colour(2), QColor(0x80, 0x80, 0x80));
  for (int other : {1, 3, 4}) QCOMPARE(colour(other), highlight);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(welcome->link(2), &leave);
  QCOMPARE(colour(2), highlight);
  QCOMPARE(welcome->link(2)->cursor().shape(), Qt::PointingHandCursor);
  QCOMPARE(welcome->findChild<QLabel*>(QStringLiteral("link2help"))->text(),
           QStringLiteral("(Help/Tutorial)"));
  welcome->close();
}

void SecondaryWindowsTest::tutorialPages_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("example");
  QTest::addColumn<QString>("result");
  QTest::newRow("Basic") << 0 << "Basic"
                         << "15+{-2}"
                         << "= 13";
  QTest::newRow("Parentheses") << 1 << "Parentheses"
                               << "(2+2)*2"
                               << "";
  QTest::newRow("Constants") << 2 << "Constants"
                             << "e2"
                             << "= 5,43...";
  QTest::newRow("Functions") << 3 << "Functions"
                             << "rad>deg[sin[1]]"
                             << "= 48,21 (degrees)";
  QTest::newRow("Variables") << 4 << "Variables"
                             << "{n1}+n"
                             << "= 12";
  QTest::newRow("Graph") << 5 << "Graph"
                         << "sin[x]"
                         << "";
}

void SecondaryWindowsTest::tutorialPages() {
  QFETCH(int, page);
  QFETCH(QString, title);
  QFETCH(QString, example);
  QFETCH(QString, result);
  QTabWidget* tabs = window_->tutorialWindow()->tutorial();
  QCOMPARE(tabs->count(), 6);
  QCOMPARE(tabs->tabText(page), title);
  QLineEdit* box = nullptr;
  for (QLineEdit* candidate : tabs->widget(page)->findChildren<QLineEdit*>()) {
    if (candidate->text() == example) box = candidate;
  }
  QVERIFY(box != nullptr);
  QVERIFY(!box->isEnabled());
  if (!result.isEmpty()) {
    QStringList labels;
    for (QLabel* label : tabs->widget(page)->findChildren<QLabel*>()) labels.append(label->text());
    QVERIFY2(labels.contains(result), qPrintable(labels.join(QLatin1Char('|'))));
  }
}

void SecondaryWindowsTest::tutorialCounts() {
  window_->menus().tutorialmenu->trigger();
  quorvex::TutorialWindow* tutorial = window_->tutorialWindow();
  QVERIFY(tutorial->isVisible());
  QVERIFY(!tutorial->isModal());
  QCOMPARE(tutorial->findChild<QLabel*>(QStringLiteral("constlabel7"))->text(),
           QStringLiteral("There are currently 65 constants available in Quorvex"));
  QCOMPARE(tutorial->findChild<QLabel*>(QStringLiteral("funclabel8"))->text(),
           QStringLiteral("There are currently 155 functions available in Quorvex"));
  tutorial->findChild<QPushButton*>(QStringLiteral("close"))->click();
  QVERIFY(!tutorial->isVisible());
}

void SecondaryWindowsTest::desktopLinks_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QUrl>("url");
  QTest::newRow("Report a bug opens a mail with the subject")
      << "bugmenu"
      << QUrl(QStringLiteral("mailto:bugs@quorvex.example.org?subject=Quorvex: Report a bug"));
  QTest::newRow("Visit homepage opens the browser")
      << "homepagemenu" << QUrl(QStringLiteral("https://quorvex.example.org/"));
}

void SecondaryWindowsTest::desktopLinks() {
  QFETCH(QString, action);
  QFETCH(QUrl, url);
  window_->findChild<QAction*>(action)->trigger();
  QCOMPARE(recorder_.urls, QList<QUrl>{url});
  QCOMPARE(recorder_.urls.front().query(QUrl::FullyDecoded),
           action == QLatin1String("bugmenu") ? QStringLiteral("subject=Quorvex: Report a bug")
                                              : QString());
}

QTEST_MAIN(SecondaryWindowsTest)
#include "secondary_windows_test.moc"
