#pragma once

#include <stdexcept>
#include <string>

#include "number_text.h"
#include "price_table.h"
#include "selection_state.h"
#include "settings_store.h"
#include "slot_table.h"

namespace lumor {

// An invalid operation, a division by zero or an overflow while pricing.
class FloatingPointError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The pricing and order-code engine: one per process, created by the
// program's entry point and handed to the windows by reference. The windows
// read and write the public fields directly.
class Engine {
 public:
  static constexpr const char* kDecimalSeparatorPath =
      "HKCU\\Control Panel\\International\\sdecimal";
  static constexpr const char* kGroupingSeparatorPath =
      "HKCU\\Control Panel\\International\\sThousand";

  Engine() = default;
  // Regional number settings come from the store; without one the price
  // text uses "." and ",".
  explicit Engine(SettingsStore& store);

  void LoadDefaults();
  void LoadPriceTable();
  std::string ConnectorName(const std::string& code) const;
  void CalculatePrice();
  void BuildOrderLine();

  // Forces the user's decimal separator to "." and puts it back. A value
  // that cannot be read leaves the setting alone at both ends.
  void ForceDecimalPoint();
  void RestoreDecimalSeparator();

  // The separators the price text uses now.
  const lumor::PriceSeparators& PriceSeparators() const { return m_separators; }

  lumor::SelectionState SelectionState;
  lumor::ConnectorTable ConnectorTable;
  lumor::CableCodeTable CableCodeTable;
  lumor::PriceTable PriceTable;
  double DiscountPercent = 0;
  double UnitPrice = 0;
  std::string OrderDescription;
  std::string OrderLine;
  std::string SavedDecimalSeparator;
  std::string DecimalSeparator;

 private:
  bool ConnectorCost(const std::string& code, double& cost) const;
  void CheckStep(const char* step) const;
  void RefreshSeparators();

  SettingsStore* m_store = nullptr;
  bool m_guardEngaged = false;
  lumor::PriceSeparators m_separators;
};

}  // namespace lumor
