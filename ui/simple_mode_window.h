#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace quorvex {

class MainWindow;

// TForm15: a strip with an input line and an answer line; every solve runs through the main
// window's own Insert and Solve while the main window is hidden.
class SimpleModeWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SimpleModeWindow(MainWindow& main);

  // Takes the main input's text over; Solve is enabled exactly when there is one.
  void Enter(const QString& text);

  QLineEdit* input() const { return input_; }
  QLineEdit* answer() const { return answer_; }
  QToolButton* solve() const { return solve_; }
  QToolButton* standardmode() const { return standardmode_; }

  void RunSimpleSolve();

 public Q_SLOTS:
  void inputChange();
  void solveClick();
  void standardmodeClick();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormClose();

  MainWindow& main_;
  QLineEdit* input_;
  QLineEdit* answer_;
  QToolButton* solve_;
  QToolButton* standardmode_;
};

}  // namespace quorvex
