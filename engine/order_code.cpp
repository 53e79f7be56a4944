#include "order_code.h"

#include <array>

#include "catalogue.h"
#include "number_text.h"
#include "shown_text.h"

namespace lumor {
namespace {

template <class Rows>
std::string CodeList(const Rows& rows) {
  std::string out;
  for (const auto& row : rows) {
    if (!out.empty()) out += ", ";
    out += row.code;
  }
  return out;
}

// Built by appending: "'" + text trips a false -Wrestrict in GCC 12 at -O3.
std::string Quoted(std::string_view value) {
  std::string out(1, '\'');
  out += MessageText(value);
  out += '\'';
  return out;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

CodeError Missing(CodeField field, const char* what, std::string_view code) {
  return {field, std::string(what) + " is missing in " + Quoted(code) +
                     "; an order code reads like C-S-SM-SC-10-SL1800-SC"};
}

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

// A length box can hold anything, but not what a paste of two codes leaves
// there: the tail of a code ("-SL1800-"), or a separator followed by the
// start of one.
bool HoldsAnotherCode(std::string_view length) {
  for (std::size_t at = length.find("-SL"); at != std::string_view::npos;
       at = length.find("-SL", at + 1)) {
    const std::string_view rest = length.substr(at + 3);
    for (const CableInfo& cable : kCables) {
      if (rest.starts_with(cable.code) && rest.substr(cable.code.size()).starts_with('-')) {
        return true;
      }
    }
  }
  const auto separator = [](char c) { return c == ' ' || c == '\t' || c == ',' || c == ';'; };
  for (std::size_t i = 0; i < length.size(); ++i) {
    if (!separator(length[i])) continue;
    while (i < length.size() && separator(length[i])) ++i;
    const std::string_view rest = length.substr(i);
    if (rest.size() >= 2 && (rest[0] == 'C' || rest[0] == 'T') && rest[1] == '-') return true;
  }
  return false;
}

std::string LengthValueText(double value) {
  std::string text = NumberText(value);
  if (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

std::optional<CodeError> CheckLength(std::string_view length) {
  if (length.empty()) {
    return CodeError{CodeField::kLength,
                     "the length is empty; the calculator leaves it so only after refusing a "
                     "length, and such a code cannot be ordered"};
  }
  if (HoldsAnotherCode(length)) {
    return CodeError{CodeField::kLength, "length " + Quoted(length) +
                                             " holds the start of another order code: two "
                                             "order codes on one line?"};
  }
  for (char c : length) {
    if (IsControl(c)) {
      return CodeError{CodeField::kLength,
                       "length " + Quoted(length) + " holds a control character"};
    }
  }
  const double metres = LeadingNumber(length);
  if (!(metres >= kMinLength && metres < kLengthLimit)) {
    return CodeError{CodeField::kLength, "length " + Quoted(length) + " reads as " +
                                             LengthValueText(metres) +
                                             " m; it must be at least 1 and below 1001"};
  }
  return std::nullopt;
}

}  // namespace

std::optional<CodeError> ReadOrderCode(std::string_view text, OrderCode& code) {
  text = TrimBlanks(text);
  code = OrderCode{};
  code.text = text;
  if (text.empty()) return CodeError{CodeField::kCode, "the order code is empty"};

  // A length text and a cable code may both hold "-", but no connector does
  // and no cable code holds "SL": so the right connector follows the last
  // "-", the cable the last "-SL", and the length is what is left after the
  // four leading fields.
  const std::size_t lastDash = text.rfind('-');
  const std::size_t lastSl = lastDash == std::string_view::npos
                                 ? std::string_view::npos
                                 : text.substr(0, lastDash).rfind("-SL");
  if (lastSl == std::string_view::npos) {
    return CodeError{CodeField::kCode, Quoted(text) +
                                           " is not an order code of the form "
                                           "TYPE-STRUCTURE-FIBRE-LEFT-LENGTH-SLCABLE-RIGHT, "
                                           "such as C-S-SM-SC-10-SL1800-SC"};
  }
  std::string_view head = text.substr(0, lastSl);
  const std::string_view cable = text.substr(lastSl + 3, lastDash - lastSl - 3);
  const std::string_view right = text.substr(lastDash + 1);

  // The four leading fields, then the length, which may hold "-" itself.
  std::array<std::string_view, 5> part{};
  std::size_t parts = 0;
  while (parts < 4) {
    const std::size_t dash = head.find('-');
    if (dash == std::string_view::npos) break;
    part[parts++] = head.substr(0, dash);
    head.remove_prefix(dash + 1);
  }
  part[parts++] = head;

  const std::string_view type = part[0];
  if (type == "C") {
    code.pigtail = false;
  } else if (type == "T") {
    code.pigtail = true;
  } else {
    return CodeError{CodeField::kType,
                     "type " + Quoted(type) + " is not C (patch cord) or T (pigtail)"};
  }
  if (parts < 2) return Missing(CodeField::kStructure, "the structure", text);
  const std::string_view structure = part[1];
  if (structure == "S") {
    code.duplex = false;
  } else if (structure == "D") {
    code.duplex = true;
  } else {
    return CodeError{CodeField::kStructure,
                     "structure " + Quoted(structure) + " is not S (simplex) or D (duplex)"};
  }
  if (parts < 3) return Missing(CodeField::kFibre, "the fibre", text);
  const std::string_view fibre = part[2];
  if (fibre == "SM") {
    code.fibre = Fibre::kSingleMode;
  } else if (fibre == "M1") {
    code.fibre = Fibre::kMultiMode62;
  } else if (fibre == "M2") {
    code.fibre = Fibre::kMultiMode50;
  } else {
    return CodeError{CodeField::kFibre, "fibre " + Quoted(fibre) + " is not one of SM, M1, M2"};
  }
  if (parts < 4) return Missing(CodeField::kLeftConnector, "the left connector", text);
  const std::string_view left = part[3];
  const auto leftIndex = ConnectorIndex(left);
  if (!leftIndex) {
    return CodeError{CodeField::kLeftConnector,
                     "left connector " + Quoted(left) + " is not one of " + CodeList(kConnectors)};
  }
  if (parts < 5) return Missing(CodeField::kLength, "the length", text);
  const std::string_view length = part[4];
  if (auto error = CheckLength(length)) return error;

  const auto cableIndex = CableIndex(cable);
  if (!cableIndex) {
    return CodeError{CodeField::kCable,
                     "cable code " + Quoted(cable) + " is not one of " + CodeList(kCables)};
  }
  if (kCables[*cableIndex].duplexOnly && !code.duplex) {
    return CodeError{CodeField::kCable,
                     "cable code " + Quoted(cable) + " is made only as duplex (D), not S"};
  }

  if (code.pigtail) {
    if (right != kNoConnector) {
      return CodeError{CodeField::kRightConnector, "right connector " + Quoted(right) +
                                                       " must be " + std::string(kNoConnector) +
                                                       " for a pigtail (T)"};
    }
  } else if (!ConnectorIndex(right)) {
    std::string message =
        "right connector " + Quoted(right) + " is not one of " + CodeList(kConnectors);
    if (right == kNoConnector)
      message += " (" + std::string(kNoConnector) + " is for a pigtail, T)";
    return CodeError{CodeField::kRightConnector, std::move(message)};
  }

  code.left = left;
  code.length = length;
  code.cable = cable;
  code.right = right;
  return std::nullopt;
}

void SelectOrderCode(const OrderCode& code, SelectionState& s) {
  // Exactly the flags the window's handlers leave set for such a selection.
  s.IsPigTail = code.pigtail;
  s.IsPatchCord = !code.pigtail;
  s.IsDuplex = code.duplex;
  s.IsSimplex = !code.duplex;
  s.IsSingleMode = code.fibre == Fibre::kSingleMode;
  s.IsMM62 = code.fibre == Fibre::kMultiMode62;
  s.IsMM50 = code.fibre == Fibre::kMultiMode50;
  s.IsFig0 = CableIsDuplexOnly(code.cable);
  // assign() reuses the strings' storage from code to code.
  s.LeftConnector.assign(code.left);
  s.RightConnector.assign(code.right);
  s.CableCode.assign(code.cable);
  s.CableLength.assign(code.length);
}

}  // namespace lumor
