// Runs the tutorial's graph, sin[x] for x from 1 to 25 in steps of 0,1, from the real main
// window and saves the graph window in 2D (graph_2d.png), in 3D with depth 10 (graph_3d.png)
// and with both grids and the points on (graph_grid_points.png), and the table and statistics
// window (table_stats.png), and once more in a dark palette on a dark chart (graph_dark.png),
// into the directory given as the first argument. Run by
// scripts/screenshot-graph.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/calculator.h"
#include "ui/dark_palette.h"
#include "ui/main_window.h"

namespace {

bool Save(QWidget* window, const QString& file) {
  const bool saved = window->grab().save(file, "PNG");
  std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(file));
  return saved;
}

// Hands each new modal window to the next action; a run holds the event loop until the
// graph window closes, so everything happens from timers.
class ModalSteps : public QObject {
 public:
  explicit ModalSteps(std::vector<std::function<void(QWidget*)>> steps) : steps_(std::move(steps)) {
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    timer_.start();
  }

 private:
  void Tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == last_ || steps_.empty()) {
      if (modal == nullptr) last_ = nullptr;
      return;
    }
    last_ = modal;
    auto step = std::move(steps_.front());
    steps_.erase(steps_.begin());
    step(modal);
  }

  QTimer timer_;
  QWidget* last_ = nullptr;
  std::vector<std::function<void(QWidget*)>> steps_;
};

void ClickLater(QWidget* window, const char* name) {
  if (auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name))) {
    QTimer::singleShot(300, button, &QPushButton::click);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR BIN_DIR\n", argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  const QDir bin(QString::fromLocal8Bit(argv[2]));
  QTemporaryDir work;
  QDir(work.path()).mkdir(QStringLiteral("bin"));
  for (const QString& name : bin.entryList(QDir::Files)) {
    QFile::copy(bin.filePath(name), work.filePath(QStringLiteral("bin/") + name));
  }

  quorvex::Calculator calculator(work.path().toStdString());
  quorvex::MainWindow window(calculator, quorvex::MainWindowOptions{2500, false});
  window.show();
  window.FormActivate();
  QLineEdit* input = window.input()->lineEdit();
  input->setText(QStringLiteral("sin[x]"));
  window.insertClick();

  quorvex::GraphSettings& graph = calculator.graph();
  graph.start = "1";
  graph.stop = "25";
  graph.inc = "0,1";
  bool saved = true;
  auto shoot = [&](const char* file, bool with_table) {
    std::vector<std::function<void(QWidget*)>> steps;
    steps.push_back([&, file, with_table](QWidget* modal) {
      QTimer::singleShot(400, modal, [&, modal, file, with_table] {
        saved &= Save(modal, out.filePath(QString::fromLatin1(file)));
        ClickLater(modal, with_table ? "table" : "close");
      });
    });
    if (with_table) {
      steps.push_back([&](QWidget* table) {
        QTimer::singleShot(400, table, [&, table] {
          saved &= Save(table, out.filePath(QStringLiteral("table_stats.png")));
          ClickLater(table, "close");
        });
      });
      steps.push_back([](QWidget* again) { ClickLater(again, "close"); });
    }
    ModalSteps driver(std::move(steps));
    window.solveClick();
  };

  shoot("graph_2d.png", true);
  graph.dcheck = true;
  graph.percent = "10";
  shoot("graph_3d.png", false);
  graph.dcheck = false;
  graph.hgcheck = true;
  graph.vgcheck = true;
  graph.pcheck = true;
  shoot("graph_grid_points.png", false);
  // A dark desktop with a dark chart: the axis labels must stay readable.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setPalette(quorvex::DarkPalette());
  graph.hgcheck = false;
  graph.vgcheck = false;
  graph.pcheck = false;
  graph.bcolor = 0x202020;
  graph.grcolor = 0x505050;
  shoot("graph_dark.png", false);
  return saved ? 0 : 1;
}
