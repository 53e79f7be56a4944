#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumor {

// The length of the well-formed UTF-8 sequence at pos and its code point, or
// 0 for a byte that does not start one (overlong forms, surrogates and values
// above U+10FFFF are not well-formed).
std::size_t Utf8SequenceAt(std::string_view text, std::size_t pos, char32_t& codePoint);

bool IsValidUtf8(std::string_view text);

// Input text as it may appear in a message on a terminal: at most about
// maxBytes of it, cut on a character boundary and marked with "...", with
// control characters, invalid bytes and the backslash escaped.
std::string MessageText(std::string_view text, std::size_t maxBytes = 40);

}  // namespace lumor
