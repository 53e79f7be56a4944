#include "engine.h"

#include "catalogue.h"

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

  s.LeftConnector = kDefaultConnector;
  s.RightConnector = kDefaultConnector;
  s.CableCode = kDefaultCable;
  s.CableLength = kDefaultLength;

  LoadPriceTable();

  int slot = lumor::ConnectorTable::kFirst;
  for (const ConnectorInfo& c : kConnectors)
    ConnectorTable(slot++) = {std::string(c.code), std::string(c.longName)};
  slot = lumor::CableCodeTable::kFirst;
  for (const CableInfo& c : kCables) CableCodeTable(slot++) = c.code;
}

void Engine::LoadPriceTable() {
  auto& p = PriceTable;
  for (std::size_t i = 0; i < kConnectors.size(); ++i) {
    p.Connector[i] = {kConnectors[i].singleModeCost, kConnectors[i].multiModeCost};
  }
  for (std::size_t i = 0; i < kCables.size(); ++i) p.CableRate[i] = kCables[i].ratePerMetre;
  p.MM62Factor = kMM62Factor;
  p.MM50Factor = kMM50Factor;
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
  const auto index = ConnectorIndex(code);
  if (!index) return false;
  // The single-mode cost only for a flag that is exactly true.
  const auto& c = PriceTable.Connector[*index];
  cost = SelectionState.IsSingleMode ? c.SingleMode : c.MultiMode;
  return true;
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

  if (const auto cable = CableIndex(s.CableCode)) {
    const double length = LeadingNumber(s.CableLength);
    UnitPrice = p.CableRate[*cable] * length + UnitPrice;
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
