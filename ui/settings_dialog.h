#pragma once

#include <QDialog>

namespace quorvex {

// What the options dialogs share. Each edits one settings record of the Calculator, which
// outside the dialog equals its file: opening shows the record; OK saves the edited controls to
// the file and makes them the record; every close reads the record back from the file and
// shows it, so edits that were not saved go.
class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  void setVisible(bool visible) override;
  void done(int result) override;

 Q_SIGNALS:
  // OK saved new settings: the main window refreshes what shows them.
  void applied();
  // A data file could not be read back; the program must end.
  void reloadFailed();

 protected:
  explicit SettingsDialog(QWidget* parent) : QDialog(parent) {}

  // The OK button: a failed write has been reported and keeps the dialog open.
  void okClick();

 private:
  // The record into the controls.
  virtual void showRecord() = 0;
  // The edited controls into the file, then into the record; false after a reported failure.
  virtual bool saveEdited() = 0;
  // The record from its file; false after the unreadable-file report.
  virtual bool reloadRecord() = 0;
};

}  // namespace quorvex
