#include "common/cp1252.h"

#include <cstdint>

namespace quorvex {
namespace {

// Code points of the bytes 0x80 to 0x9F. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control with the same number, so that every
// byte survives a round trip.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

// The Windows-1252 byte of a code point, or -1 when it has none.
int CodePointToByte(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<int>(code_point);
  }
  for (int k = 0; k < 32; ++k) {
    if (kHighControls[k] == code_point) return 0x80 + k;
  }
  return -1;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    int length = 0;
    char32_t code_point = 0;
    // Allowed range of the second byte, which rules out overlong forms, surrogates and
    // code points above U+10FFFF.
    unsigned char second_low = 0x80;
    unsigned char second_high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      code_point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      code_point = lead & 0x0F;
      if (lead == 0xE0) second_low = 0xA0;
      if (lead == 0xED) second_high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      code_point = lead & 0x07;
      if (lead == 0xF0) second_low = 0x90;
      if (lead == 0xF4) second_high = 0x8F;
    } else {
      out += '?';
      ++i;
      continue;
    }
    // A malformed sequence becomes one "?" and reading resumes at the offending byte.
    size_t k = 1;
    bool valid = true;
    for (; k < static_cast<size_t>(length); ++k) {
      if (i + k >= n) {
        valid = false;
        break;
      }
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      const unsigned char low = k == 1 ? second_low : 0x80;
      const unsigned char high = k == 1 ? second_high : 0xBF;
      if (next < low || next > high) {
        valid = false;
        break;
      }
      code_point = (code_point << 6) | (next & 0x3F);
    }
    i += k;
    if (!valid) {
      out += '?';
      continue;
    }
    const int byte = CodePointToByte(code_point);
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}

}  // namespace quorvex
