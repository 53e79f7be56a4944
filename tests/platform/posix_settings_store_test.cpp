#include "posix_settings_store.h"

#include <gtest/gtest.h>

#include <clocale>

#include "engine.h"

namespace lumor {
namespace {

struct LocaleCase {
  const char* locale;
  const char* price;  // 1000 m of 3000 duplex
};

const LocaleCase kLocaleCases[] = {
    {"C", "1,399.60"},           {"en_US.UTF-8", "1,399.60"},
    {"de_DE.UTF-8", "1,399.60"},  // grouping "." clashes with the forced point
    {"tr_TR.UTF-8", "1,399.60"}, {"fr_FR.UTF-8", "1\u202f399.60"},  // narrow no-break space
};

TEST(PosixSettingsStoreTest, OrderLineUnderRealLocales) {
  const std::string globalBefore = std::setlocale(LC_ALL, nullptr);
  for (const auto& c : kLocaleCases) {
    PosixSettingsStore store(c.locale);
    ASSERT_TRUE(store.ReadText(Engine::kDecimalSeparatorPath).has_value())
        << c.locale << " is not installed";
    Engine engine(store);
    engine.ForceDecimalPoint();
    engine.LoadDefaults();
    auto& s = engine.SelectionState;
    s.IsSimplex = false;
    s.IsDuplex = true;
    s.CableCode = "3000";
    s.CableLength = "1000";
    engine.BuildOrderLine();
    EXPECT_EQ(engine.OrderLine,
              std::string("C-D-SM-SC-1000-SL3000-SC    Patch Cord Dubleks Single Mode  SC-PC / "
                          "SC-PC  3 mm 1000 m ----- ") +
                  c.price + " EUR/adet")
        << c.locale;
    engine.RestoreDecimalSeparator();
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), globalBefore) << c.locale;
  }
}

TEST(PosixSettingsStoreTest, WritesStayInTheProcessAndReadBack) {
  PosixSettingsStore store("de_DE.UTF-8");
  EXPECT_EQ(store.ReadText(Engine::kDecimalSeparatorPath), ",");
  store.WriteText(Engine::kDecimalSeparatorPath, ".");
  EXPECT_EQ(store.ReadText(Engine::kDecimalSeparatorPath), ".");
  PosixSettingsStore other("de_DE.UTF-8");
  EXPECT_EQ(other.ReadText(Engine::kDecimalSeparatorPath), ",");
}

TEST(PosixSettingsStoreTest, UnknownLocaleOrPathIsUnreadable) {
  PosixSettingsStore missing("xx_YY.UTF-8");
  EXPECT_FALSE(missing.ReadText(Engine::kDecimalSeparatorPath).has_value());
  Engine engine(missing);
  engine.ForceDecimalPoint();
  EXPECT_EQ(engine.PriceSeparators().decimal, ".");
  PosixSettingsStore c("C");
  EXPECT_FALSE(c.ReadText("HKCU\\Control Panel\\International\\sList").has_value());
}

}  // namespace
}  // namespace lumor
