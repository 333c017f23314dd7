// The graph window's readout of the point under the pointer and its PNG and SVG saving, and the
// table window's copy and CSV file of a run's table.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/calculator.h"
#include "graph/chart_model.h"
#include "graph/value_table.h"
#include "support/main_window_harness.h"
#include "ui/chart_view.h"
#include "ui/graph_window.h"
#include "ui/main_window.h"
#include "ui/qt_graph_host.h"
#include "ui/table_csv.h"
#include "ui/table_stats_window.h"

using quorvex::Calculator;
using quorvex::ChartModel;
using quorvex::GraphWindow;
using quorvex::MainWindow;
using quorvex::MainWindowOptions;
using quorvex::MaskSettings;
using quorvex::TableStatsWindow;
using quorvex::ValueTable;
using quorvex::testing_support::MainWindowHarness;
using quorvex::testing_support::ModalDriver;

class ChartExportTest : public QObject, MainWindowHarness {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();

  void readoutShowsTheNearestPoint_data();
  void readoutShowsTheNearestPoint();
  void readoutIsForgottenByTheNextRun();
  void contextMenuSavesPngAndSvgOfTheChartSize_data();
  void contextMenuSavesPngAndSvgOfTheChartSize();
  void cancelledSaveWritesNothing();
  void unwritableSaveSaysSo();

  void csvOfAThreePointRun_data();
  void csvOfAThreePointRun();
  void csvRows_data();
  void csvRows();

 private:
  // A graph window over a chart of f(x) = x^2 at x = -2 .. 2, shown without a run.
  void ShowChart() {
    for (int x = -2; x <= 2; ++x) chart_.AddPoint(x, x * x);
    graph_ = std::make_unique<GraphWindow>(chart_, table_, nullptr);
    graph_->graph()->setZoomAnimationMs(0);
    graph_->show();
    graph_->resize(508, 350);
    QVERIFY(QTest::qWaitForWindowExposed(graph_.get()));
  }
  // The pointer moves over the chart, as the window system reports it.
  void MovePointer(const QPoint& to) {
    QWidget* chart = graph_->graph();
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(chart->mapToGlobal(to)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(chart, &move);
  }
  QPoint PixelOf(double x, double y) const {
    const quorvex::ChartLayout layout = graph_->graph()->currentLayout();
    return QPointF(layout.x.ToPixel(x), layout.y.ToPixel(y)).toPoint();
  }
  // The next save asks for this path.
  void ChooseSavePath(const QString& path) {
    auto chooser = [this, path](QWidget*, const QString& caption, const QString&, const QString&) {
      asked_.append(caption);
      return path;
    };
    if (graph_) graph_->setSavePathChooser(chooser);
    if (table_window_) table_window_->setSavePathChooser(chooser);
  }
  void RunThreePoints(const QString& expression) {
    calculator_->graph().stop = "3";
    driver_->Expect([](QWidget* modal) {
      auto* close = modal->findChild<QPushButton*>(QStringLiteral("close"));
      QTimer::singleShot(0, close, &QPushButton::click);
    });
    QTest::keyClicks(window_->input()->lineEdit(), expression);
    window_->insertClick();
    window_->solveClick();
  }

  ChartModel chart_;
  ValueTable table_;
  std::unique_ptr<GraphWindow> graph_;
  TableStatsWindow* table_window_ = nullptr;
  std::unique_ptr<QTemporaryDir> out_;
  QStringList asked_;
};

void ChartExportTest::init() {
  StartMainWindow();
  window_->show();
  window_->FormActivate();
  table_window_ = window_->graphHost()->graphWindow()->tableStatsWindow();
  chart_ = ChartModel();
  out_ = std::make_unique<QTemporaryDir>();
  asked_.clear();
}

void ChartExportTest::cleanup() {
  const QStringList unexpected = driver_->unexpected();
  const int pending = driver_->pending();
  graph_.reset();
  out_.reset();
  table_window_ = nullptr;
  StopMainWindow();
  QCOMPARE(unexpected, QStringList());
  QCOMPARE(pending, 0);
}

void ChartExportTest::readoutShowsTheNearestPoint_data() {
  QTest::addColumn<double>("x");
  QTest::addColumn<double>("y");
  QTest::addColumn<QPoint>("offset");
  QTest::addColumn<QString>("readout");
  QTest::newRow("on the point") << 1.0 << 1.0 << QPoint(0, 0) << QStringLiteral("x: 1 <=> f(x): 1");
  QTest::newRow("a few pixels off still picks it")
      << 1.0 << 1.0 << QPoint(-6, 5) << QStringLiteral("x: 1 <=> f(x): 1");
  QTest::newRow("negative x at the left edge")
      << -2.0 << 4.0 << QPoint(3, 3) << QStringLiteral("x: -2 <=> f(x): 4");
  QTest::newRow("the lowest point")
      << 0.0 << 0.0 << QPoint(0, -4) << QStringLiteral("x: 0 <=> f(x): 0");
}

void ChartExportTest::readoutShowsTheNearestPoint() {
  QFETCH(double, x);
  QFETCH(double, y);
  QFETCH(QPoint, offset);
  QFETCH(QString, readout);
  ShowChart();
  MovePointer(PixelOf(x, y) + offset);
  QCOMPARE(graph_->readout()->text(), readout);
  QCOMPARE(graph_->graph()->readoutText(), readout);

  // Outside the plot area there is no point under the pointer.
  MovePointer(QPoint(1, 1));
  QCOMPARE(graph_->readout()->text(), QString());
}

void ChartExportTest::readoutIsForgottenByTheNextRun() {
  ShowChart();
  MovePointer(PixelOf(2, 4));
  QCOMPARE(graph_->readout()->text(), QStringLiteral("x: 2 <=> f(x): 4"));
  graph_->hide();
  chart_.ClearSeries();
  chart_.AddPoint(5, 0.5);
  QString while_open = QStringLiteral("<not shown>");
  driver_->Expect([&](QWidget* modal) {
    while_open = graph_->readout()->text();
    modal->close();
  });
  graph_->ShowModal(quorvex::GraphWindowState{});
  QCOMPARE(while_open, QString());
}

void ChartExportTest::contextMenuSavesPngAndSvgOfTheChartSize_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("chosen");
  QTest::addColumn<QString>("written");
  QTest::newRow("PNG") << "savepng"
                       << "chart.png"
                       << "chart.png";
  QTest::newRow("PNG without suffix gets one") << "savepng"
                                               << "chart"
                                               << "chart.png";
  QTest::newRow("SVG") << "savesvg"
                       << "chart.svg"
                       << "chart.svg";
  QTest::newRow("SVG without suffix gets one") << "savesvg"
                                               << "chart"
                                               << "chart.svg";
}

