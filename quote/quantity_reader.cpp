#include "quantity_reader.h"

#include "message_text.h"

namespace lumor::quote {

std::optional<std::string> ReadQuantity(std::string_view text, std::uint64_t& quantity) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.empty()) return "the quantity is empty";
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') {
      return "quantity '" + MessageText(text) + "' is not a positive whole number";
    }
    // Saturating keeps a long run of digits from wrapping around.
    if (value <= kMaxQuantity) value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (value == 0) return "quantity '" + MessageText(text) + "' is not a positive whole number";
  if (value > kMaxQuantity) {
    return "quantity '" + MessageText(text) + "' is above " + std::to_string(kMaxQuantity);
  }
  quantity = value;
  return std::nullopt;
}

}  // namespace lumor::quote
