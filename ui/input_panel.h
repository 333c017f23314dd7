#pragma once

#include <QGroupBox>

class QComboBox;
class QPushButton;

namespace quorvex {

// The group box `inputbox`: the input line `input` with its history and the button `insert`.
class InputPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit InputPanel(QWidget* parent);

  QComboBox* input() const { return input_; }
  QPushButton* insert() const { return insert_; }

  QString Text() const;
  void SetText(const QString& text);
  // Puts text first in the history unless the history already holds exactly that text.
  void RememberText(const QString& text);
  // Completion from the history while typing.
  void SetAutoComplete(bool on);

 private:
  QComboBox* input_;
  QPushButton* insert_;
};

}  // namespace quorvex
