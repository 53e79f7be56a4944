#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumor::quote {

// Quantities above this are refused; it keeps a line's total in 64 bits.
constexpr std::uint64_t kMaxQuantity = 1'000'000'000;

// Reads a positive whole number of pieces (digits only, blanks around them
// ignored); the error message otherwise.
std::optional<std::string> ReadQuantity(std::string_view text, std::uint64_t& quantity);

}  // namespace lumor::quote
