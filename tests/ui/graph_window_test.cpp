// A graph run from the main window through the reminder, the gauge, the graph window and the
// table and statistics window, and back.
#include "ui/graph_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <vector>

#include "app/calculator.h"
#include "graph/messages.h"
#include "support/main_window_harness.h"
#include "ui/chart_view.h"
#include "ui/main_window.h"
#include "ui/qt_graph_host.h"
#include "ui/reminder_dialog.h"

using quorvex::Calculator;
using quorvex::MainWindow;
using quorvex::MainWindowOptions;
using quorvex::testing_support::MainWindowHarness;
using quorvex::testing_support::ModalDriver;

namespace {

// Reads out the given ticks in turn and then stays at the last one.
class FakeClock : public quorvex::Clock {
 public:
  explicit FakeClock(std::vector<uint32_t> ticks) : ticks_(std::move(ticks)) {}
  uint32_t TickCount() override {
    const uint32_t tick = ticks_[std::min(next_, ticks_.size() - 1)];
    ++next_;
    return tick;
  }

 private:
  std::vector<uint32_t> ticks_;
  size_t next_ = 0;
};

// Clicks after the driver's action has returned, so a nested modal window gets its own turn.
void ClickLater(QWidget* window, const char* button) {
  QPushButton* target = window->findChild<QPushButton*>(QString::fromLatin1(button));
  if (target == nullptr) {
    QTimer::singleShot(0, window, &QWidget::close);
    return;
  }
  QTimer::singleShot(0, target, &QPushButton::click);
}

}  // namespace

class GraphWindowTest : public QObject, MainWindowHarness {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();

  void completedRunOpensTheGraphWindowModally();
  void tableButtonFollowsTscheck_data();
  void tableButtonFollowsTscheck();
  void copyPutsSvgAndPngOfTheChartSize();
  void reminder_data();
  void reminder();
  void settingsErrorsCalculateNothing_data();
  void settingsErrorsCalculateNothing();
  void zoomIsUndoneByTheNextRun();
  void windowTickCountsRealMilliseconds();
  void tableWindowListsAreViewsOverTheRows();

 private:
  void Solve(const QString& expression) {
    // The driver must see that the last modal window has gone before the next one opens.
    QTest::qWait(60);
    window_->clearClick();
    QTest::keyClicks(window_->input()->lineEdit(), expression);
    window_->insertClick();
    window_->solveClick();
  }
  // Closes the graph window when it shows up, after running check on it.
  void ExpectGraphWindow(std::function<void(quorvex::GraphWindow*)> check = {}, bool close = true) {
    driver_->Expect([this, check, close](QWidget* modal) {
      shown_.append(modal->objectName());
      auto* graph = qobject_cast<quorvex::GraphWindow*>(modal);
      if (graph != nullptr && check) check(graph);
      if (close || graph == nullptr) ClickLater(modal, "close");
    });
  }

  QStringList shown_;
};

void GraphWindowTest::init() {
  StartMainWindow();
  window_->show();
  window_->FormActivate();
  shown_.clear();
}

void GraphWindowTest::cleanup() {
  const QStringList unexpected = driver_->unexpected();
  const int pending = driver_->pending();
  StopMainWindow();
  QCOMPARE(unexpected, QStringList());
  QCOMPARE(pending, 0);
}

void GraphWindowTest::completedRunOpensTheGraphWindowModally() {
  bool modal = false;
  QSize size;
  QPoint centre_offset;
  QString formula;
  QString answer_while_open;
  bool gauge_while_open = false;
  QString caption;
  ExpectGraphWindow([&](quorvex::GraphWindow* graph) {
    modal = graph->isModal() && QApplication::activeModalWidget() == graph;
    size = graph->size();
    centre_offset = graph->frameGeometry().center() - window_->frameGeometry().center();
    formula = graph->formula()->text();
    answer_while_open = window_->answer()->text();
    gauge_while_open = window_->bar()->isVisible();
    caption = graph->windowTitle();
  });
  Solve(QStringLiteral("sin[x]"));

  QCOMPARE(shown_, QStringList{QStringLiteral("TForm6")});
  QVERIFY(modal);
  QCOMPARE(caption, QStringLiteral("Graph"));
  QCOMPARE(size, QSize(508, 350));
  QVERIFY2(std::abs(centre_offset.x()) <= 2 && std::abs(centre_offset.y()) <= 2,
           qPrintable(QStringLiteral("%1,%2").arg(centre_offset.x()).arg(centre_offset.y())));
  QCOMPARE(formula, QStringLiteral("f(x) = sin[x] , xE[1;10]"));
  QVERIFY2(answer_while_open.startsWith(QStringLiteral("10 calculation(s) done in ")),
           qPrintable(answer_while_open));
  QCOMPARE(window_->answer()->text(), answer_while_open);
  QCOMPARE(calculator_->chart().line().PointCount(), size_t{10});

  // The gauge went to its end and stays until the one-second timer hides it.
  QVERIFY(gauge_while_open);
  QVERIFY(window_->bar()->isVisible());
  QCOMPARE(window_->bar()->maximum(), 10);
  QCOMPARE(window_->bar()->value(), 10);
  window_->timerTimer();
  QVERIFY(!window_->bar()->isVisible());
}

