#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "shown_text.h"

namespace lumor {
namespace {

using testing::CaseName;
using testing::NamedCase;

struct Utf8Case : NamedCase {
  std::string text;
  bool valid;
};

const Utf8Case kUtf8Cases[] = {
    {"empty", "", true},
    {"ASCII longer than a word", "C-S-SM-SC-10-SL1800-SC", true},
    {"two three and four byte sequences", "\xC3\xBC \xE2\x82\xAC \xF0\x9F\x98\x80", true},
    {"highest code point", "\xF4\x8F\xBF\xBF", true},
    {"lone continuation byte", "ab\x80", false},
    {"Latin-1 byte after eight ASCII bytes", "abcdefgh\xFC", false},
    {"truncated sequence at the end", "abc\xE2\x82", false},
    {"overlong slash", "\xC0\xAF", false},
    {"overlong three bytes", "\xE0\x80\xAF", false},
    {"surrogate", "\xED\xA0\x80", false},
    {"above U+10FFFF", "\xF4\x90\x80\x80", false},
    {"lead byte F5", "\xF5\x80\x80\x80", false},
    {"lead byte followed by ASCII", "\xC3x", false},
};

class Utf8Test : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Test, AcceptsOnlyWellFormedUtf8) {
  EXPECT_EQ(IsValidUtf8(GetParam().text), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Texts, Utf8Test, ::testing::ValuesIn(kUtf8Cases), CaseName());

struct MessageCase : NamedCase {
  std::string text;
  std::size_t maxBytes;
  std::string shown;
};

const MessageCase kMessageCases[] = {
    {"plain text unchanged", "C-S-SM-SC", 40, "C-S-SM-SC"},
    {"letters beyond ASCII unchanged", "M\xC3\xBCller", 40, "M\xC3\xBCller"},
    {"escape sequence cannot reach the terminal", "\x1b[31mred", 40, "\\x1B[31mred"},
    {"tab, line feed and CR by name", "a\tb\nc\rd", 40, "a\\tb\\nc\\rd"},
    {"NUL and DEL as hex", std::string("a\0b\x7F", 4), 40, "a\\x00b\\x7F"},
    {"backslash doubled so escapes stay unambiguous", "a\\x41", 40, "a\\\\x41"},
    {"invalid bytes as hex", "ab\xFF\xC3", 40, "ab\\xFF\\xC3"},
    {"C1 control as code point",
     "a\xC2\x9B"
     "b",
     40, "a\\u009Bb"},
    {"right-to-left override as code point",
     "a\xE2\x80\xAE"
     "b",
     40, "a\\u202Eb"},
    {"cut after the limit", "abcdefghij", 4, "abcd..."},
    {"exactly the limit is not cut", "abcd", 4, "abcd"},
    {"never cut inside a character",
     "abc\xE2\x82\xAC"
     "def",
     4, "abc\xE2\x82\xAC..."},
};

class MessageTextTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageTextTest, ShowsInputSafely) {
  const auto& c = GetParam();
  EXPECT_EQ(MessageText(c.text, c.maxBytes), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, MessageTextTest, ::testing::ValuesIn(kMessageCases), CaseName());

TEST(MessageTextTest, AMegabyteIsShownShort) {
  EXPECT_EQ(MessageText(std::string(1 << 20, 'x')).size(), 43u);
}

}  // namespace
}  // namespace lumor
