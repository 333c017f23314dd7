#include "ui/settings_dialog.h"

namespace quorvex {

void SettingsDialog::setVisible(bool visible) {
  // Outside the dialog the record equals its file, so opening starts from the record.
  if (visible && !isVisible()) showRecord();
  QDialog::setVisible(visible);
}

void SettingsDialog::done(int result) {
  QDialog::done(result);
  if (!reloadRecord()) Q_EMIT reloadFailed();
  showRecord();
}

void SettingsDialog::okClick() {
  if (!saveEdited()) return;
  Q_EMIT applied();
  accept();
}

}  // namespace quorvex
