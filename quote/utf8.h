#pragma once

#include <cstddef>
#include <string_view>

namespace lumor::quote {

// The length of the well-formed UTF-8 sequence at pos and its code point, or
// 0 for a byte that does not start one (overlong forms, surrogates and values
// above U+10FFFF are not well-formed).
std::size_t Utf8SequenceAt(std::string_view text, std::size_t pos, char32_t& codePoint);

bool IsValidUtf8(std::string_view text);

}  // namespace lumor::quote
