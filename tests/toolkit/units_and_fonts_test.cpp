#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <climits>
#include <string>

#include "font_choice.h"
#include "test_support.h"
#include "twips.h"

namespace lumor::toolkit {
namespace {

struct TwipsCase {
  std::string name;
  int twips;
  int pixels;
};
void PrintTo(const TwipsCase& row, std::ostream* out) { *out << row.name; }

class TwipsTest : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsTest, RoundsToTheNearestPixel) {
  EXPECT_EQ(twipsToPixels(GetParam().twips), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TwipsTest,
    ::testing::Values(
        TwipsCase{"zero", 0, 0}, TwipsCase{"just_under_half_rounds_down", 7, 0},
        TwipsCase{"just_over_half_rounds_up", 8, 1}, TwipsCase{"one_pixel", 15, 1},
        TwipsCase{"main_window_width", 9870, 658}, TwipsCase{"bordered_photo", 1560, 104},
        TwipsCase{"line_end_rounds_up", 6404, 427}, TwipsCase{"under_one_and_a_half", 22, 1},
        TwipsCase{"over_one_and_a_half", 23, 2}, TwipsCase{"negative_under_half", -7, 0},
        TwipsCase{"negative_over_half", -8, -1},
        TwipsCase{"largest_int_does_not_overflow", INT_MAX, 143165576},
        TwipsCase{"smallest_int_does_not_overflow", INT_MIN, -143165577}),
    testing::RowName{});

TEST(TwipsRect, ConvertsEachEdgeOnItsOwn) {
  EXPECT_EQ(twipsRect(360, 240, 2055, 1335), QRect(24, 16, 137, 89));
  EXPECT_EQ(twipsRect(4920, 3930, 975, 315), QRect(328, 262, 65, 21));
}

struct FontCase {
  std::string name;
  FontChoice wanted;
  const char* family;  // nullptr: the application's
};
void PrintTo(const FontCase& row, std::ostream* out) { *out << row.name; }

class ToolkitFontTest : public ::testing::TestWithParam<FontCase> {};

// The family must also be what fontconfig really finds, so a misspelt
// substitute fails here rather than falling back silently.
TEST_P(ToolkitFontTest, SubstitutesAnInstalledFamily) {
  const FontCase& row = GetParam();
  const QFont font = toolkitFont(row.wanted);
  if (row.family == nullptr) {
    EXPECT_EQ(font.family(), QGuiApplication::font().family());
  } else {
    EXPECT_EQ(font.family(), row.family);
    EXPECT_EQ(QFontInfo(font).family(), row.family);
  }
  if (row.wanted.points > 0) {
    EXPECT_DOUBLE_EQ(font.pointSizeF(), row.wanted.points);
  } else {
    EXPECT_DOUBLE_EQ(font.pointSizeF(), QGuiApplication::font().pointSizeF());
  }
  EXPECT_EQ(font.bold(), row.wanted.bold);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ToolkitFontTest,
    ::testing::Values(
        FontCase{"default_is_the_application_font", {}, nullptr},
        FontCase{"ms_sans_serif_bold", {"MS Sans Serif", 9.75, true}, "Liberation Sans"},
        FontCase{"face_names_ignore_case", {"ms sans serif", 8.25, false}, "Liberation Sans"},
        FontCase{"arial_narrow", {"Arial Narrow", 9, false}, "Liberation Sans Narrow"},
        FontCase{"franklin_gothic_condensed",
                 {"Franklin Gothic Medium Cond", 8.25, false},
                 "Liberation Sans Narrow"},
        FontCase{"tahoma", {"Tahoma", 8, false}, "Liberation Sans"},
        FontCase{"bodoni", {"Bodoni MT", 12, true}, "Liberation Serif"},
        FontCase{"small_fonts", {"Small Fonts", 6, false}, "DejaVu Sans"},
        FontCase{"default_face_in_bold", {nullptr, 0, true}, nullptr}),
    testing::RowName{});

}  // namespace
}  // namespace lumor::toolkit
