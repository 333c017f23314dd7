#include "common/format_pattern.h"

#include <cmath>
#include <string>

#include "common/decimal_round.h"
#include "common/number_text.h"

namespace quorvex {
namespace {

constexpr int kPatternDigits = 18;
constexpr int kMaxExponentDigits = 4;
constexpr char kDecimalComma = ',';

bool IsQuote(char c) { return c == '\'' || c == '"'; }

bool IsExponentAt(std::string_view s, size_t i) {
  return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

// Index just past a quoted text that opens at `i` (an unclosed quote runs to the end).
size_t SkipQuoted(std::string_view s, size_t i) {
  const size_t close = s.find(s[i], i + 1);
  return close == std::string_view::npos ? s.size() : close + 1;
}

// What a section asks for, gathered before anything is written.
struct Layout {
  int integer_placeholders = 0;
  int fraction_placeholders = 0;
  int min_integer_digits = 0;   // placeholders from the first "0" to the decimal position
  int min_fraction_digits = 0;  // placeholders from the decimal position to the last "0"
  bool grouping = false;
  bool scientific = false;
  size_t exponent_at = std::string_view::npos;  // index of the "E" of the exponent
  int exponent_digits = 0;
  size_t exponent_end = 0;  // index past the exponent's "0"s
};

Layout Analyze(std::string_view s) {
  Layout layout;
  bool decimal_seen = false;
  int first_integer_zero = -1;
  for (size_t i = 0; i < s.size();) {
    const char c = s[i];
    if (IsQuote(c)) {
      i = SkipQuoted(s, i);
      continue;
    }
    if (c == '0' || c == '#') {
      if (!decimal_seen) {
        if (c == '0' && first_integer_zero < 0) first_integer_zero = layout.integer_placeholders;
        ++layout.integer_placeholders;
      } else {
        ++layout.fraction_placeholders;
        if (c == '0') layout.min_fraction_digits = layout.fraction_placeholders;
      }
    } else if (c == '.') {
      decimal_seen = true;
    } else if (c == ',') {
      layout.grouping = true;
    } else if (!layout.scientific && IsExponentAt(s, i)) {
      layout.scientific = true;
      layout.exponent_at = i;
      size_t k = i + 2;
      int zeros = 0;
      while (k < s.size() && s[k] == '0') {
        ++zeros;
        ++k;
      }
      layout.exponent_digits = zeros < kMaxExponentDigits ? zeros : kMaxExponentDigits;
      layout.exponent_end = k;
      i = k;
      continue;
    }
    ++i;
  }
  if (first_integer_zero >= 0) {
    layout.min_integer_digits = layout.integer_placeholders - first_integer_zero;
  }
  return layout;
}

// Decimal digits of a magnitude: value = 0.digits × 10^exponent; empty digits mean zero.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

// The magnitude on 18 significant digits, the basis of every further rounding.
Decimal ToDecimal(long double magnitude) {
  Decimal d;
  if (magnitude == 0) return d;
  const RoundedDecimal r = RoundSignificant(magnitude, kPatternDigits);
  d.digits = std::to_string(r.digits);
  d.exponent = r.exponent;
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// Keeps the first `keep` digits, rounding half away from zero on the digit after them.
void RoundDigits(Decimal& d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
  d.digits.resize(static_cast<size_t>(keep));
  if (up) {
    int k = keep - 1;
    while (k >= 0 && d.digits[static_cast<size_t>(k)] == '9') {
      d.digits[static_cast<size_t>(k)] = '0';
      --k;
    }
    if (k >= 0) {
      ++d.digits[static_cast<size_t>(k)];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

// The digits to write: integer part, fraction part and, with scientific notation, exponent.
struct Parts {
  std::string integer;
  std::string fraction;
  int exponent = 0;
  bool zero = true;
};

Parts Round(const Layout& layout, long double magnitude) {
  Decimal d = ToDecimal(magnitude);
  Parts parts;
  if (layout.scientific) {
    int significant = layout.integer_placeholders + layout.fraction_placeholders;
    if (significant < 1) significant = 1;
    if (significant > kPatternDigits) significant = kPatternDigits;
    RoundDigits(d, significant);
    if (!d.digits.empty()) {
      parts.zero = false;
      const size_t split = static_cast<size_t>(layout.integer_placeholders);
      parts.integer = d.digits.substr(0, split);
      if (parts.integer.size() < split) parts.integer.append(split - parts.integer.size(), '0');
      if (d.digits.size() > split) parts.fraction = d.digits.substr(split);
      parts.exponent = d.exponent - layout.integer_placeholders;
    }
  } else {
    RoundDigits(d, d.exponent + layout.fraction_placeholders);
    if (!d.digits.empty()) {
      parts.zero = false;
      if (d.exponent > 0) {
        const size_t split = static_cast<size_t>(d.exponent);
        parts.integer = d.digits.substr(0, split);
        if (parts.integer.size() < split) parts.integer.append(split - parts.integer.size(), '0');
        if (d.digits.size() > split) parts.fraction = d.digits.substr(split);
      } else {
        parts.fraction = std::string(static_cast<size_t>(-d.exponent), '0') + d.digits;
      }
    }
  }
  while (parts.fraction.size() < static_cast<size_t>(layout.min_fraction_digits)) {
    parts.fraction += '0';
  }
  return parts;
}

void AppendExponent(std::string& out, const Layout& layout, char letter, char sign_mode,
                    int exponent) {
  out += letter;
  if (exponent < 0) {
    out += '-';
  } else if (sign_mode == '+') {
    out += '+';
  }
  std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
  const size_t width = static_cast<size_t>(layout.exponent_digits);
  if (digits.size() < width) out.append(width - digits.size(), '0');
  out += digits;
}

std::string Write(std::string_view s, const Layout& layout, const Parts& parts, bool minus) {
  std::string out;
  if (minus) out += '-';
  const int integer_digits = static_cast<int>(parts.integer.size());
  // Writes the integer digit of column `column` (0 = units), if that column shows.
  auto integer_column = [&](int column) {
    char digit;
    if (column < integer_digits) {
      digit = parts.integer[static_cast<size_t>(integer_digits - 1 - column)];
    } else if (column < layout.min_integer_digits) {
      digit = '0';
    } else {
      return;
    }
    out += digit;
    if (layout.grouping && column > 0 && column % 3 == 0) out += kThousandsSeparator;
  };

  bool decimal_seen = false;
  bool separator_written = false;
  bool first_placeholder = true;
  int integer_index = 0;
  int fraction_index = 0;
  for (size_t i = 0; i < s.size();) {
    const char c = s[i];
    if (IsQuote(c)) {
      const size_t close = s.find(c, i + 1);
      const size_t text_end = close == std::string_view::npos ? s.size() : close;
      out.append(s.substr(i + 1, text_end - (i + 1)));
      i = close == std::string_view::npos ? s.size() : close + 1;
      continue;
    }
    if (i == layout.exponent_at) {
      AppendExponent(out, layout, c, s[i + 1], parts.exponent);
      i = layout.exponent_end;
      continue;
    }
    if (c == '0' || c == '#') {
      if (first_placeholder) {
        first_placeholder = false;
        for (int column = integer_digits - 1; column >= layout.integer_placeholders; --column) {
          integer_column(column);
        }
      }
      if (!decimal_seen) {
        integer_column(layout.integer_placeholders - 1 - integer_index);
        ++integer_index;
      } else {
        if (fraction_index < static_cast<int>(parts.fraction.size())) {
          if (!separator_written) {
            out += kDecimalComma;
            separator_written = true;
          }
          out += parts.fraction[static_cast<size_t>(fraction_index)];
        }
        ++fraction_index;
      }
    } else if (c == '.') {
      decimal_seen = true;
    } else if (c != ',') {
      out += c;
    }
    ++i;
  }
  return out;
}

}  // namespace

std::string FormatPattern(std::string_view pattern, long double value) {
  if (std::isnan(value) || std::isinf(value)) return FormatGeneral(value);

  std::string_view sections[3];
  int section_count = 0;
  size_t start = 0;
  for (size_t i = 0; section_count < 3;) {
    if (i >= pattern.size() || pattern[i] == ';') {
      sections[section_count++] = pattern.substr(start, i - start);
      if (i >= pattern.size()) break;
      start = ++i;
      continue;
    }
    i = IsQuote(pattern[i]) ? SkipQuoted(pattern, i) : i + 1;
  }
  if (sections[0].empty()) return FormatGeneral(value);

  auto available = [&](int k) { return k < section_count && !sections[k].empty(); };
  int chosen = 0;
  if (value < 0 && available(1)) chosen = 1;
  if (value == 0 && available(2)) chosen = 2;

  Layout layout = Analyze(sections[chosen]);
  const long double magnitude = std::fabs(value);
  if (!layout.scientific && magnitude >= 1e18L) return FormatGeneral(value);

  Parts parts = Round(layout, magnitude);
  if (parts.zero && chosen != 2 && available(2)) {
    chosen = 2;
    layout = Analyze(sections[chosen]);
    parts = Round(layout, 0);
  }
  const bool minus = chosen == 0 && value < 0 && !parts.zero;
  return Write(sections[chosen], layout, parts, minus);
}

}  // namespace quorvex
