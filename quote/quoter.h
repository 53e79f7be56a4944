#pragma once

#include <string>

#include "engine.h"
#include "order_code.h"
#include "settings_store.h"

namespace lumor::quote {

// The calculator's engine set up as its window sets it up, pricing one order
// code at a time: the same selection, length text and discount give the same
// order line, character for character.
class Quoter {
 public:
  // Forces the decimal point in the store as the window does; the store must
  // outlive the quoter.
  Quoter(SettingsStore& store, double discountPercent);
  ~Quoter();
  Quoter(const Quoter&) = delete;
  Quoter& operator=(const Quoter&) = delete;

  // Throws lumor::FloatingPointError as the engine does.
  void Price(const OrderCode& code);

  const std::string& OrderLine() const { return m_engine.OrderLine; }
  const std::string& Description() const { return m_engine.OrderDescription; }
  double UnitPrice() const { return m_engine.UnitPrice; }

 private:
  Engine m_engine;
};

}  // namespace lumor::quote
