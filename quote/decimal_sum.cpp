#include "decimal_sum.h"

#include <charconv>
#include <cstring>

namespace lumor::quote {

void DecimalSum::Add(std::uint64_t value) {
  m_high += value / kBase;
  m_low += value % kBase;
  if (m_low >= kBase) {
    m_low -= kBase;
    ++m_high;
  }
}

std::string DecimalSum::Text(int decimals) const {
  std::string text;
  AppendTo(text, decimals);
  return text;
}

namespace {

void AppendDigits(std::string& out, const char* digits, std::size_t n, int decimals) {
  const auto places = static_cast<std::size_t>(decimals);
  if (places == 0) {
    out.append(digits, n);
    return;
  }
  // Composed here and appended at once: this runs for every CSV row.
  char text[64];
  if (n + places + 2 > sizeof text) {
    if (n <= places) {
      out += "0.";
      out.append(places - n, '0');
      out.append(digits, n);
    } else {
      out.append(digits, n - places);
      out += '.';
      out.append(digits + n - places, places);
    }
    return;
  }
  std::size_t length = 0;
  if (n <= places) {
    text[length++] = '0';
    text[length++] = '.';
    std::memset(text + length, '0', places - n);
    length += places - n;
    std::memcpy(text + length, digits, n);
    length += n;
  } else {
    std::memcpy(text, digits, n - places);
    length = n - places;
    text[length++] = '.';
    std::memcpy(text + length, digits + n - places, places);
    length += places;
  }
  out.append(text, length);
}

}  // namespace

void DecimalSum::Append(std::string& out, std::uint64_t value, int decimals) {
  char digits[20];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  AppendDigits(out, digits, static_cast<std::size_t>(end - digits), decimals);
}

void DecimalSum::AppendTo(std::string& out, int decimals) const {
  if (m_high == 0) {
    Append(out, m_low, decimals);
    return;
  }
  constexpr std::size_t kLowDigits = 18;
  char digits[40];
  char* end = std::to_chars(digits, digits + 20, m_high).ptr;
  char low[20];
  const auto n = static_cast<std::size_t>(std::to_chars(low, low + sizeof low, m_low).ptr - low);
  std::memset(end, '0', kLowDigits - n);
  end += kLowDigits - n;
  std::memcpy(end, low, n);
  end += n;
  AppendDigits(out, digits, static_cast<std::size_t>(end - digits), decimals);
}

}  // namespace lumor::quote
