#include "order_code_reader.h"

#include <array>

#include "message_text.h"
#include "number_text.h"

namespace lumor::quote {
namespace {

constexpr std::array<std::string_view, 9> kConnectors = {"SC", "SA", "FC", "FA", "LC",
                                                         "LA", "ST", "E2", "EA"};
constexpr std::array<std::string_view, 10> kCables = {"0900", "1700", "1800", "2000", "2200",
                                                      "2400", "2600", "2800", "3000", "Fig-0"};
constexpr std::string_view kFig0 = "Fig-0";
constexpr std::string_view kNoConnector = "XX";
// The calculator's length box: 1 <= v < 1001.
constexpr double kMinLength = 1;
constexpr double kLengthLimit = 1001;

template <std::size_t N>
bool OneOf(std::string_view value, const std::array<std::string_view, N>& list) {
  for (std::string_view item : list) {
    if (item == value) return true;
  }
  return false;
}

template <std::size_t N>
std::string ListText(const std::array<std::string_view, N>& list) {
  std::string out;
  for (std::string_view item : list) {
    if (!out.empty()) out += ", ";
    out += item;
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

// Most lengths are a few digits with perhaps a short fraction. Those lie far
// enough from 1 and 1001 that their whole metres decide exactly as the
// calculator's reading would; this spares that reading for them.
std::optional<bool> PlainLengthAccepted(std::string_view text) {
  constexpr std::size_t kMaxWholeDigits = 4;
  constexpr std::size_t kMaxFractionDigits = 6;
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  std::size_t pos = 0;
  int metres = 0;
  while (pos < text.size() && isDigit(text[pos])) {
    if (pos == kMaxWholeDigits) return std::nullopt;
    metres = metres * 10 + (text[pos] - '0');
    ++pos;
  }
  if (pos == 0) return std::nullopt;
  if (pos < text.size()) {
    if (text[pos] != '.') return std::nullopt;
    const std::size_t fraction = text.size() - pos - 1;
    if (fraction == 0 || fraction > kMaxFractionDigits) return std::nullopt;
    for (++pos; pos < text.size(); ++pos) {
      if (!isDigit(text[pos])) return std::nullopt;
    }
  }
  return metres >= 1 && metres <= 1000;
}

std::string LengthValueText(double value) {
  std::string text = NumberText(value);
  if (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

}  // namespace

std::optional<CodeError> ReadOrderCode(std::string_view text, OrderCode& code) {
  text = TrimBlanks(text);
  code = OrderCode{};
  code.text = text;
  if (text.empty()) return CodeError{CodeField::kCode, "the order code is empty"};

  // A length text and the cable "Fig-0" may both hold "-", but no connector
  // does and no cable code holds "SL": so the right connector follows the
  // last "-", the cable the last "-SL", and the length is what is left after
  // the four leading fields.
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
  if (!OneOf(left, kConnectors)) {
    return CodeError{CodeField::kLeftConnector,
                     "left connector " + Quoted(left) + " is not one of " + ListText(kConnectors)};
  }
  if (parts < 5) return Missing(CodeField::kLength, "the length", text);

  const std::string_view length = part[4];
  if (length.empty()) return CodeError{CodeField::kLength, "the length is empty"};
  if (!PlainLengthAccepted(length).value_or(false)) {
    const double metres = LeadingNumber(length);
    if (!(metres >= kMinLength && metres < kLengthLimit)) {
      return CodeError{CodeField::kLength, "length " + Quoted(length) + " reads as " +
                                               LengthValueText(metres) +
                                               " m; it must be at least 1 and below 1001"};
    }
  }

  if (!OneOf(cable, kCables)) {
    return CodeError{CodeField::kCable,
                     "cable code " + Quoted(cable) + " is not one of " + ListText(kCables)};
  }
  if (cable == kFig0 && !code.duplex) {
    return CodeError{CodeField::kCable, "cable code 'Fig-0' is made only as duplex (D), not S"};
  }

  if (code.pigtail) {
    if (right != kNoConnector) {
      return CodeError{CodeField::kRightConnector,
                       "right connector " + Quoted(right) + " must be XX for a pigtail (T)"};
    }
  } else if (!OneOf(right, kConnectors)) {
    std::string message =
        "right connector " + Quoted(right) + " is not one of " + ListText(kConnectors);
    if (right == kNoConnector) message += " (XX is for a pigtail, T)";
    return CodeError{CodeField::kRightConnector, std::move(message)};
  }

  code.left = left;
  code.length = length;
  code.cable = cable;
  code.right = right;
  return std::nullopt;
}

}  // namespace lumor::quote
