#include "engine.h"

#include <cfenv>
#include <cmath>
#include <string_view>

namespace lumor {

Engine::Engine(SettingsStore& store) : m_store(&store) { RefreshSeparators(); }

void Engine::LoadDefaults() {
  auto& s = SelectionState;
  s.IsSingleMode = true;
  s.IsSimplex = true;
  s.IsPatchCord = true;
  s.IsMM62 = false;
  s.IsMM50 = false;
  s.IsDuplex = false;
  s.IsFig0 = false;
  s.IsPigTail = false;

  s.LeftConnector = "SC";
  s.RightConnector = "SC";
  s.CableCode = "1800";
  s.CableLength = "10";

  LoadPriceTable();

  static constexpr std::string_view kConnectors[][2] = {
      {"SC", "SC-PC"},  {"SA", "SC-APC"}, {"FC", "FC-PC"}, {"FA", "FC-APC"},    {"LC", "LC-PC"},
      {"LA", "LC-APC"}, {"ST", "ST-PC"},  {"E2", "E2000"}, {"EA", "E2000-APC"},
  };
  int slot = 1;
  for (const auto& [code, name] : kConnectors) {
    ConnectorTable(slot).Code = code;
    ConnectorTable(slot).LongName = name;
    ++slot;
  }

  static constexpr std::string_view kCables[] = {"0900", "1700", "1800", "2000", "2200",
                                                 "2400", "2600", "2800", "3000", "Fig-0"};
  slot = 1;
  for (std::string_view code : kCables) CableCodeTable(slot++) = code;
}

void Engine::LoadPriceTable() {
  auto& p = PriceTable;
  p.SC_SingleMode = 2.13;
  p.SC_MultiMode = 1.68;
  p.SA = 2.33;
  p.FC_SingleMode = 2.24;
  p.FC_MultiMode = 2.67;
  p.FA = 2.96;
  p.LC_SingleMode = 2.23;
  p.LC_MultiMode = 2.10;
  p.LA = 2.95;
  p.ST_SingleMode = 1.89;
  p.ST_MultiMode = 1.71;
  p.E2_SingleMode = 5.10;
  p.E2_MultiMode = 3.00;
  p.EA = 6.20;

  p.Rate0900 = 0.065;
  p.Rate1700 = 0.15;
  p.Rate1800 = 0.17;
  p.Rate2000 = 0.14;
  p.Rate2200 = 0.18;
  p.Rate2400 = 0.20;
  p.Rate2600 = 0.22;
  p.Rate2800 = 0.25;
  p.Rate3000 = 0.30;
  p.RateFig0 = 0.40;

  p.MM62Factor = 1.52;
  p.MM50Factor = 1.32;
}

std::string Engine::ConnectorName(const std::string& code) const {
  // Every slot is compared, so the last match wins; the empty slots match
  // the empty code.
  std::string name;
  for (int slot = lumor::ConnectorTable::kFirst; slot <= lumor::ConnectorTable::kLast; ++slot) {
    if (ConnectorTable(slot).Code == code) name = ConnectorTable(slot).LongName;
  }
  return name;
}

bool Engine::ConnectorCost(const std::string& code, double& cost) const {
  const auto& p = PriceTable;
  // The single-mode cost only for a flag that is exactly true.
  const bool singleMode = SelectionState.IsSingleMode;
  const struct {
    std::string_view code;
    double singleMode, multiMode;
  } costs[] = {
      {"SC", p.SC_SingleMode, p.SC_MultiMode},
      {"SA", p.SA, p.SA},
      {"FC", p.FC_SingleMode, p.FC_MultiMode},
      {"FA", p.FA, p.FA},
      {"LC", p.LC_SingleMode, p.LC_MultiMode},
      {"LA", p.LA, p.LA},
      {"ST", p.ST_SingleMode, p.ST_MultiMode},
      {"E2", p.E2_SingleMode, p.E2_MultiMode},
      {"EA", p.EA, p.EA},
  };
  for (const auto& c : costs) {
    if (c.code == code) {
      cost = singleMode ? c.singleMode : c.multiMode;
      return true;
    }
  }
  return false;
}

void Engine::CheckStep(const char* step) const {
  if (std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW) || !std::isfinite(UnitPrice)) {
    throw FloatingPointError(std::string("floating-point error in the price calculation (") + step +
                             ")");
  }
}

