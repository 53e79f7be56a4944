#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumor {

// The numeric value of the number a text begins with. Blanks, tabs and line
// feeds are skipped wherever they stand; "." is the only decimal point; "&H"
// and "&O" introduce hexadecimal and octal integers. No leading number gives
// 0, a value beyond the range of a double gives plus or minus infinity and an
// underflow gives 0. Linear in the text's length and independent of the C
// library's locale.
double LeadingNumber(std::string_view text);

// A double as a short decimal text: a leading "-" or blank, at most 15
// significant digits, no "0" before the point of a fraction, no trailing
// zeros, and exponent form only for very large or very small magnitudes.
std::string NumberText(double value);

struct PriceSeparators {
  std::string decimal = ".";
  std::string grouping = ",";
};

// The price as "#,##0.00": the number text's decimal digits rounded half away
// from zero to cents, then grouped by three.
std::string PriceText(double value, const PriceSeparators& separators = {});

// The price in whole cents, rounded as PriceText rounds it; nullopt for a
// negative, infinite or unrepresentably large value.
std::optional<std::uint64_t> PriceCents(double value);

}  // namespace lumor
