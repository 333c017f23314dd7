#pragma once

#include <QDialog>

#include "app/calculator.h"
#include "app/seams.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace quorvex {

// The general options dialog (TForm10): the log viewer, the number system and the other
// preferences. It edits a copy of the calculator's GeneralSettings; OK writes bin/general.ini,
// and every close reloads the record and the controls from that file.
class GeneralOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  GeneralOptionsDialog(Calculator& calculator, Notifier& notifier, QWidget* parent = nullptr);

  // Reads bin/log.ini into the viewer; false (after its two messages and reloadFailed) when the
  // log cannot be read. The main window calls it before showing the dialog.
  bool loadLogViewer();

  void setVisible(bool visible) override;
  void done(int result) override;

 Q_SIGNALS:
  // OK saved new options: the main window refreshes panel 1, auto-completion and copysolmenu.
  void applied();
  // A data file could not be read back; the program must end.
  void reloadFailed();

 private:
  void okClick();
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
