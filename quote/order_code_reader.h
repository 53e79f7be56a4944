#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "order_code.h"

namespace lumor::quote {

enum class CodeField {
  kCode,
  kType,
  kStructure,
  kFibre,
  kLeftConnector,
  kLength,
  kCable,
  kRightConnector
};

struct CodeError {
  CodeField field;
  std::string message;
};

// Reads TYPE-STRUCTURE-FIBRE-LEFT-LENGTH-SLCABLE-RIGHT and accepts exactly
// the codes the calculator can produce. Blanks and tabs around the code are
// ignored, since no such code begins or ends with one. On an error the code
// is left open and the first field at fault, left to right, is named.
std::optional<CodeError> ReadOrderCode(std::string_view text, OrderCode& code);

}  // namespace lumor::quote
