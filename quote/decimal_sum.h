#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace lumor::quote {

// An exact sum of whole numbers that no input can overflow: two limbs in
// base 10^18, so a total never goes through a binary double.
class DecimalSum {
 public:
  void Add(std::uint64_t value);
  // The sum in decimal, with a "." before the last `decimals` digits.
  std::string Text(int decimals = 0) const;
  void AppendTo(std::string& out, int decimals = 0) const;
  // One value written the same way.
  static void Append(std::string& out, std::uint64_t value, int decimals = 0);

 private:
  static constexpr std::uint64_t kBase = 1'000'000'000'000'000'000u;
  std::uint64_t m_low = 0;  // below kBase
  std::uint64_t m_high = 0;
};

}  // namespace lumor::quote
