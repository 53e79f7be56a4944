#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace lumor {

// What the calculator sells, stated once. The engine's slot tables and
// prices are filled from here, and the window, lumor-quote and the tests read
// it; adding a connector or a cable is a row here (and a photo for the
// window).
struct ConnectorInfo {
  std::string_view code;
  std::string_view longName;
  bool angled;  // angled polish: one cost for both fibres, no multimode
  double singleModeCost;
  double multiModeCost;
};

struct CableInfo {
  std::string_view code;
  double ratePerMetre;
  bool duplexOnly;
};

// In the order the calculator lists them; the slot tables keep this order.
inline constexpr std::array<ConnectorInfo, 9> kConnectors = {{
    {"SC", "SC-PC", false, 2.13, 1.68},
    {"SA", "SC-APC", true, 2.33, 2.33},
    {"FC", "FC-PC", false, 2.24, 2.67},
    {"FA", "FC-APC", true, 2.96, 2.96},
    {"LC", "LC-PC", false, 2.23, 2.10},
    {"LA", "LC-APC", true, 2.95, 2.95},
    {"ST", "ST-PC", false, 1.89, 1.71},
    {"E2", "E2000", false, 5.10, 3.00},
    {"EA", "E2000-APC", true, 6.20, 6.20},
}};

inline constexpr std::array<CableInfo, 10> kCables = {{
    {"0900", 0.065, false},
    {"1700", 0.15, false},
    {"1800", 0.17, false},
    {"2000", 0.14, false},
    {"2200", 0.18, false},
    {"2400", 0.20, false},
    {"2600", 0.22, false},
    {"2800", 0.25, false},
    {"3000", 0.30, false},
    {"Fig-0", 0.40, true},  // the figure-eight cable
}};

inline constexpr double kMM62Factor = 1.52;  // multimode that is not 50/125
inline constexpr double kMM50Factor = 1.32;

// The right end of a pigtail, which has no connector there.
inline constexpr std::string_view kNoConnector = "XX";

// The selection a fresh start shows.
inline constexpr std::string_view kDefaultConnector = kConnectors[0].code;
inline constexpr std::string_view kDefaultCable = kCables[2].code;
inline constexpr std::string_view kDefaultLength = "10";

// The catalogue row of a code, compared exactly; nullopt for none.
std::optional<std::size_t> ConnectorIndex(std::string_view code);
std::optional<std::size_t> CableIndex(std::string_view code);
// True for a cable that is made only as duplex.
bool CableIsDuplexOnly(std::string_view code);

}  // namespace lumor
