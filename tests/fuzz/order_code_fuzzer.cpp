// Any bytes as an order code: a rejection is safe to print, and an accepted
// code is exactly the start of the order line the engine builds from it.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine.h"
#include "order_code.h"
#include "shown_text.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

bool SameFields(const lumor::OrderCode& a, const lumor::OrderCode& b) {
  return a.text == b.text && a.pigtail == b.pigtail && a.duplex == b.duplex && a.fibre == b.fibre &&
         a.left == b.left && a.length == b.length && a.cable == b.cable && a.right == b.right;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  lumor::OrderCode code;
  if (const auto error = lumor::ReadOrderCode(text, code)) {
    Check(!error->message.empty() && lumor::IsValidUtf8(error->message));
    for (char c : error->message) Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    return 0;
  }
  static lumor::Engine engine = [] {
    lumor::Engine e;
    e.LoadDefaults();
    return e;
  }();
  lumor::SelectOrderCode(code, engine.SelectionState);
  engine.BuildOrderLine();
  const std::string line = engine.OrderLine;
  Check(line.starts_with(std::string(code.text) + "    "));

  lumor::OrderCode again;
  Check(!lumor::ReadOrderCode(std::string_view(line).substr(0, code.text.size()), again));
  Check(SameFields(code, again));
  return 0;
}
