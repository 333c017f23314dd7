#include "ui/graph_options_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <optional>
#include <vector>

#include "app/calculator.h"
#include "support/modal_driver.h"
#include "support/qt_workdir.h"
#include "support/recording_notifier.h"

namespace quorvex {

using testing_support::ModalWatchdog;
using testing_support::QtWorkdir;
using testing_support::RecordingNotifier;

namespace {

// The shipped file's 23 lines, one entry each.
std::vector<QByteArray> DefaultLines() {
  return {"1",  "10", "1", "1", "0", "0",        "0",        "10",       "1",        "0", "0", "0",
          "10", "0",  "0", "0", "0", "15102720", "16777215", "13158600", "13158600", "0", "10"};
}

QByteArray FileOf(const std::vector<QByteArray>& lines) {
  QByteArray bytes;
  for (const QByteArray& line : lines) bytes += line + "\r\n";
  return bytes;
}

}  // namespace

class GraphOptionsDialogTest : public QObject {
  Q_OBJECT

 private:
  template <typename T>
  T* control(const char* name) {
    T* widget = dialog_->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("no control %s", name);
    return widget;
  }
  QCheckBox* check(const char* name) { return control<QCheckBox>(name); }
  QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
  void click(const char* name) { control<QPushButton>(name)->click(); }
  void open(const std::vector<QByteArray>& lines) {
    workdir_->write("bin/graph.ini", FileOf(lines));
    QVERIFY(calculator_->StartUp(notifier_));
    auto chooser = [this](GraphColor current, QWidget*) -> std::optional<GraphColor> {
      offered_.push_back(current);
      return chosen_;
    };
    dialog_ = std::make_unique<GraphOptionsDialog>(*calculator_, notifier_, chooser);
    applied_ = std::make_unique<QSignalSpy>(dialog_.get(), &GraphOptionsDialog::applied);
    dialog_->show();
  }

  std::unique_ptr<QtWorkdir> workdir_;
  RecordingNotifier notifier_;
  std::unique_ptr<Calculator> calculator_;
  std::unique_ptr<GraphOptionsDialog> dialog_;
  std::unique_ptr<QSignalSpy> applied_;
  std::unique_ptr<ModalWatchdog> watchdog_;
  std::vector<GraphColor> offered_;
  std::optional<GraphColor> chosen_;

 private Q_SLOTS:
  void init() {
    workdir_ = std::make_unique<QtWorkdir>();
    notifier_ = RecordingNotifier();
    calculator_ = std::make_unique<Calculator>(workdir_->root());
    watchdog_ = std::make_unique<ModalWatchdog>();
    offered_.clear();
    chosen_.reset();
  }
  void cleanup() {
    QVERIFY2(watchdog_->blocked().isEmpty(), qPrintable(watchdog_->blocked()));
    applied_.reset();
    dialog_.reset();
    calculator_.reset();
    workdir_.reset();
  }

  // The loaded file decides which edits are usable.
  void enablingFollowsTheLoadedFile_data() {
    QTest::addColumn<int>("line");  // 1-based, 0: the shipped file
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("xlimits");
    QTest::addColumn<bool>("ylimits");
    QTest::addColumn<bool>("depth");
    QTest::newRow("shipped file disables all") << 0 << QByteArray() << false << false << false;
    QTest::newRow("x automatic off") << 4 << QByteArray("0") << true << false << false;
    QTest::newRow("y automatic off") << 9 << QByteArray("0") << false << true << false;
    QTest::newRow("3D on") << 22 << QByteArray("1") << false << false << true;
    QTest::newRow("x automatic read as true is off")
        << 4 << QByteArray("true") << true << false << false;
  }
  void enablingFollowsTheLoadedFile() {
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    QFETCH(bool, xlimits);
    QFETCH(bool, ylimits);
    QFETCH(bool, depth);
    std::vector<QByteArray> lines = DefaultLines();
    if (line > 0) lines[line - 1] = text;
    open(lines);
    QCOMPARE(edit("xmin")->isEnabled(), xlimits);
    QCOMPARE(edit("xmax")->isEnabled(), xlimits);
    QCOMPARE(edit("ymin")->isEnabled(), ylimits);
    QCOMPARE(edit("ymax")->isEnabled(), ylimits);
    QCOMPARE(edit("percent")->isEnabled(), depth);
    QCOMPARE(control<QWidget>("udpercent")->isEnabled(), depth);
    click("cancel");
  }

