#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumor::quote {

// Input text as it may appear in a message on a terminal: at most about
// maxBytes of it, cut on a character boundary and marked with "...", with
// control characters, invalid bytes and the backslash escaped.
std::string MessageText(std::string_view text, std::size_t maxBytes = 40);

}  // namespace lumor::quote
