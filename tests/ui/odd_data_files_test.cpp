#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "app/calculator.h"
#include "support/modal_driver.h"
#include "support/qt_workdir.h"
#include "ui/main_menus.h"
#include "ui/main_window.h"

using quorvex::Calculator;
using quorvex::MainWindow;
using quorvex::MainWindowOptions;
using quorvex::testing_support::ModalDriver;
using quorvex::testing_support::QtWorkdir;

// Something other than a readable file where the window expects a data file: a read that waits
// or takes all memory would freeze the window, so each must end as an unreadable file does,
// with the two messages, promptly.
enum class OddFile { kFifo, kFifoWithSilentWriter, kLinkToDevZero, kDirectory, kHugeSparseFile };
Q_DECLARE_METATYPE(OddFile)

namespace {

// The window must answer well within a second; a read that waits would take the test's whole
// time-out, so this is a hang guard, not a measure of speed.
constexpr qint64 kPromptMs = 1000;

// 100 MB, past the largest data file the program reads.
constexpr off_t kHugeSize = 100LL * 1000 * 1000;

// Puts the odd thing in place of relative; a descriptor the test must close later goes to
// *held (-1 when there is none).
bool Plant(const QtWorkdir& dir, const char* relative, OddFile kind, int* held) {
  *held = -1;
  dir.remove(relative);
  const QByteArray path = QFile::encodeName(dir.path(relative));
  switch (kind) {
    case OddFile::kFifo:
      return mkfifo(path.constData(), 0600) == 0;
    case OddFile::kFifoWithSilentWriter:
      if (mkfifo(path.constData(), 0600) != 0) return false;
      // Read and write: opens at once and keeps a writer that never writes, so a blocking
      // read would wait for ever.
      *held = ::open(path.constData(), O_RDWR | O_CLOEXEC);
      return *held >= 0;
    case OddFile::kLinkToDevZero:
      return symlink("/dev/zero", path.constData()) == 0;
    case OddFile::kDirectory:
      dir.block(relative);
      return true;
    case OddFile::kHugeSparseFile: {
      const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
      if (fd < 0) return false;
      const bool sized = ftruncate(fd, kHugeSize) == 0;
      ::close(fd);
      return sized;
    }
  }
  return false;
}

// The file type of relative without following a link.
mode_t TypeOf(const QtWorkdir& dir, const char* relative) {
  struct stat info {};
  if (lstat(QFile::encodeName(dir.path(relative)).constData(), &info) != 0) return 0;
  return info.st_mode & S_IFMT;
}

void AddKindRows(const char* file, const QString& message) {
  const struct {
    const char* name;
    OddFile kind;
  } kinds[] = {{"a fifo", OddFile::kFifo},
               {"a fifo with a silent writer", OddFile::kFifoWithSilentWriter},
               {"a link to /dev/zero", OddFile::kLinkToDevZero},
               {"a directory", OddFile::kDirectory},
               {"a 100 MB sparse file", OddFile::kHugeSparseFile}};
  for (const auto& kind : kinds) {
    QTest::addRow("%s as %s", kind.name, file) << QByteArray(file) << kind.kind << message;
  }
}

}  // namespace

class OddDataFilesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();

  void startUpReportsTheFileAndCloses_data();
  void startUpReportsTheFileAndCloses();
  void insertLogReportsTheLogAndCloses_data();
  void insertLogReportsTheLogAndCloses();

 private:
  std::unique_ptr<QtWorkdir> dir_;
  std::unique_ptr<Calculator> calculator_;
  std::unique_ptr<ModalDriver> driver_;
  std::unique_ptr<MainWindow> window_;
  int held_fd_ = -1;
};

void OddDataFilesTest::init() {
  dir_ = std::make_unique<QtWorkdir>();
  calculator_ = std::make_unique<Calculator>(dir_->root());
  driver_ = std::make_unique<ModalDriver>();
}

