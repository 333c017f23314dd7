#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace quorvex {

// The group boxes `answerbox` (the answer line, `solve`, `clear`), the progress gauge `bar`
// and `solutionbox` with the step lines.
class AnswerPanel : public QWidget {
  Q_OBJECT

 public:
  explicit AnswerPanel(QWidget* parent);

  QLineEdit* answer() const { return answer_; }
  QPushButton* solve() const { return solve_; }
  QPushButton* clear() const { return clear_; }
  QProgressBar* bar() const { return bar_; }
  QPlainTextEdit* solution() const { return solution_; }

 private:
  QLineEdit* answer_;
  QPushButton* solve_;
  QPushButton* clear_;
  QProgressBar* bar_;
  QPlainTextEdit* solution_;
};

}  // namespace quorvex
