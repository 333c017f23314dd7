#pragma once

class QWidget;

namespace quorvex {

// Gives each control of window that has no accessible name the text a sighted user reads for
// it: its caption, the label that names it, its hint, or the title of its group box. Windows
// call it once their controls are built; names set by hand are kept.
void NameControls(QWidget* window);

// Whether a screen reader meets widget as a control of its own (the focusable widgets and the
// buttons, without the parts of composite controls such as a combo box's edit line).
bool IsNamedControl(const QWidget* widget);

}  // namespace quorvex
