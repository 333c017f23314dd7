#pragma once

#include <QDialog>

#include "app/calculator.h"
#include "app/seams.h"

class QLabel;
class QLineEdit;

namespace quorvex {

// The mask options dialog (TForm3): prefix, digit pattern and suffix with a live preview of a
// sample answer. OK writes bin/mask.ini; every close reloads the record and the boxes from it.
class MaskOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  MaskOptionsDialog(Calculator& calculator, Notifier& notifier, QWidget* parent = nullptr);

  // The value the preview formats: the main window passes ans just before showing the dialog.
  void setSample(long double sample);

  void setVisible(bool visible) override;
  void done(int result) override;

 Q_SIGNALS:
  // OK saved a new mask: the main window refreshes status panel 2.
  void applied();
  // bin/mask.ini could not be read back; the program must end.
  void reloadFailed();

 private:
  void okClick();
  void default2Click();
  void editChange();

  void showSettings(const MaskSettings& settings);
  MaskSettings editedSettings() const;

  Calculator& calculator_;
  Notifier& notifier_;
  long double sample_ = 0;
  QLineEdit* prefix_;
  QLineEdit* mask_;
  QLineEdit* suffix_;
  QLabel* preview_;
};

}  // namespace quorvex
