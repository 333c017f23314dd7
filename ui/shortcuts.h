#pragma once

#include <QKeySequence>
#include <span>

namespace quorvex {

// Every command of the main window's menus: its caption with the mnemonic (the letter after
// '&', unique within its menu) and its shortcut. The function keys, Ctrl+E, Ctrl+Up/Down and
// Del are the fixed ones; the others avoid the keys that the input line uses for editing.
struct CommandKeys {
  const char* name;     // objectName of the action or menu
  const char* caption;  // with '&' before the mnemonic
  QKeyCombination key;  // Qt::Key_unknown: none
};

std::span<const CommandKeys> MainCommandKeys();

// The row for name; throws std::out_of_range for a name not in the table.
const CommandKeys& CommandKeysFor(const char* name);

}  // namespace quorvex
