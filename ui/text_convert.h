#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quorvex {

// The core speaks Windows-1252; the widgets speak Unicode. These are the only crossings.
QString ToQString(std::string_view cp1252);
std::string ToCp1252(const QString& text);

}  // namespace quorvex
