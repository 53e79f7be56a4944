#pragma once

#include "catalogue.h"
#include "engine.h"

namespace lumor::testing {

enum Fibre { SM, MM62, MM50 };

// One jumper as the window would set it up.
struct Jumper {
  bool pigtail;
  bool duplex;
  Fibre fibre;
  const char* left;
  const char* right;
  const char* cable;
  const char* length;
  double discount;
};

inline void Apply(Engine& e, const Jumper& j) {
  e.LoadDefaults();
  auto& s = e.SelectionState;
  s.IsPigTail = j.pigtail;
  s.IsPatchCord = !j.pigtail;
  s.IsDuplex = j.duplex;
  s.IsSimplex = !j.duplex;
  s.IsSingleMode = j.fibre == SM;
  s.IsMM62 = j.fibre == MM62;
  s.IsMM50 = j.fibre == MM50;
  s.IsFig0 = CableIsDuplexOnly(j.cable);
  s.LeftConnector = j.left;
  s.RightConnector = j.right;
  s.CableCode = j.cable;
  s.CableLength = j.length;
  e.DiscountPercent = j.discount;
}

}  // namespace lumor::testing
