#include "ui/dark_palette.h"

namespace quorvex {

QPalette DarkPalette() {
  const QColor window(0x2b, 0x2b, 0x2b);
  const QColor text(0xee, 0xee, 0xee);
  QPalette dark(text, window);
  dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
  dark.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x33));
  dark.setColor(QPalette::Text, text);
  dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
  dark.setColor(QPalette::ButtonText, text);
  dark.setColor(QPalette::ToolTipBase, QColor(0x40, 0x40, 0x40));
  dark.setColor(QPalette::ToolTipText, text);
  dark.setColor(QPalette::PlaceholderText, QColor(0x99, 0x99, 0x99));
  dark.setColor(QPalette::Highlight, QColor(0x1d, 0x3d, 0x6e));
  dark.setColor(QPalette::HighlightedText, text);
  dark.setColor(QPalette::Link, QColor(0x6a, 0xb0, 0xff));
  dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
  dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
  dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
  return dark;
}

}  // namespace quorvex
