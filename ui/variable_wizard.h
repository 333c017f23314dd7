#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace quorvex {

// The variable creation wizard (TForm16): one name and one expression, handed to the variables
// dialog by variableCreated. It validates nothing; the variables dialog's OK does.
class VariableWizard : public QDialog {
  Q_OBJECT

 public:
  explicit VariableWizard(QWidget* parent = nullptr);

  // Disables Create, as the variables dialog does before every showing.
  void disableCreate();

  void done(int result) override;

 Q_SIGNALS:
  void variableCreated(const QString& declaration, const QString& assignment);

 private:
  void createClick();
  void editChange();

  QLineEdit* declaration_;
  QLineEdit* assignment_;
  QPushButton* create_;
};

}  // namespace quorvex