void Engine::CalculatePrice() {
  std::feclearexcept(FE_ALL_EXCEPT);
  const auto& s = SelectionState;
  const auto& p = PriceTable;

  UnitPrice = 0;
  CheckStep("start");

  const struct {
    std::string_view code;
    double rate;
  } rates[] = {
      {"0900", p.Rate0900}, {"1700", p.Rate1700},  {"1800", p.Rate1800}, {"2000", p.Rate2000},
      {"2200", p.Rate2200}, {"2400", p.Rate2400},  {"2600", p.Rate2600}, {"2800", p.Rate2800},
      {"3000", p.Rate3000}, {"Fig-0", p.RateFig0},
  };
  for (const auto& r : rates) {
    if (r.code == s.CableCode) {
      const double length = LeadingNumber(s.CableLength);
      UnitPrice = r.rate * length + UnitPrice;
      break;
    }
  }
  CheckStep("cable");

  if (!s.IsSingleMode) {
    const double factor = s.IsMM50 ? p.MM50Factor : p.MM62Factor;
    UnitPrice = factor * UnitPrice;
  }
  CheckStep("multimode factor");

  double cost = 0;
  if (ConnectorCost(s.LeftConnector, cost)) UnitPrice = cost + UnitPrice;
  CheckStep("left connector");

  if (!s.IsPigTail && ConnectorCost(s.RightConnector, cost)) UnitPrice = cost + UnitPrice;
  CheckStep("right connector");

  if (s.IsDuplex) UnitPrice = UnitPrice + UnitPrice;
  CheckStep("duplex");

  const double t1 = UnitPrice * 2.3;
  const double t2 = 100 - DiscountPercent;
  const double t3 = t2 * t1;
  UnitPrice = t3 / 100;
  CheckStep("markup and discount");
}

void Engine::BuildOrderLine() {
  const auto& s = SelectionState;
  OrderLine.clear();
  OrderDescription.clear();

  CalculatePrice();

  OrderLine.reserve(64);
  OrderDescription.reserve(96);
  if (s.IsPigTail) {
    OrderLine += "T-";
    OrderDescription += "Pigtail ";
  } else {
    OrderLine += "C-";
    OrderDescription += "Patch Cord ";
  }
  if (s.IsSimplex) {
    OrderLine += "S-";
    OrderDescription += "Simpleks ";
  } else {
    OrderLine += "D-";
    OrderDescription += "Dubleks ";
  }
  if (s.IsSingleMode) {
    OrderLine += "SM-";
    OrderDescription += "Single Mode ";
  }
  if (s.IsMM62) {
    OrderLine += "M1-";
    OrderDescription += "Multi Mode 62.5/125 ";
  }
  if (s.IsMM50) {
    OrderLine += "M2-";
    OrderDescription += "Multi Mode 50/125 ";
  }

  OrderLine += s.LeftConnector;
  OrderLine += '-';
  OrderLine += s.CableLength;
  OrderLine += "-SL";
  OrderLine += s.CableCode;
  OrderLine += '-';
  OrderLine += s.RightConnector;

  OrderDescription += ' ';
  OrderDescription += ConnectorName(s.LeftConnector);
  OrderDescription += " / ";
  OrderDescription += ConnectorName(s.RightConnector);
  OrderDescription += ' ';
  OrderDescription += NumberText(LeadingNumber(s.CableCode) / 1000);
  OrderDescription += " mm";
  OrderDescription += ' ';
  OrderDescription += s.CableLength;
  OrderDescription += " m";

  OrderLine += "    ";
  OrderLine += OrderDescription;
  OrderLine += " ----- ";
  OrderLine += PriceText(UnitPrice, m_separators);
  OrderLine += " EUR/adet";
}

void Engine::ForceDecimalPoint() {
  std::optional<std::string> current;
  if (m_store) current = m_store->ReadText(kDecimalSeparatorPath);
  if (!current) {
    // Nothing to save means nothing may be written back either.
    m_guardEngaged = false;
    DecimalSeparator = ".";
    RefreshSeparators();
    return;
  }
  SavedDecimalSeparator = *current;
  DecimalSeparator = SavedDecimalSeparator;
  m_guardEngaged = true;
  if (DecimalSeparator != ".") {
    m_store->WriteText(kDecimalSeparatorPath, ".");
    DecimalSeparator = ".";
  }
  RefreshSeparators();
}

void Engine::RestoreDecimalSeparator() {
  if (!m_guardEngaged) return;
  if (DecimalSeparator != SavedDecimalSeparator) {
    m_store->WriteText(kDecimalSeparatorPath, SavedDecimalSeparator);
  }
  m_guardEngaged = false;
  RefreshSeparators();
}

void Engine::RefreshSeparators() {
  lumor::PriceSeparators separators;
  if (m_store) {
    const auto decimal = m_store->ReadText(kDecimalSeparatorPath);
    if (decimal && !decimal->empty()) separators.decimal = *decimal;
    const auto grouping = m_store->ReadText(kGroupingSeparatorPath);
    if (grouping && !grouping->empty()) separators.grouping = *grouping;
    // A grouping separator equal to the decimal point would make the price
    // unreadable ("2.854.12").
    if (separators.grouping == separators.decimal) {
      separators.grouping = separators.decimal == "," ? "." : ",";
    }
  }
  m_separators = separators;
}

}  // namespace lumor
