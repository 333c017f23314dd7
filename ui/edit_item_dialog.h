#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

namespace quorvex {

// TForm2: changes the text of the selected expression.
class EditItemDialog : public QDialog {
  Q_OBJECT

 public:
  explicit EditItemDialog(QWidget* parent);

  // Shows the dialog modally with text in the edit box; the new text when Replace was pressed.
  std::optional<QString> Edit(const QString& text);

 public Q_SLOTS:
  void editChange();
  void replaceClick();
  void cancelClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* edit_;
  QPushButton* replace_;
  QPushButton* cancel_;
};

}  // namespace quorvex
