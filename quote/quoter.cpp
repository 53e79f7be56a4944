#include "quoter.h"

namespace lumor::quote {

Quoter::Quoter(SettingsStore& store, double discountPercent) : m_engine(store) {
  m_engine.ForceDecimalPoint();
  m_engine.LoadDefaults();
  m_engine.DiscountPercent = discountPercent;
}

Quoter::~Quoter() { m_engine.RestoreDecimalSeparator(); }

void Quoter::Price(const OrderCode& code) {
  // Exactly the flags the window's handlers leave set for such a selection.
  auto& s = m_engine.SelectionState;
  s.IsPigTail = code.pigtail;
  s.IsPatchCord = !code.pigtail;
  s.IsDuplex = code.duplex;
  s.IsSimplex = !code.duplex;
  s.IsSingleMode = code.fibre == Fibre::kSingleMode;
  s.IsMM62 = code.fibre == Fibre::kMultiMode62;
  s.IsMM50 = code.fibre == Fibre::kMultiMode50;
  s.IsFig0 = code.cable == "Fig-0";
  // assign() reuses the strings' storage from code to code.
  s.LeftConnector.assign(code.left);
  s.RightConnector.assign(code.right);
  s.CableCode.assign(code.cable);
  s.CableLength.assign(code.length);
  m_engine.BuildOrderLine();
}

}  // namespace lumor::quote
