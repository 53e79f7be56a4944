#include <gtest/gtest.h>

#include <ostream>

#include <QTest>

#include "colour_value.h"
#include "form_fixture.h"
#include "text_box.h"

namespace lumor::testing {
namespace {

constexpr const char* kWarning = " lütfen kablo boyu için 1-1001 arası bir değer girin ...";

// How the text reaches the box: typed key by key, or pasted whole.
enum class Entry { Typed, Pasted };

void Enter(FormHarness& h, toolkit::TextBox* box, const QString& text, Entry entry) {
  if (entry == Entry::Typed) {
    h.Type(box, text);
    return;
  }
  box->setFocus();
  box->selectAll();
  box->insert(text);
}

// Pure red, darkened only as far as it needs to read on the box.
QColor RejectedRed(const QWidget* box) {
  const QColor red = toolkit::readableOn(QColor(255, 0, 0), box->palette().color(QPalette::Base));
  EXPECT_EQ(red.hslHue(), 0);
  return red;
}

struct LengthCase {
  const char* name;
  QString text;
  Entry entry;
  bool accepted;
};

// Test logs name the row, not its bytes.
void PrintTo(const LengthCase& row, std::ostream* os) { *os << row.name; }

const LengthCase kLengthCases[] = {
    {"emptied", "", Entry::Typed, false},
    {"one", "1", Entry::Typed, true},
    {"hundred", "100", Entry::Typed, true},
    {"letters_after_the_number", "12abc", Entry::Typed, true},
    {"leading_blank", " 12", Entry::Pasted, true},
    {"inner_blank", "1 2", Entry::Pasted, true},
    {"comma_ends_the_number", "1,5", Entry::Typed, true},
    {"decimal_point", "1.5", Entry::Typed, true},
    {"exponent", "1e3", Entry::Typed, true},
    {"exponent_too_large", "2e3", Entry::Pasted, false},
    {"letters_only", "abc", Entry::Typed, false},
    {"just_below_one", "0.99", Entry::Pasted, false},
    {"just_below_the_limit", "1000.99", Entry::Pasted, true},
    {"the_limit", "1001", Entry::Pasted, false},
    {"negative", "-5", Entry::Pasted, false},
    {"beyond_a_double", "1e400", Entry::Pasted, false},
    {"hexadecimal", "&HFFFF", Entry::Pasted, false},
    {"hexadecimal_in_range", "&H10", Entry::Pasted, true},
    {"huge_paste_number", "1" + QString(10000, '0'), Entry::Pasted, false},
    {"huge_paste_blanks", "5" + QString(10000, ' '), Entry::Pasted, true},
};

class LengthInputTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(LengthInputTest, AcceptedOrClearedWithTheWarning) {
  const LengthCase& c = GetParam();
  FormHarness h;
  Enter(h, h.form->boy_text, c.text, c.entry);
  const auto& s = h.engine->SelectionState;
  if (c.accepted) {
    EXPECT_EQ(h.form->boy_text->text(), c.text);
    EXPECT_EQ(QString::fromStdString(s.CableLength), c.text);
    EXPECT_EQ(h.Line(), h.engine->OrderLine);
    EXPECT_NE(h.Line().find("-" + c.text.toStdString() + "-SL1800-"), std::string::npos);
  } else {
    EXPECT_EQ(h.form->boy_text->text(), "");
    EXPECT_EQ(s.CableLength, "");
    EXPECT_EQ(h.Line(), kWarning);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, LengthInputTest, ::testing::ValuesIn(kLengthCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LengthInputKeysTest, EachKeystrokeRecomputesUntilTheLimit) {
  FormHarness h;
  h.Type(h.form->boy_text, "");
  EXPECT_EQ(h.Line(), kWarning);
  const std::pair<const char*, const char*> steps[] = {
      {"1", "C-S-SM-SC-1-SL1800-SC"},
      {"0", "C-S-SM-SC-10-SL1800-SC"},
      {"0", "C-S-SM-SC-100-SL1800-SC"},
  };
  for (const auto& [key, code] : steps) {
    QTest::keyClicks(h.form->boy_text, key);
    EXPECT_EQ(h.Line().substr(0, h.Line().find(' ')), code);
  }
  QTest::keyClicks(h.form->boy_text, "1");
  EXPECT_EQ(h.form->boy_text->text(), "");
  EXPECT_EQ(h.Line(), kWarning);
  // The last composed line stays in the engine while the warning shows.
  EXPECT_EQ(h.engine->OrderLine.substr(0, 24), "C-S-SM-SC-100-SL1800-SC ");
}

struct DiscountCase {
  const char* name;
  QString text;
  bool accepted;
  double discount;
  const char* price;
};

// Test logs name the row, not its bytes.
void PrintTo(const DiscountCase& row, std::ostream* os) { *os << row.name; }

const DiscountCase kDiscountCases[] = {
    {"emptied", "", true, 0, "13.71"},
    {"letters_are_no_discount", "abc", true, 0, "13.71"},
    {"ten", "10", true, 10, "12.34"},
    {"comma_ends_the_number", "12,5", true, 12, "12.06"},
    {"hundred", "100", true, 100, "0.00"},
    {"negative", "-1", false, 0, "13.71"},
    {"just_below_zero", "-0.01", false, 0, "13.71"},
    {"above_hundred_would_go_negative", "100.5", false, 0, "13.71"},
    {"just_above_hundred", "100.0000001", false, 0, "13.71"},
    {"hundred_and_one", "101", false, 0, "13.71"},
    {"hundred_fifty", "150", false, 0, "13.71"},
    {"beyond_a_double", "1e400", false, 0, "13.71"},
    {"hexadecimal", "&HFFFF", false, 0, "13.71"},
    {"huge_paste", "5" + QString(10000, '9'), false, 0, "13.71"},
};

class DiscountInputTest : public ::testing::TestWithParam<DiscountCase> {};

TEST_P(DiscountInputTest, AcceptedOrClearedRedWithTheWarning) {
  const DiscountCase& c = GetParam();
  FormHarness h;
  // Start from a discount in force, so a rejection visibly drops it.
  Enter(h, h.form->IndirimText, "5", Entry::Typed);
  Enter(h, h.form->IndirimText, c.text, Entry::Pasted);
  auto* box = h.form->IndirimText;
  EXPECT_EQ(h.engine->DiscountPercent, c.discount);
  const std::string line = h.Line();
  EXPECT_EQ(line.substr(line.rfind(" ----- ") + 7), std::string(c.price) + " EUR/adet");
  const QColor text = box->palette().color(QPalette::Text);
  if (c.accepted) {
    EXPECT_EQ(box->text(), c.text);
    EXPECT_EQ(box->toolTip(), c.text);
    EXPECT_EQ(text, toolkit::colourFromValue(toolkit::kWindowTextColour, box->palette()));
  } else {
    EXPECT_EQ(box->text(), "");
    EXPECT_EQ(box->toolTip(), QString::fromUtf8("lütfen geçerli bir değer giriniz"));
    EXPECT_EQ(text, RejectedRed(box));
  }
}

INSTANTIATE_TEST_SUITE_P(Table, DiscountInputTest, ::testing::ValuesIn(kDiscountCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiscountInputKeysTest, RedStaysUntilTheNextAcceptedChange) {
  FormHarness h;
  h.Type(h.form->IndirimText, "150");
  EXPECT_EQ(h.form->IndirimText->palette().color(QPalette::Text), RejectedRed(h.form->IndirimText));
  QTest::keyClicks(h.form->IndirimText, "7");
  EXPECT_NE(h.form->IndirimText->palette().color(QPalette::Text), RejectedRed(h.form->IndirimText));
  EXPECT_EQ(h.form->IndirimText->toolTip(), "7");
  EXPECT_EQ(h.engine->DiscountPercent, 7);
}

}  // namespace
}  // namespace lumor::testing