void ChartExportTest::contextMenuSavesPngAndSvgOfTheChartSize() {
  QFETCH(QString, action);
  QFETCH(QString, chosen);
  QFETCH(QString, written);
  ShowChart();
  graph_->resize(640, 420);
  QTest::qWait(20);
  const QSize chart_size = graph_->graph()->size();
  QCOMPARE(graph_->graph()->contextMenuPolicy(), Qt::ActionsContextMenu);
  auto* command = graph_->graph()->findChild<QAction*>(action);
  QVERIFY(command != nullptr);
  QVERIFY(graph_->graph()->actions().contains(command));

  ChooseSavePath(out_->filePath(chosen));
  command->trigger();

  QFile file(out_->filePath(written));
  QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(written));
  const QByteArray bytes = file.readAll();
  QVERIFY(!bytes.isEmpty());
  if (action == QLatin1String("savepng")) {
    QCOMPARE(asked_, QStringList{QStringLiteral("Save graph as PNG")});
    QCOMPARE(QImage::fromData(bytes, "PNG").size(), chart_size);
  } else {
    QCOMPARE(asked_, QStringList{QStringLiteral("Save graph as SVG")});
    QSvgRenderer svg(bytes);
    QVERIFY(svg.isValid());
    QCOMPARE(svg.defaultSize(), chart_size);
    QCOMPARE(svg.viewBox(), QRect(QPoint(0, 0), chart_size));
  }
  // The saved picture is the chart alone, without the readout's ring.
  QCOMPARE(graph_->graph()->RenderImage().size(), chart_size);
}

void ChartExportTest::cancelledSaveWritesNothing() {
  ShowChart();
  ChooseSavePath(QString());
  graph_->savePngClick();
  graph_->saveSvgClick();
  QCOMPARE(asked_.size(), 2);
  QCOMPARE(QDir(out_->path()).entryList(QDir::Files), QStringList());
}