void GraphWindowTest::tableButtonFollowsTscheck_data() {
  QTest::addColumn<bool>("tscheck");
  QTest::newRow("tscheck on: enabled, opens the run's rows") << true;
  QTest::newRow("tscheck off: disabled") << false;
}

void GraphWindowTest::tableButtonFollowsTscheck() {
  QFETCH(bool, tscheck);
  calculator_->general().tscheck = tscheck;
  bool enabled = false;
  QMap<QString, QString> boxes;
  int rows = 0;
  QStringList pages;
  QString table_caption;
  ExpectGraphWindow(
      [&](quorvex::GraphWindow* graph) {
        enabled = graph->table()->isEnabled();
        if (!enabled) return;
        driver_->Expect([&](QWidget* table) {
          table_caption = table->objectName() + QLatin1Char('/') + table->windowTitle();
          auto* tabs = table->findChild<QTabWidget*>(QStringLiteral("pages"));
          for (int i = 0; tabs != nullptr && i < tabs->count(); ++i) pages.append(tabs->tabText(i));
          for (const char* name : {"table", "top", "max", "bottom", "min", "zero"}) {
            const auto* list = table->findChild<QAbstractItemView*>(QString::fromLatin1(name));
            QStringList lines;
            for (int row = 0; list != nullptr && row < list->model()->rowCount(); ++row) {
              lines.append(list->model()->index(row, 0).data().toString());
            }
            boxes[QString::fromLatin1(name)] = list != nullptr ? lines.join('\n') : "<none>";
          }
          for (const char* name : {"count", "maxvalue", "minvalue", "sum", "area", "tcount",
                                   "maxcount", "bcount", "mincount", "zcount"}) {
            const auto* box = table->findChild<QLineEdit*>(QString::fromLatin1(name));
            boxes[QString::fromLatin1(name)] = box != nullptr ? box->text() : "<none>";
          }
          rows = static_cast<int>(boxes["table"].count(QLatin1Char('\n')) + 1);
          ClickLater(table, "close");
          // Back from the table window, the graph window is the modal window again.
          driver_->Expect([](QWidget* again) { ClickLater(again, "close"); });
        });
        ClickLater(graph, "table");
      },
      !tscheck);
  Solve(QStringLiteral("sin[x]"));

  QCOMPARE(enabled, tscheck);
  if (!tscheck) return;
  QCOMPARE(table_caption, QStringLiteral("TForm13/Table and stats"));
  QCOMPARE(pages, (QStringList{"Table", "Table stats", "Top points", "Max points", "Bottom points",
                               "Min points", "Zero points"}));
  QCOMPARE(rows, 10);
  QVERIFY(boxes["table"].startsWith(QStringLiteral("x: 1 <=> f(x): = 0,841470984807897\n")));
  QCOMPARE(boxes["count"], QStringLiteral("10"));
  QCOMPARE(boxes["maxvalue"], QStringLiteral("0,989358246623382"));
  QCOMPARE(boxes["top"], QStringLiteral("x: 2 <=> f(x): = 0,909297426825682\n"
                                        "x: 8 <=> f(x): = 0,989358246623382"));
  QCOMPARE(boxes["tcount"], QStringLiteral("2"));
  QCOMPARE(boxes["zcount"], QStringLiteral("3"));
  QCOMPARE(boxes["sum"], QString::fromStdString(calculator_->table().sum));
}

