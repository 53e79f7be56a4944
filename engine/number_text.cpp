#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace lumor {
namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Cursor over the text that hides the skipped characters.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : m_text(text) { Skip(); }
  bool AtEnd() const { return m_pos >= m_text.size(); }
  char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }
  void Next() {
    ++m_pos;
    Skip();
  }

 private:
  void Skip() {
    while (m_pos < m_text.size() && IsSkipped(m_text[m_pos])) ++m_pos;
  }
  std::string_view m_text;
  std::size_t m_pos = 0;
};

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

double RadixInteger(Scanner& s, int radix) {
  double value = 0;
  for (;;) {
    const int digit = HexValue(s.Peek());
    if (digit < 0 || digit >= radix) break;
    value = value * radix + digit;  // saturates at infinity, never wraps
    s.Next();
  }
  return value;
}

// Exponents beyond this are out of any double's reach whatever the digits,
// and the cap keeps the accumulation from overflowing.
constexpr long long kExponentCap = 1'000'000'000'000'000;
// More significant digits than a double can ever need for correct rounding.
constexpr std::size_t kMaxDigits = 800;

}  // namespace

double LeadingNumber(std::string_view text) {
  Scanner s(text);
  if (s.Peek() == '&') {
    s.Next();
    const char kind = s.Peek();
    if (kind == 'H' || kind == 'h') {
      s.Next();
      return RadixInteger(s, 16);
    }
    if (kind == 'O' || kind == 'o') {
      s.Next();
      return RadixInteger(s, 8);
    }
    return 0;
  }

  bool negative = false;
  if (s.Peek() == '+' || s.Peek() == '-') {
    negative = s.Peek() == '-';
    s.Next();
  }

  // Significant digits without leading zeros, capped: past the cap only the
  // scale and whether anything non-zero was dropped still matter.
  std::string digits;
  long long scale = 0;  // value = digits * 10^scale
  bool sticky = false;
  bool anyDigit = false;
  auto take = [&](char c, bool fraction) {
    anyDigit = true;
    if (digits.empty() && c == '0') {
      if (fraction) --scale;
      return;
    }
    if (digits.size() < kMaxDigits) {
      digits.push_back(c);
      if (fraction) --scale;
    } else {
      if (!fraction) ++scale;
      sticky = sticky || c != '0';
    }
  };
  while (IsDigit(s.Peek())) {
    take(s.Peek(), false);
    s.Next();
  }
  if (s.Peek() == '.') {
    s.Next();
    while (IsDigit(s.Peek())) {
      take(s.Peek(), true);
      s.Next();
    }
  }
  if (!anyDigit) return 0;

  long long exponent = 0;
  if (s.Peek() == 'E' || s.Peek() == 'e') {
    s.Next();
    bool expNegative = false;
    if (s.Peek() == '+' || s.Peek() == '-') {
      expNegative = s.Peek() == '-';
      s.Next();
    }
    while (IsDigit(s.Peek())) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (s.Peek() - '0');
      s.Next();
    }
    if (expNegative) exponent = -exponent;
  }
  if (digits.empty()) return 0;
  if (sticky) {
    digits.push_back('1');
    --scale;
  }
  scale += exponent;

  // 10^(magnitude-1) <= value < 10^magnitude
  const long long magnitude = static_cast<long long>(digits.size()) + scale;
  double value;
  if (magnitude > 400) {
    value = std::numeric_limits<double>::infinity();
  } else if (magnitude < -400) {
    value = 0;
  } else {
    std::string normal = digits;
    normal.push_back('e');
    normal += std::to_string(scale);
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
      value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
  }
  if (value == 0) return 0;
  return negative ? -value : value;
}

namespace {

// The value rounded to 15 significant digits: digit characters without
// trailing zeros and the power of ten of the first one.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

Decimal ToDecimal(double magnitude) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e = text.find('e');
  Decimal d;
  for (char c : text.substr(0, e)) {
    if (IsDigit(c)) d.digits.push_back(c);
  }
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                  d.exponent);
  return d;
}

