#pragma once

#include <QDialog>

#include "app/calculator.h"
#include "app/seams.h"

class QPlainTextEdit;

namespace quorvex {

class VariableWizard;

// The variables dialog (TForm5): declarations and assignments side by side as plain text, one
// variable per line. OK validates the declarations and writes both files; every close reloads
// the store and the editors from them, discarding unsaved lines (the wizard's included).
class VariablesDialog : public QDialog {
  Q_OBJECT

 public:
  VariablesDialog(Calculator& calculator, Notifier& notifier, QWidget* parent = nullptr);

  VariableWizard* wizard() const { return wizard_; }

  void setVisible(bool visible) override;
  void done(int result) override;

 Q_SIGNALS:
  // bin/vard.ini or bin/vara.ini could not be read back; the program must end.
  void reloadFailed();

 private:
  void okClick();
  void createClick();
  void wizardCreate(const QString& declaration, const QString& assignment);

  void showStore(const VariableStore& store);
  VariableStore editedStore() const;

  Calculator& calculator_;
  Notifier& notifier_;
  QPlainTextEdit* list_;
  QPlainTextEdit* value_;
  VariableWizard* wizard_;
};

}  // namespace quorvex