void GraphWindowTest::copyPutsSvgAndPngOfTheChartSize() {
  struct Copy {
    QSize chart;
    QSize png;
    QSize image;
    QByteArray svg;
  };
  std::vector<Copy> copies;
  auto copy = [&](quorvex::GraphWindow* graph) {
    graph->copy()->click();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    copies.push_back({graph->graph()->size(),
                      QImage::fromData(data->data(QStringLiteral("image/png")), "PNG").size(),
                      data->hasImage() ? qvariant_cast<QImage>(data->imageData()).size() : QSize(),
                      data->data(QStringLiteral("image/svg+xml"))});
  };
  ExpectGraphWindow([&](quorvex::GraphWindow* graph) {
    copy(graph);
    graph->showMaximized();
    QTest::qWait(50);
    copy(graph);
  });
  Solve(QStringLiteral("sin[x]"));

  QCOMPARE(copies.size(), size_t{2});
  for (const Copy& c : copies) {
    QCOMPARE(c.png, c.chart);
    QCOMPARE(c.image, c.chart);
    QVERIFY(c.svg.contains("<svg"));
    const QByteArray view_box = QStringLiteral("viewBox=\"0 0 %1 %2\"")
                                    .arg(c.chart.width())
                                    .arg(c.chart.height())
                                    .toLatin1();
    QVERIFY2(c.svg.contains(view_box), c.svg.left(600).constData());
    // Tick labels are text in the vector picture, with the decimal comma.
    const QRegularExpression fraction(QStringLiteral(">-?0,[0-9]+</text>"));
    QVERIFY(fraction.match(QString::fromUtf8(c.svg)).hasMatch());
  }
  QVERIFY2(copies[1].chart.width() > copies[0].chart.width(),
           "maximising the window enlarges the copied picture");
}

void GraphWindowTest::reminder_data() {
  QTest::addColumn<QString>("button");  // "continue2", "stop" or "" for the title bar
  QTest::addColumn<QString>("answer");
  QTest::addColumn<int>("points");

  // The reminder waits 9000 ms, which the reported time leaves out.
  const QString finished =
      QStringLiteral("10 calculation(s) done in 11000 ms (1100 ms per calculation)");
  QTest::newRow("Continue lets the run finish") << "continue2" << finished << 10;
  QTest::newRow("closing by the title bar counts as Continue") << "" << finished << 10;
  QTest::newRow("Stop ends the run before the first x")
      << "stop" << QString::fromLatin1(quorvex::graph_messages::kCanceled) << 0;
}

void GraphWindowTest::reminder() {
  QFETCH(QString, button);
  QFETCH(QString, answer);
  QFETCH(int, points);
  // Start, reminder start, first check (11 s later: reminder), pause start; after the
  // reminder the new reminder start and the pause end are 9 s later.
  FakeClock clock({0, 0, 11000, 11000, 20000});
  calculator_->SetClock(&clock);

  QString reminder_name;
  QString reminder_text;
  bool gauge_kept = false;
  QString active_name;
  bool reminder_active = false;
  driver_->Expect([&](QWidget* modal) {
    reminder_name = modal->objectName() + QLatin1Char('/') + modal->windowTitle();
    if (auto* text = modal->findChild<QLabel*>(QStringLiteral("text"))) {
      reminder_text = text->text();
    }
    // The one-second timer leaves the gauge alone while the reminder is up.
    modal->activateWindow();
    // Activation reaches the application asynchronously.
    reminder_active =
        QTest::qWaitFor([modal] { return QApplication::activeWindow() == modal; }, 2000);
    active_name =
        QApplication::activeWindow() ? QApplication::activeWindow()->objectName() : "none";
    window_->timerTimer();
    gauge_kept = window_->bar()->isVisible();
    if (button.isEmpty()) {
      QTimer::singleShot(0, modal, &QWidget::close);
    } else {
      ClickLater(modal, button.toLatin1().constData());
    }
  });
  if (points > 0) ExpectGraphWindow();
  Solve(QStringLiteral("sin[x]"));

  QCOMPARE(reminder_name, QStringLiteral("TForm11/Quorvex"));
  QCOMPARE(reminder_text,
           QStringLiteral("The requested operation may take a very long time to complete. Do you "
                          "want to let the calculation continue, or stop the operation now?"));
  QVERIFY2(reminder_active, qPrintable(active_name));
  QVERIFY(gauge_kept);
  QCOMPARE(window_->answer()->text(), answer);
  QCOMPARE(calculator_->chart().line().PointCount(), static_cast<size_t>(points));
  QCOMPARE(shown_.size(), points > 0 ? 1 : 0);
}

