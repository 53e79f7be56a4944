#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "selection_state.h"

namespace lumor {

enum class Fibre { kSingleMode, kMultiMode62, kMultiMode50 };

// One jumper as its order code names it: the inverse of BuildOrderLine's
// code. The texts point into the code that was read, so they live only as
// long as it does.
struct OrderCode {
  std::string_view text;  // the whole code
  bool pigtail = false;
  bool duplex = false;
  Fibre fibre = Fibre::kSingleMode;
  std::string_view left;
  std::string_view length;  // verbatim, as the calculator's length box held it
  std::string_view cable;
  std::string_view right;  // kNoConnector for a pigtail
};

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
  std::string message;  // safe to show on a terminal
};

// Reads TYPE-STRUCTURE-FIBRE-LEFT-LENGTH-SLCABLE-RIGHT and accepts exactly
// the codes the calculator can produce from a length it accepts. Blanks and
// tabs around the code are ignored, since no such code begins or ends with
// one. On an error the code is left open and the first field at fault, left
// to right, is named.
std::optional<CodeError> ReadOrderCode(std::string_view text, OrderCode& code);

// The selection the window's handlers leave for that code.
void SelectOrderCode(const OrderCode& code, SelectionState& selection);

// The calculator's length box: 1 <= metres < 1001.
inline constexpr double kMinLength = 1;
inline constexpr double kLengthLimit = 1001;

}  // namespace lumor
