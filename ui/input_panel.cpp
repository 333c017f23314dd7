#include "ui/input_panel.h"

#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "ui/single_line.h"

namespace quorvex {

InputPanel::InputPanel(QWidget* parent) : QGroupBox(QStringLiteral("Input"), parent) {
  setObjectName(QStringLiteral("inputbox"));
  input_ = new QComboBox(this);
  input_->setObjectName(QStringLiteral("input"));
  input_->setEditable(true);
  // The history is filled by Insert alone, not by Enter in the box.
  input_->setInsertPolicy(QComboBox::NoInsert);
  input_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  input_->setToolTip(QStringLiteral("Type in a mathematical expression"));
  KeepSingleLine(input_);
  SetAutoComplete(false);

  insert_ = new QPushButton(QStringLiteral("Insert"), this);
  insert_->setObjectName(QStringLiteral("insert"));
  insert_->setToolTip(QStringLiteral("Insert a mathematical expression"));
  insert_->setEnabled(false);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(input_, 1);
  layout->addWidget(insert_);
}

QString InputPanel::Text() const { return input_->currentText(); }

void InputPanel::SetText(const QString& text) { input_->setEditText(text); }

void InputPanel::RememberText(const QString& text) {
  if (input_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) return;
  const QString typed = input_->currentText();
  input_->insertItem(0, text);
  input_->setCurrentIndex(-1);
  input_->setEditText(typed);
}

void InputPanel::SetAutoComplete(bool on) {
  if (!on) {
    input_->setCompleter(nullptr);
    return;
  }
  auto* completer = new QCompleter(input_->model(), input_);
  completer->setCompletionMode(QCompleter::InlineCompletion);
  completer->setCaseSensitivity(Qt::CaseSensitive);
  input_->setCompleter(completer);
}

}  // namespace quorvex
