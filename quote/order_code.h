#pragma once

#include <string_view>

namespace lumor::quote {

enum class Fibre { kSingleMode, kMultiMode62, kMultiMode50 };

// One jumper as its order code names it. The texts point into the code that
// was read, so they live only as long as it does.
struct OrderCode {
  std::string_view text;  // the whole code
  bool pigtail = false;
  bool duplex = false;
  Fibre fibre = Fibre::kSingleMode;
  std::string_view left;
  std::string_view length;  // verbatim, as the calculator's length box held it
  std::string_view cable;
  std::string_view right;  // "XX" for a pigtail
};

}  // namespace lumor::quote