void ChartExportTest::unwritableSaveSaysSo() {
  ShowChart();
  const QString path = out_->filePath(QStringLiteral("no-such-folder/chart.png"));
  ChooseSavePath(path);
  driver_->ExpectMessage();
  graph_->savePngClick();
  QCOMPARE(driver_->messages(), QStringList{"Quorvex could not save '" + path + "'"});
}

void ChartExportTest::csvOfAThreePointRun_data() {
  QTest::addColumn<QString>("prefix");
  QTest::addColumn<QString>("mask");
  QTest::addColumn<QString>("suffix");
  QTest::addColumn<QString>("expression");
  QTest::addColumn<QByteArray>("csv");
  QTest::newRow("default mask: the prefix is left out")
      << "= "
      << ""
      << ""
      << "x^2/2" << QByteArray("x;f(x)\r\n1;0,5\r\n2;2\r\n3;4,5\r\n");
  QTest::newRow("digit pattern: the values as the table shows them")
      << "y = "
      << "0.00"
      << " m"
      << "x/4" << QByteArray("x;f(x)\r\n1;0,25\r\n2;0,50\r\n3;0,75\r\n");
  QTest::newRow("negative values and a bare mask")
      << ""
      << ""
      << ""
      << "0-x*1.5" << QByteArray("x;f(x)\r\n1;-1,5\r\n2;-3\r\n3;-4,5\r\n");
}

void ChartExportTest::csvOfAThreePointRun() {
  QFETCH(QString, prefix);
  QFETCH(QString, mask);
  QFETCH(QString, suffix);
  QFETCH(QString, expression);
  QFETCH(QByteArray, csv);
  calculator_->mask() =
      MaskSettings{prefix.toStdString(), mask.toStdString(), suffix.toStdString()};
  RunThreePoints(expression);
  QCOMPARE(calculator_->table().table.size(), size_t{3});
  table_window_->Fill();
  QCOMPARE(table_window_->Csv(), csv);

  // The copy puts the same text on the clipboard.
  table_window_->copyTableButton()->click();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  QCOMPARE(data->data(QStringLiteral("text/csv")), csv);
  QCOMPARE(data->text().toUtf8(), csv);

  // The saved file holds it byte for byte.
  ChooseSavePath(out_->filePath(QStringLiteral("run")));
  table_window_->saveCsvButton()->click();
  QCOMPARE(asked_, QStringList{QStringLiteral("Save table as CSV")});
  QFile file(out_->filePath(QStringLiteral("run.csv")));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), csv);
}

void ChartExportTest::csvRows_data() {
  QTest::addColumn<QStringList>("rows");
  QTest::addColumn<QString>("suffix");
  QTest::addColumn<QByteArray>("csv");
  QTest::newRow("no rows: the header alone") << QStringList() << "" << QByteArray("x;f(x)\r\n");
  QTest::newRow("exponent form stays a number")
      << QStringList{"x: 1E-5 <=> f(x): = 3,9E33"} << "" << QByteArray("x;f(x)\r\n1E-5;3,9E33\r\n");
  QTest::newRow("a suffix that is not there keeps the value whole")
      << QStringList{"x: 1 <=> f(x): = 2"} << " m" << QByteArray("x;f(x)\r\n1;= 2\r\n");
  QTest::newRow("a mask text with ; and a quote is quoted")
      << QStringList{"x: 1 <=> f(x): = 2;\"a\" m"} << " m"
      << QByteArray("x;f(x)\r\n1;\"2;\"\"a\"\"\"\r\n");
  QTest::newRow("a row of another form keeps its text")
      << QStringList{"something else"} << "" << QByteArray("x;f(x)\r\nsomething else\r\n");
  QTest::newRow("Windows-1252 text becomes UTF-8")
      << QStringList{QString::fromUtf8("x: 1 <=> f(x): = 2 \xC3\xA9")} << ""
      << QByteArray("x;f(x)\r\n1;2 \xC3\xA9\r\n");
}

void ChartExportTest::csvRows() {
  QFETCH(QStringList, rows);
  QFETCH(QString, suffix);
  QFETCH(QByteArray, csv);
  std::vector<std::string> table;
  for (const QString& row : rows) table.push_back(row.toLatin1().toStdString());
  const MaskSettings mask{"= ", "", suffix.toLatin1().toStdString()};
  QCOMPARE(QByteArray::fromStdString(quorvex::TableCsv(table, mask)), csv);
}

QTEST_MAIN(ChartExportTest)
#include "chart_export_test.moc"
