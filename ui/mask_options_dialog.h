#pragma once

#include "app/calculator.h"
#include "app/seams.h"
#include "ui/settings_dialog.h"

class QLabel;
class QLineEdit;

namespace quorvex {

// The mask options dialog (TForm3): prefix, digit pattern and suffix with a live preview of a
// sample answer. OK writes bin/mask.ini; every close reloads the record and the boxes from it.
class MaskOptionsDialog : public SettingsDialog {
  Q_OBJECT

 public:
  MaskOptionsDialog(Calculator& calculator, Notifier& notifier, QWidget* parent = nullptr);

  // The value the preview formats: the main window passes ans just before showing the dialog.
  void setSample(long double sample);

 private:
  void showRecord() override;
  bool saveEdited() override;
  bool reloadRecord() override;
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
