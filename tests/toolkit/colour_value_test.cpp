#include <gtest/gtest.h>

#include <QPalette>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "colour_value.h"
#include "test_support.h"

namespace lumor::toolkit {
namespace {

// Every role its own colour, so a row that reads the wrong role fails; the
// stock palettes share black and white between many roles.
QPalette distinctPalette() {
  QPalette palette;
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    if (role == QPalette::NoRole) continue;
    const auto r = static_cast<QPalette::ColorRole>(role);
    palette.setColor(QPalette::Active, r, QColor(10 * role, 1, 1));
    palette.setColor(QPalette::Inactive, r, QColor(10 * role, 2, 2));
    palette.setColor(QPalette::Disabled, r, QColor(10 * role, 3, 3));
  }
  return palette;
}

struct ColourCase {
  std::string name;
  uint32_t value;
  QColor expected;
};
void PrintTo(const ColourCase& row, std::ostream* out) { *out << row.name; }

class ColourValueTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourValueTest, ResolvesAgainstThePalette) {
  EXPECT_EQ(colourFromValue(GetParam().value, distinctPalette()), GetParam().expected);
}

const QPalette kPalette = distinctPalette();
QColor role(QPalette::ColorRole r, QPalette::ColorGroup g = QPalette::Active) {
  return kPalette.color(g, r);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ColourValueTest,
    ::testing::Values(ColourCase{"red_is_the_low_byte", 0x000000ff, QColor(255, 0, 0)},
                      ColourCase{"blue_is_the_third_byte", 0x00ff0000, QColor(0, 0, 255)},
                      ColourCase{"mixed_bytes_stay_apart", 0x00123456, QColor(0x56, 0x34, 0x12)},
                      ColourCase{"rgb_helper_matches_the_classic_layout", rgbValue(128, 128, 128),
                                 QColor(128, 128, 128)},
                      ColourCase{"black", 0, QColor(0, 0, 0)},
                      ColourCase{"desktop_is_the_classic_teal", 0x80000001, QColor(0, 128, 128)},
                      ColourCase{"window_background_is_base", 0x80000005, role(QPalette::Base)},
                      ColourCase{"window_text", 0x80000008, role(QPalette::WindowText)},
                      ColourCase{"caption_text_is_highlighted_text", 0x80000009,
                                 role(QPalette::HighlightedText)},
                      ColourCase{"button_face", 0x8000000f, role(QPalette::Button)},
                      ColourCase{"grey_text_is_disabled_text", 0x80000011,
                                 role(QPalette::Text, QPalette::Disabled)},
                      ColourCase{"button_text", 0x80000012, role(QPalette::ButtonText)},
                      ColourCase{"tooltip_background", 0x80000018, role(QPalette::ToolTipBase)}),
    testing::RowName{});

TEST(ColourValue, RejectsValuesOfNeitherForm) {
  for (uint32_t bad : {0x80000040u, 0x01000000u, 0xffffffffu}) {
    EXPECT_THROW(colourFromValue(bad), std::out_of_range) << std::hex << bad;
  }
}

}  // namespace
}  // namespace lumor::toolkit

namespace lumor::toolkit {
namespace {

struct ContrastCase {
  const char* name;
  QColor text;
  QColor background;
  bool kept;  // the text colour passes unchanged
};

void PrintTo(const ContrastCase& row, std::ostream* out) { *out << row.name; }

class ReadableTest : public ::testing::TestWithParam<ContrastCase> {};

TEST_P(ReadableTest, TextReadsOnItsBackground) {
  const ContrastCase& row = GetParam();
  const QColor shown = readableOn(row.text, row.background);
  EXPECT_GE(contrastRatio(shown, row.background), kReadableContrast) << shown.name().toStdString();
  EXPECT_EQ(shown == row.text, row.kept) << shown.name().toStdString();
  if (!row.kept) {
    EXPECT_NEAR(shown.hslHueF(), row.text.hslHueF(), 0.01) << "same hue";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadableTest,
    ::testing::Values(ContrastCase{"teal_on_white", QColor(0x008080), Qt::white, true},
                      ContrastCase{"teal_on_dark", QColor(0x008080), QColor(0x2a2a2a), false},
                      ContrastCase{"teal_on_black", QColor(0x008080), Qt::black, false},
                      ContrastCase{"red_on_white", QColor(0xff0000), Qt::white, false},
                      ContrastCase{"red_on_dark", QColor(0xff0000), QColor(0x2a2a2a), false},
                      ContrastCase{"red_on_black", QColor(0xff0000), Qt::black, true},
                      ContrastCase{"black_on_white", Qt::black, Qt::white, true},
                      ContrastCase{"grey_on_mid_grey", QColor(0x808080), QColor(0x777777), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContrastRatio, MatchesTheKnownValues) {
  EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(contrastRatio(Qt::white, Qt::white), 1.0, 1e-9);
  EXPECT_NEAR(contrastRatio(QColor(0x008080), Qt::white), 4.77, 0.01);
}

}  // namespace
}  // namespace lumor::toolkit
