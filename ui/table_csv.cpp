#include "ui/table_csv.h"

#include <string_view>

#include "common/cp1252.h"

namespace quorvex {
namespace {

constexpr std::string_view kXLead = "x: ";
constexpr std::string_view kValueLead = " <=> f(x): ";

void AppendField(std::string& out, std::string_view cp1252) {
  const std::string text = Cp1252ToUtf8(cp1252);
  if (text.find_first_of(";\"\r\n") == std::string::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

// The value without the mask's prefix and suffix, when it carries both.
std::string_view Unmasked(std::string_view value, const MaskSettings& mask) {
  if (value.size() < mask.prefix.size() + mask.suffix.size()) return value;
  if (!value.starts_with(mask.prefix) || !value.ends_with(mask.suffix)) return value;
  value.remove_prefix(mask.prefix.size());
  value.remove_suffix(mask.suffix.size());
  return value;
}

}  // namespace

void AppendTableCsvLine(std::string_view text, const MaskSettings& mask, std::string& out) {
  const size_t value_at = text.find(kValueLead);
  if (!text.starts_with(kXLead) || value_at == std::string_view::npos) {
    AppendField(out, text);
  } else {
    AppendField(out, text.substr(kXLead.size(), value_at - kXLead.size()));
    out += ';';
    AppendField(out, Unmasked(text.substr(value_at + kValueLead.size()), mask));
  }
  out += "\r\n";
}

std::string TableCsv(const std::vector<std::string>& rows, const MaskSettings& mask) {
  std::string out(kTableCsvHeader);
  for (const std::string& row : rows) AppendTableCsvLine(row, mask, out);
  return out;
}

}  // namespace quorvex