  void enablingFollowsTheBoxes() {
    open(DefaultLines());
    check("xautocheck")->click();
    QVERIFY(edit("xmin")->isEnabled() && edit("xmax")->isEnabled());
    QVERIFY(!edit("ymin")->isEnabled());
    check("yautocheck")->click();
    QVERIFY(edit("ymin")->isEnabled() && edit("ymax")->isEnabled());
    check("dcheck")->click();
    QVERIFY(edit("percent")->isEnabled());
    // The grid and point boxes rerun the 3D rule and change nothing.
    for (const char* name : {"hgcheck", "vgcheck", "pcheck"}) {
      check(name)->click();
      QVERIFY(edit("percent")->isEnabled());
    }
    check("dcheck")->click();
    QVERIFY(!edit("percent")->isEnabled());
    QVERIFY(!control<QWidget>("udpercent")->isEnabled());
    // Default restores the automatic scaling and disables the limits again.
    click("default2");
    QVERIFY(!edit("xmin")->isEnabled() && !edit("ymax")->isEnabled());
    click("cancel");
  }

  void percentMovesOnlyByItsArrows() {
    std::vector<QByteArray> lines = DefaultLines();
    lines[21] = "1";
    open(lines);
    QLineEdit* percent = edit("percent");
    QVERIFY(percent->isReadOnly());
    auto* up = control<QToolButton>("udpercentup");
    auto* down = control<QToolButton>("udpercentdown");
    up->click();
    QCOMPARE(percent->text(), QStringLiteral("15"));
    for (int i = 0; i < 30; ++i) up->click();
    QCOMPARE(percent->text(), QStringLiteral("100"));
    for (int i = 0; i < 19; ++i) down->click();
    QCOMPARE(percent->text(), QStringLiteral("5"));
    down->click();
    down->click();
    QCOMPARE(percent->text(), QStringLiteral("0"));
    // Zero is allowed by the arrows and saved as it stands.
    click("ok");
    QCOMPARE(workdir_->read("bin/graph.ini").split('\n').at(22), QByteArray("0\r"));
  }

  void swatchesOpenTheChooserAtTheCurrentColour() {
    open(DefaultLines());
    chosen_ = 0x0000FF;  // red
    click("gcolor");
    chosen_.reset();  // the user cancels the second chooser
    click("bcolor");
    chosen_ = 0x123456;
    click("grcolor");
    click("grcolor");
    QCOMPARE(offered_, (std::vector<GraphColor>{15102720, 16777215, 13158600, 0x123456}));
    QVERIFY(control<QPushButton>("gcolor")->styleSheet().contains(QStringLiteral("#ff0000")));
    click("ok");
    std::vector<QByteArray> expected = DefaultLines();
    expected[17] = "255";
    expected[19] = QByteArray::number(0x123456);
    QCOMPARE(workdir_->read("bin/graph.ini"), FileOf(expected));
    QCOMPARE(calculator_->graph().gcolor, GraphColor{255});
  }

