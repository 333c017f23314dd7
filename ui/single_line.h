#pragma once

#include <QValidator>

class QComboBox;
class QLineEdit;

namespace quorvex {

// Keeps a single-line box to one line: a paste, drop or set text that holds a line break is cut
// at its first break, as single-line editors usually do. Such a box's text becomes one line of
// a data file or one list item, where a break would shift every later line.
class SingleLineValidator : public QValidator {
  Q_OBJECT

 public:
  explicit SingleLineValidator(QObject* parent) : QValidator(parent) {}

  State validate(QString& input, int& pos) const override;
};

void KeepSingleLine(QLineEdit* edit);
// An editable combo box: its edit line.
void KeepSingleLine(QComboBox* combo);

}  // namespace quorvex
