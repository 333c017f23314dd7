#include "ui/text_convert.h"

#include "common/cp1252.h"

namespace quorvex {

QString ToQString(std::string_view cp1252) {
  const std::string utf8 = Cp1252ToUtf8(cp1252);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToCp1252(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

}  // namespace quorvex
