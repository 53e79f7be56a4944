#include "utf8.h"

#include <cstdint>
#include <cstring>

namespace lumor::quote {

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
    // Order codes are plain ASCII, so skip it eight bytes at a time.
    if (text.size() - pos >= 8) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + pos, sizeof word);
      if ((word & 0x8080808080808080u) == 0) {
        pos += 8;
        continue;
      }
    }
    char32_t codePoint;
    const std::size_t length = Utf8SequenceAt(text, pos, codePoint);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

}  // namespace lumor::quote