// Fixed notation covers every price and diameter; beyond it the exponent
// form keeps the text short.
constexpr int kFixedMinExponent = -5;
constexpr int kFixedMaxExponent = 14;

}  // namespace

std::string NumberText(double value) {
  if (std::isnan(value)) return "NaN";
  std::string out(1, std::signbit(value) && value != 0 ? '-' : ' ');
  if (std::isinf(value)) return out + "Inf";
  if (value == 0) return out + "0";

  const Decimal d = ToDecimal(std::fabs(value));
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent < kFixedMinExponent || d.exponent > kFixedMaxExponent) {
    out += d.digits[0];
    if (n > 1) {
      out += '.';
      out.append(d.digits, 1);
    }
    out += d.exponent < 0 ? "E-" : "E+";
    const int e = std::abs(d.exponent);
    if (e < 10) out += '0';
    out += std::to_string(e);
  } else if (d.exponent < 0) {
    out += '.';
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    out += d.digits;
  } else if (n <= d.exponent + 1) {
    out += d.digits;
    out.append(static_cast<std::size_t>(d.exponent + 1 - n), '0');
  } else {
    out.append(d.digits, 0, static_cast<std::size_t>(d.exponent) + 1);
    out += '.';
    out.append(d.digits, static_cast<std::size_t>(d.exponent) + 1);
  }
  return out;
}

namespace {

// Whole cents as decimal digits, most significant first: the number text's
// decimal digits rounded half away from zero.
std::string CentsDigits(double value) {
  std::string cents = "0";
  if (value != 0) {
    const Decimal d = ToDecimal(std::fabs(value));
    const int n = static_cast<int>(d.digits.size());
    // Digit i stands for 10^(exponent - i); cents keep the digits down to 10^-2.
    const int kept = d.exponent + 3;
    if (kept > 0) {
      cents.assign(d.digits, 0, static_cast<std::size_t>(std::min(kept, n)));
      if (kept > n) cents.append(static_cast<std::size_t>(kept - n), '0');
    }
    const bool roundUp = kept >= 0 && kept < n && d.digits[static_cast<std::size_t>(kept)] >= '5';
    if (roundUp) {
      int i = static_cast<int>(cents.size()) - 1;
      if (kept == 0) {
        cents = "1";
      } else {
        while (i >= 0 && cents[static_cast<std::size_t>(i)] == '9') {
          cents[static_cast<std::size_t>(i)] = '0';
          --i;
        }
        if (i < 0) {
          cents.insert(cents.begin(), '1');
        } else {
          ++cents[static_cast<std::size_t>(i)];
        }
      }
    }
  }
  return cents;
}

}  // namespace

std::string PriceText(double value, const PriceSeparators& separators) {
  if (!std::isfinite(value)) return NumberText(value).substr(value < 0 ? 0 : 1);

  std::string cents = CentsDigits(value);
  if (cents.size() < 3) cents.insert(0, 3 - cents.size(), '0');

  const bool zero = cents.find_first_not_of('0') == std::string::npos;
  const std::size_t intLen = cents.size() - 2;
  std::string out;
  out.reserve(cents.size() + intLen / 3 * separators.grouping.size() + 4);
  // A price that rounds to nothing shows no sign.
  if (value < 0 && !zero) out += '-';
  for (std::size_t i = 0; i < intLen; ++i) {
    if (i > 0 && (intLen - i) % 3 == 0) out += separators.grouping;
    out += cents[i];
  }
  out += separators.decimal;
  out.append(cents, intLen, 2);
  return out;
}

std::optional<std::uint64_t> PriceCents(double value) {
  if (!std::isfinite(value) || value < 0) return std::nullopt;
  const std::string digits = CentsDigits(value);
  constexpr std::size_t kMaxDigits = 18;  // below 2^63
  if (digits.size() > kMaxDigits) return std::nullopt;
  std::uint64_t cents = 0;
  for (char c : digits) cents = cents * 10 + static_cast<std::uint64_t>(c - '0');
  return cents;
}

}  // namespace lumor
