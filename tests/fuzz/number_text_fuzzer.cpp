#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "number_text.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

void Texts(double value) {
  const std::string number = lumor::NumberText(value);
  const std::string price = lumor::PriceText(value);
  Check(!number.empty() && !price.empty());
  if (std::isfinite(value)) {
    // The number text reads back to the value it was made from, to 15 digits.
    // Next to the largest double, rounding to 15 digits may step past it.
    const double back = lumor::LeadingNumber(number);
    if (std::isinf(back)) {
      Check(std::fabs(value) > 1.7976931348623e308);
      return;
    }
    Check(back == 0 ? value == 0 || std::fabs(value) < 1e-300
                    : std::fabs(back - value) <= std::fabs(value) * 1e-14);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Texts(lumor::LeadingNumber(text));
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    if (!std::isnan(raw)) Texts(raw);
  }
  return 0;
}
