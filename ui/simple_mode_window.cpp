#include "ui/simple_mode_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "ui/accessible_names.h"
#include "ui/elided_label.h"
#include "ui/icons.h"
#include "ui/main_window.h"
#include "ui/single_line.h"

namespace quorvex {
namespace {

QToolButton* PictureButton(QWidget* parent, const char* name, const char* hint, const char* theme,
                           const char* picture) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(QString::fromLatin1(hint));
  button->setIcon(ThemeIcon(theme, picture));
  button->setIconSize(QSize(16, 16));
  button->setFixedSize(23, 22);
  button->setAutoRaise(true);
  return button;
}

}  // namespace

SimpleModeWindow::SimpleModeWindow(MainWindow& main)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      main_(main) {
  setObjectName(QStringLiteral("TForm15"));
  setWindowTitle(QStringLiteral("Quorvex [Simple]"));

  input_ = new QLineEdit(this);
  input_->setObjectName(QStringLiteral("input"));
  KeepSingleLine(input_);
  input_->setToolTip(QStringLiteral("Type in a mathematical expression"));
  input_->setFrame(false);
  input_->setFixedWidth(225);
  answer_ = new QLineEdit(this);
  answer_->setObjectName(QStringLiteral("answer"));
  answer_->setFrame(false);
  answer_->setReadOnly(true);
  answer_->setFocusPolicy(Qt::NoFocus);
  answer_->setFixedWidth(225);
  ShowFullTextOnHover(answer_);
  solve_ = PictureButton(this, "solve", "Solve selected mathematical expression",
                         "media-playback-start", "solve");
  solve_->setEnabled(false);
  standardmode_ = PictureButton(this, "standardmode", "Switch to standard mode", "view-fullscreen",
                                "standardmode");

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(input_, 0, 0);
  layout->addWidget(solve_, 0, 1);
  layout->addWidget(answer_, 1, 0);
  layout->addWidget(standardmode_, 1, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setMinimumSize(249, 43);

  connect(input_, &QLineEdit::textChanged, this, &SimpleModeWindow::inputChange);
  input_->installEventFilter(this);
  connect(solve_, &QToolButton::clicked, this, &SimpleModeWindow::solveClick);
  connect(standardmode_, &QToolButton::clicked, this, &SimpleModeWindow::standardmodeClick);
  NameControls(this);
}

void SimpleModeWindow::Enter(const QString& text) {
  input_->setText(text);
  inputChange();
  input_->setFocus();
}

void SimpleModeWindow::inputChange() { solve_->setEnabled(!input_->text().isEmpty()); }

void SimpleModeWindow::solveClick() { RunSimpleSolve(); }

void SimpleModeWindow::RunSimpleSolve() {
  main_.input()->setEditText(input_->text());
  main_.insertClick();
  main_.solveClick();
  answer_->setText(main_.answer()->text().section(QLatin1Char('\n'), 0, 0));
  answer_->setCursorPosition(0);
}

void SimpleModeWindow::standardmodeClick() { close(); }

void SimpleModeWindow::FormClose() {
  main_.show();
  main_.activateWindow();
}

void SimpleModeWindow::closeEvent(QCloseEvent* event) {
  FormClose();
  QWidget::closeEvent(event);
}

bool SimpleModeWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == input_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (!input_->text().isEmpty()) RunSimpleSolve();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace quorvex
