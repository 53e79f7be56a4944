#pragma once

#include <array>
#include <stdexcept>
#include <string>

namespace lumor {

// A catalogue of 50 slots addressed 1 to 50; any other slot number throws
// std::out_of_range rather than touching memory it does not own.
template <class Entry>
class SlotTable {
 public:
  static constexpr int kFirst = 1;
  static constexpr int kLast = 50;

  Entry& operator()(int slot) { return m_slots[Index(slot)]; }
  const Entry& operator()(int slot) const { return m_slots[Index(slot)]; }

 private:
  static std::size_t Index(int slot) {
    if (slot < kFirst || slot > kLast) {
      throw std::out_of_range("catalogue slot " + std::to_string(slot) + " is outside 1 to 50");
    }
    return static_cast<std::size_t>(slot - kFirst);
  }
  std::array<Entry, kLast> m_slots{};
};

struct ConnectorEntry {
  std::string Code;
  std::string LongName;
};

using ConnectorTable = SlotTable<ConnectorEntry>;
using CableCodeTable = SlotTable<std::string>;

}  // namespace lumor
