#pragma once

namespace lumor {

// Prices in euros. Straight connectors have a single-mode and a multimode
// cost, angled ones a single cost.
struct PriceTable {
  double SC_SingleMode = 0, SC_MultiMode = 0;
  double SA = 0;
  double FC_SingleMode = 0, FC_MultiMode = 0;
  double FA = 0;
  double LC_SingleMode = 0, LC_MultiMode = 0;
  double LA = 0;
  double ST_SingleMode = 0, ST_MultiMode = 0;
  double E2_SingleMode = 0, E2_MultiMode = 0;
  double EA = 0;

  // Cable rate per metre, by cable code.
  double Rate0900 = 0, Rate1700 = 0, Rate1800 = 0, Rate2000 = 0, Rate2200 = 0;
  double Rate2400 = 0, Rate2600 = 0, Rate2800 = 0, Rate3000 = 0, RateFig0 = 0;

  double MM62Factor = 0;  // multimode that is not 50/125
  double MM50Factor = 0;
};

}  // namespace lumor
