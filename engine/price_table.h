#pragma once

#include <array>

#include "catalogue.h"

namespace lumor {

// Prices in euros, in catalogue order. Angled connectors carry the same
// cost in both columns.
struct PriceTable {
  struct ConnectorCost {
    double SingleMode = 0;
    double MultiMode = 0;
  };
  std::array<ConnectorCost, kConnectors.size()> Connector{};
  std::array<double, kCables.size()> CableRate{};  // per metre

  double MM62Factor = 0;  // multimode that is not 50/125
  double MM50Factor = 0;
};

}  // namespace lumor
