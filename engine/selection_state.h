#pragma once

#include <string>

namespace lumor {

// What the user has chosen. The handlers keep exactly one flag of each group
// true: jumper type, cable structure and fibre.
struct SelectionState {
  bool IsPigTail = false;
  bool IsPatchCord = false;
  bool IsSimplex = false;
  bool IsDuplex = false;
  bool IsFig0 = false;
  bool IsSingleMode = false;
  bool IsMM62 = false;
  bool IsMM50 = false;
  std::string LeftConnector;
  std::string CableLength;  // exactly as typed
  std::string CableCode;
  std::string RightConnector;  // kNoConnector while a pigtail is chosen
};

}  // namespace lumor
