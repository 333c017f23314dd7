#include "ui/single_line.h"

#include <QComboBox>
#include <QLineEdit>

namespace quorvex {
namespace {

bool IsLineBreak(QChar c) {
  return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
         c == QChar::ParagraphSeparator;
}

qsizetype FirstLineBreak(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (IsLineBreak(text.at(i))) return i;
  }
  return -1;
}

}  // namespace

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const {
  const qsizetype cut = FirstLineBreak(input);
  if (cut < 0) return Acceptable;
  // The text before the change held no break, so the break came with the text just inserted,
  // which ends at the cursor: drop that text's rest from the break on and keep what follows.
  if (pos > cut) {
    input.remove(cut, pos - cut);
  } else {
    input.truncate(cut);
  }
  pos = static_cast<int>(cut);
  // A break after the cursor (an input method's text with the cursor inside it) ends the line.
  const qsizetype left = FirstLineBreak(input);
  if (left >= 0) input.truncate(left);
  return Acceptable;
}

void KeepSingleLine(QLineEdit* edit) { edit->setValidator(new SingleLineValidator(edit)); }

void KeepSingleLine(QComboBox* combo) { combo->setValidator(new SingleLineValidator(combo)); }

}  // namespace quorvex