  void closingAgainstTheFile() {
    struct Row {
      const char* name;
      bool press_default;
      const char* start;  // typed into start when not null
      const char* button;
      const char* status;
    };
    const Row rows[] = {
        {"ok with the defaults writes the 23 lines", false, nullptr, "ok", "xE[1;10]"},
        {"a start with a blank and a comma is kept as typed", false, " 1,5", "ok", "xE[ 1,5;10]"},
        {"cancel discards the typing", false, "3", "cancel", "xE[1;10]"},
        {"default then cancel keeps the old file", true, nullptr, "cancel", "xE[-2;10]"},
        {"default then ok writes the defaults", true, nullptr, "ok", "xE[1;10]"},
    };
    for (const Row& row : rows) {
      init();
      std::vector<QByteArray> before = DefaultLines();
      if (row.press_default) {
        before[0] = "-2";
        before[3] = "true";
        before[17] = "255";
      }
      open(before);
      if (row.press_default) {
        QCOMPARE(edit("start")->text(), QStringLiteral("-2"));
        click("default2");
        QCOMPARE(edit("start")->text(), QStringLiteral("1"));
        QVERIFY(check("xautocheck")->isChecked());
      }
      if (row.start != nullptr) edit("start")->setText(QString::fromLatin1(row.start));
      click(row.button);
      QVERIFY2(!dialog_->isVisible(), row.name);
      const bool saved = qstrcmp(row.button, "ok") == 0;
      std::vector<QByteArray> after = saved ? DefaultLines() : before;
      if (saved && row.start != nullptr) after[0] = row.start;
      QCOMPARE(workdir_->read("bin/graph.ini"), FileOf(after));
      QCOMPARE(applied_->count(), saved ? 1 : 0);
      QCOMPARE(QString::fromStdString(calculator_->Status().x_range),
               QString::fromLatin1(row.status));
      dialog_->show();
      QCOMPARE(edit("start")->text().toStdString(), calculator_->graph().start);
      QCOMPARE(check("xautocheck")->isChecked(), calculator_->graph().xautocheck);
      click("cancel");
      cleanup();
    }
  }

  void flagReadAsTrueIsSavedAsZero() {
    std::vector<QByteArray> lines = DefaultLines();
    lines[13] = "true";  // scheck
    lines[14] = " 1";    // pcheck
    open(lines);
    QVERIFY(!check("scheck")->isChecked());
    QVERIFY(!check("pcheck")->isChecked());
    click("ok");
    QCOMPARE(workdir_->read("bin/graph.ini"), FileOf(DefaultLines()));
  }

  void captionsHintsAndPages() {
    open(DefaultLines());
    QCOMPARE(dialog_->objectName(), QStringLiteral("TForm7"));
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Graph options"));
    auto* pages = control<QTabWidget>("pages");
    QCOMPARE(pages->count(), 3);
    QCOMPARE(pages->tabText(0), QStringLiteral("Calculations"));
    QCOMPARE(pages->tabText(1), QStringLiteral("Scales"));
    QCOMPARE(pages->tabText(2), QStringLiteral("Visuals"));
    const std::pair<const char*, const char*> hints[] = {
        {"start", "Type in the start value for x"},  {"stop", "Type in the stop value for x"},
        {"inc", "Type in the increment rate for x"}, {"xmax", "Type in the x axis max"},
        {"xmin", "Type in the x axis min"},          {"ymax", "Type in the y axis max"},
        {"ymin", "Type in the y axis min"},
    };
    for (const auto& [name, hint] : hints)
      QCOMPARE(edit(name)->toolTip(), QString::fromLatin1(hint));
    const std::pair<const char*, const char*> captions[] = {
        {"xautocheck", "Automatic"},       {"yinvcheck", "Inverted"},
        {"xlogcheck", "Logarithmic"},      {"scheck", "View stairs"},
        {"pcheck", "View points"},         {"hgcheck", "View horizontal grid"},
        {"vgcheck", "View vertical grid"}, {"dcheck", "View 3D"},
    };
    for (const auto& [name, caption] : captions) {
      QCOMPARE(check(name)->text(), QString::fromLatin1(caption));
    }
    QStringList labels;
    for (QLabel* label : dialog_->findChildren<QLabel*>()) labels << label->text();
    for (const char* text :
         {"x var start:", "x var stop:", "x var inc:", "x min:", "x max:", "y min:", "y max:",
          "Graph color:", "Back color:", "Grid color:", "Point color:", "3D%:"}) {
      QVERIFY2(labels.contains(QString::fromLatin1(text)), text);
    }
    QVERIFY(control<QPushButton>("ok")->isDefault());
    QCOMPARE(control<QPushButton>("ok")->toolTip(), QStringLiteral("Save changes and close form"));
    QCOMPARE(control<QPushButton>("default2")->toolTip(),
             QStringLiteral("Set all values to default"));
    click("cancel");
  }
};

}  // namespace quorvex

QTEST_MAIN(quorvex::GraphOptionsDialogTest)
#include "graph_options_dialog_test.moc"
