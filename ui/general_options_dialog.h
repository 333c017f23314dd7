#pragma once

#include "app/calculator.h"
#include "app/seams.h"
#include "ui/settings_dialog.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace quorvex {

// The general options dialog (TForm10): the log viewer, the number system and the other
// preferences. It edits a copy of the calculator's GeneralSettings; OK writes bin/general.ini,
// and every close reloads the record and the controls from that file.
class GeneralOptionsDialog : public SettingsDialog {
  Q_OBJECT

 public:
  GeneralOptionsDialog(Calculator& calculator, Notifier& notifier, QWidget* parent = nullptr);

  // Reads bin/log.ini into the viewer; false (after its two messages and reloadFailed) when the
  // log cannot be read. The main window calls it before showing the dialog.
  bool loadLogViewer();

 private:
  void showRecord() override;
  bool saveEdited() override;
  bool reloadRecord() override;
  void default2Click();
  void clearClick();
  void numbersysChange();

  void showSettings(const GeneralSettings& settings);
  GeneralSettings editedSettings() const;
  void showLog(const std::vector<std::string>& lines);

  Calculator& calculator_;
  Notifier& notifier_;
  QPlainTextEdit* log_;
  QPushButton* clear_;
  QCheckBox* logcheck_;
  QComboBox* numbersys_;
  QCheckBox* scicheck_;
  QCheckBox* autocomplete_;
  QCheckBox* storeinput_;
  QCheckBox* solcheck_;
  QCheckBox* tscheck_;
};

}  // namespace quorvex
