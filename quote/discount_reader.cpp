#include "discount_reader.h"

#include "message_text.h"
#include "number_text.h"

namespace lumor::quote {
namespace {

bool IsPlainDecimal(std::string_view text) {
  std::size_t pos = 0;
  const auto digits = [&] {
    const std::size_t start = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
    return pos > start;
  };
  if (!digits()) return false;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    if (!digits()) return false;
  }
  return pos == text.size();
}

}  // namespace

std::optional<std::string> ReadDiscount(std::string_view text, double& percent) {
  if (!IsPlainDecimal(text)) {
    return "discount '" + MessageText(text) +
           "' is not a plain decimal number of percent, such as 12 or 12.5";
  }
  // The same reading as the calculator's discount box.
  const double value = LeadingNumber(text);
  if (value > 100) return "discount '" + MessageText(text) + "' is above 100 percent";
  percent = value;
  return std::nullopt;
}

}  // namespace lumor::quote
