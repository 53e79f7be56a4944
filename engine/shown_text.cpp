#include "shown_text.h"

#include <cstdio>

namespace lumor {

std::size_t Utf8SequenceAt(std::string_view text, std::size_t pos, char32_t& codePoint) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  std::size_t length;
  char32_t value;
  char32_t minimum;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1Fu;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0Fu;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07u;
    minimum = 0x10000;
  } else {
    return 0;
  }
  if (text.size() - pos < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0u) != 0x80u) return 0;
    value = (value << 6) | (byte(i) & 0x3Fu);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  codePoint = value;
  return length;
}

bool IsValidUtf8(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    char32_t codePoint;
    const std::size_t length = Utf8SequenceAt(text, pos, codePoint);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

namespace {

// C1 controls can drive a terminal like C0 ones; the bidirectional and line
// separators would reorder or break what the user reads.
bool IsInvisibleControl(char32_t c) {
  return (c >= 0x80 && c <= 0x9F) || c == 0x200E || c == 0x200F || c == 0x2028 || c == 0x2029 ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

void AppendHex(std::string& out, const char* format, unsigned value) {
  char buffer[16];
  const int n = std::snprintf(buffer, sizeof buffer, format, value);
  out.append(buffer, static_cast<std::size_t>(n));
}

}  // namespace

std::string MessageText(std::string_view text, std::size_t maxBytes) {
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (pos >= maxBytes) {
      out += "...";
      break;
    }
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    char32_t codePoint;
    const std::size_t length = Utf8SequenceAt(text, pos, codePoint);
    if (length == 0) {
      AppendHex(out, "\\x%02X", c);
      ++pos;
      continue;
    }
    switch (codePoint) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        if (codePoint < 0x20 || codePoint == 0x7F) {
          AppendHex(out, "\\x%02X", c);
        } else if (IsInvisibleControl(codePoint)) {
          AppendHex(out, "\\u%04X", static_cast<unsigned>(codePoint));
        } else {
          out.append(text, pos, length);
        }
    }
    pos += length;
  }
  return out;
}

}  // namespace lumor
