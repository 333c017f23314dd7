#include "ui/answer_panel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/elided_label.h"

namespace quorvex {

AnswerPanel::AnswerPanel(QWidget* parent) : QWidget(parent) {
  auto* answerbox = new QGroupBox(QStringLiteral("Answer"), this);
  answerbox->setObjectName(QStringLiteral("answerbox"));
  answer_ = new QLineEdit(answerbox);
  answer_->setObjectName(QStringLiteral("answer"));
  // Read-only without focus or caret, but still legible in every palette.
  answer_->setReadOnly(true);
  answer_->setFocusPolicy(Qt::NoFocus);
  ShowFullTextOnHover(answer_);
  solve_ = new QPushButton(QStringLiteral("Solve"), answerbox);
  solve_->setObjectName(QStringLiteral("solve"));
  solve_->setToolTip(QStringLiteral("Solve selected mathematical expression"));
  solve_->setEnabled(false);
  clear_ = new QPushButton(QStringLiteral("Clear"), answerbox);
  clear_->setObjectName(QStringLiteral("clear"));
  clear_->setToolTip(QStringLiteral("Clear evaluate"));
  clear_->setEnabled(false);
  auto* answer_layout = new QHBoxLayout(answerbox);
  answer_layout->addWidget(answer_, 1);
  answer_layout->addWidget(solve_);
  answer_layout->addWidget(clear_);

  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("bar"));
  bar_->setOrientation(Qt::Horizontal);
  bar_->setTextVisible(false);
  bar_->hide();

  auto* solutionbox = new QGroupBox(QStringLiteral("Solution"), this);
  solutionbox->setObjectName(QStringLiteral("solutionbox"));
  solution_ = new QPlainTextEdit(solutionbox);
  solution_->setObjectName(QStringLiteral("solution"));
  solution_->setReadOnly(true);
  solution_->setLineWrapMode(QPlainTextEdit::NoWrap);
  solution_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  solution_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* solution_layout = new QVBoxLayout(solutionbox);
  solution_layout->addWidget(solution_);
  solutionbox->setFixedHeight(127);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(answerbox);
  layout->addWidget(bar_);
  layout->addWidget(solutionbox);
}

}  // namespace quorvex