void OddDataFilesTest::cleanup() {
  const QStringList unexpected = driver_->unexpected();
  const int pending = driver_->pending();
  window_.reset();
  driver_.reset();
  calculator_.reset();
  if (held_fd_ >= 0) ::close(held_fd_);
  held_fd_ = -1;
  dir_.reset();
  QCOMPARE(unexpected, QStringList());
  QCOMPARE(pending, 0);
}

void OddDataFilesTest::startUpReportsTheFileAndCloses_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<OddFile>("kind");
  QTest::addColumn<QString>("message");
  for (const char* file : {"bin/general.ini", "bin/graph.ini", "bin/mask.ini", "bin/other.ini"}) {
    AddKindRows(file, QStringLiteral("Quorvex could not find or open '%1'").arg(file));
  }
  // Either variable file: the pair's one message.
  for (const char* file : {"bin/vard.ini", "bin/vara.ini"}) {
    AddKindRows(file, QStringLiteral("Quorvex could not find or open 'bin/vara.ini' or "
                                     "'bin/vard.ini'"));
  }
}

void OddDataFilesTest::startUpReportsTheFileAndCloses() {
  QFETCH(QByteArray, file);
  QFETCH(OddFile, kind);
  QFETCH(QString, message);
  QVERIFY(Plant(*dir_, file.constData(), kind, &held_fd_));
  const mode_t planted = TypeOf(*dir_, file.constData());
  // The first-run flag, when it is a file the test itself can read without waiting.
  const bool flag_readable = file != "bin/other.ini";
  const QByteArray first_run_flag = flag_readable ? dir_->read("bin/other.ini") : QByteArray();
  driver_->ExpectMessage();
  driver_->ExpectMessage();
  // With the intro on: a splash or welcome after the messages would be reported as unexpected.
  window_ = std::make_unique<MainWindow>(*calculator_, MainWindowOptions{100, true});
  QElapsedTimer elapsed;
  elapsed.start();
  window_->show();
  window_->FormActivate();
  QTRY_VERIFY(!window_->isVisible());
  QVERIFY2(elapsed.elapsed() < kPromptMs, qPrintable(QString::number(elapsed.elapsed())));
  QCOMPARE(driver_->messages(),
           (QStringList{message, QStringLiteral("Quorvex will now be closed")}));
  QVERIFY(window_->startUpFailed());
  // Nothing was saved over the odd file or beside it on the way out.
  QCOMPARE(TypeOf(*dir_, file.constData()), planted);
  if (flag_readable) QCOMPARE(dir_->read("bin/other.ini"), first_run_flag);
}

void OddDataFilesTest::insertLogReportsTheLogAndCloses_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<OddFile>("kind");
  QTest::addColumn<QString>("message");
  AddKindRows("bin/log.ini", QStringLiteral("Quorvex could not find or open 'bin/log.ini'"));
}

// The log is read while the window is in use, so a wait there would freeze a working window.
void OddDataFilesTest::insertLogReportsTheLogAndCloses() {
  QFETCH(QByteArray, file);
  QFETCH(OddFile, kind);
  QFETCH(QString, message);
  window_ = std::make_unique<MainWindow>(*calculator_, MainWindowOptions{100, false});
  window_->show();
  window_->FormActivate();
  QVERIFY(window_->isVisible());
  QVERIFY(!window_->startUpFailed());
  QVERIFY(Plant(*dir_, file.constData(), kind, &held_fd_));
  const mode_t planted = TypeOf(*dir_, file.constData());
  driver_->ExpectMessage();
  driver_->ExpectMessage();
  QElapsedTimer elapsed;
  elapsed.start();
  window_->menus().insertlogmenu->trigger();
  QTRY_VERIFY(!window_->isVisible());
  QVERIFY2(elapsed.elapsed() < kPromptMs, qPrintable(QString::number(elapsed.elapsed())));
  QCOMPARE(driver_->messages(),
           (QStringList{message, QStringLiteral("Quorvex will now be closed")}));
  QCOMPARE(window_->evaluate()->count(), 0);
  QCOMPARE(TypeOf(*dir_, file.constData()), planted);
}

QTEST_MAIN(OddDataFilesTest)
#include "odd_data_files_test.moc"
