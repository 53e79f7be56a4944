#include "message_text.h"

#include <cstdio>

#include "utf8.h"

namespace lumor::quote {
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

}  // namespace lumor::quote
