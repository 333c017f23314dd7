#pragma once

#include <QIcon>

namespace quorvex {

// The desktop theme's icon of that name when the theme has one, otherwise our picture
// :/pictures/<fallback>.svg.
QIcon ThemeIcon(const char* theme_name, const char* fallback);

// The program's own icon (the installed desktop icon, bundled as SVG).
QIcon AppIcon();

// Registers the bundled pictures; the library is static, so the linker would drop them.
void InitUiResources();

}  // namespace quorvex
