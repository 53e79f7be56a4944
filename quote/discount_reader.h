#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumor::quote {

// Reads a discount given on the command line: stricter than the calculator's
// box, which takes any text, it must be a plain decimal number (digits and
// an optional "." fraction) from 0 to 100. The error message otherwise.
std::optional<std::string> ReadDiscount(std::string_view text, double& percent);

}  // namespace lumor::quote