void GraphWindowTest::settingsErrorsCalculateNothing_data() {
  QTest::addColumn<int>("setting");
  QTest::addColumn<QString>("answer");
  QTest::newRow("a fixed x limit of one and a half")
      << 0 << QString::fromLatin1(quorvex::graph_messages::kScales);
  QTest::newRow("a fixed y minimum above its maximum")
      << 1 << QString::fromLatin1(quorvex::graph_messages::kScales);
  QTest::newRow("3D with a percent of 0")
      << 2 << QString::fromLatin1(quorvex::graph_messages::kVisuals);
}

void GraphWindowTest::settingsErrorsCalculateNothing() {
  QFETCH(int, setting);
  QFETCH(QString, answer);
  // A first run leaves points behind; the failing run must not touch them.
  ExpectGraphWindow();
  Solve(QStringLiteral("x*2"));
  QCOMPARE(calculator_->chart().line().PointCount(), size_t{10});

  quorvex::GraphSettings& graph = calculator_->graph();
  graph.stop = "20";
  if (setting == 0) {
    graph.xautocheck = false;
    graph.xmax = "10";
    graph.xmin = "1,5";
  } else if (setting == 1) {
    graph.yautocheck = false;
    graph.ymax = "-40";
    graph.ymin = "-30";
  } else {
    graph.dcheck = true;
    graph.percent = "0";
  }
  Solve(QStringLiteral("x*3"));
  QCOMPARE(window_->answer()->text(), answer);
  QCOMPARE(calculator_->chart().line().PointCount(), size_t{10});
  QCOMPARE(calculator_->chart().line().MaxY(), 20.0);
  QCOMPARE(shown_, QStringList{QStringLiteral("TForm6")});
}

void GraphWindowTest::zoomIsUndoneByTheNextRun() {
  ExpectGraphWindow([](quorvex::GraphWindow* graph) {
    quorvex::ChartView* view = graph->graph();
    view->setZoomAnimationMs(0);
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, QPoint(120, 60));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, QPoint(260, 180));
  });
  Solve(QStringLiteral("sin[x]"));
  QVERIFY(calculator_->chart().zoom().has_value());

  std::optional<quorvex::ZoomRect> zoom_in_second_run{quorvex::ZoomRect{}};
  ExpectGraphWindow(
      [&](quorvex::GraphWindow*) { zoom_in_second_run = calculator_->chart().zoom(); });
  Solve(QStringLiteral("cos[x]"));
  QVERIFY(!zoom_in_second_run.has_value());
}

void GraphWindowTest::windowTickCountsRealMilliseconds() {
  quorvex::QtClock clock;
  const uint32_t before = clock.TickCount();
  QTest::qSleep(150);
  const uint32_t after = clock.TickCount();
  const uint32_t passed = after - before;  // 32-bit arithmetic, as the run takes it
  QVERIFY2(passed >= 150 && passed < 60000, qPrintable(QString::number(passed)));
}

// A long run's table window shows every row through a model, each row read as a run makes it.
void GraphWindowTest::tableWindowListsAreViewsOverTheRows() {
  calculator_->graph().stop = "100000";
  int rows = 0;
  QString last;
  QString first_zero;
  ExpectGraphWindow(
      [&](quorvex::GraphWindow* graph) {
        driver_->Expect([&](QWidget* table) {
          const auto* list = table->findChild<QAbstractItemView*>(QStringLiteral("table"));
          rows = list->model()->rowCount();
          last = list->model()->index(rows - 1, 0).data().toString();
          const auto* zero = table->findChild<QAbstractItemView*>(QStringLiteral("zero"));
          first_zero = zero->model()->index(0, 0).data().toString();
          ClickLater(table, "close");
          driver_->Expect([](QWidget* again) { ClickLater(again, "close"); });
        });
        ClickLater(graph, "table");
      },
      false);
  Solve(QStringLiteral("x-50000,5"));
  QCOMPARE(rows, 100000);
  QCOMPARE(last, QStringLiteral("x: 100000 <=> f(x): = 49999,5"));
  QCOMPARE(first_zero, QStringLiteral("x: 50000<x<50001 <=> f(x): = 0"));
}

QTEST_MAIN(GraphWindowTest)
#include "graph_window_test.moc"
