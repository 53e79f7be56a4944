#pragma once

#include <string>

namespace lumor::quote {

// Two codes and the order lines the window shows for them.
inline const std::string kDefault = "C-S-SM-SC-10-SL1800-SC";
inline const std::string kDefaultLine =
    "C-S-SM-SC-10-SL1800-SC    Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 10 m ----- "
    "13.71 EUR/adet\n";
inline const std::string kPigtailLine =
    "T-D-M2-FA-10-SL1800-XX    Pigtail Dubleks Multi Mode 50/125  FC-APC /   1.8 mm 10 m ----- "
    "23.94 EUR/adet\n";

}  // namespace lumor::quote
