#include "order_code.h"

#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "catalogue.h"
#include "engine.h"
#include "jumper.h"
#include "number_text.h"

namespace lumor {
namespace {

using testing::CaseName;
using testing::NamedCase;

struct AcceptedCase : NamedCase {
  std::string text;
  bool pigtail;
  bool duplex;
  Fibre fibre;
  const char* left;
  const char* length;
  const char* cable;
  const char* right;
};

const AcceptedCase kAccepted[] = {
    {"default selection", "C-S-SM-SC-10-SL1800-SC", false, false, Fibre::kSingleMode, "SC", "10",
     "1800", "SC"},
    {"pigtail takes XX on the right", "T-D-M2-FA-10-SL1800-XX", true, true, Fibre::kMultiMode50,
     "FA", "10", "1800", "XX"},
    {"M1 is multimode 62.5", "C-S-M1-LC-2.5-SL2000-ST", false, false, Fibre::kMultiMode62, "LC",
     "2.5", "2000", "ST"},
    {"Fig-0 with duplex, its dash is not a field end", "C-D-SM-SC-10-SLFig-0-SC", false, true,
     Fibre::kSingleMode, "SC", "10", "Fig-0", "SC"},
    {"dash inside the length", "C-S-SM-SC-12-3-SL0900-E2", false, false, Fibre::kSingleMode, "SC",
     "12-3", "0900", "E2"},
    {"dash inside the length with Fig-0", "T-D-SM-EA-3-4-SLFig-0-XX", true, true,
     Fibre::kSingleMode, "EA", "3-4", "Fig-0", "XX"},
    {"-SL inside the length: the cable follows the last one", "C-S-SM-SC-5-SL-SL1800-SC", false,
     false, Fibre::kSingleMode, "SC", "5-SL", "1800", "SC"},
    {"length that only begins with a number, kept verbatim", "C-S-SM-SC-12abc-SL3000-FA", false,
     false, Fibre::kSingleMode, "SC", "12abc", "3000", "FA"},
    {"comma ends the length's number", "C-S-SM-SC-1,5-SL1800-SC", false, false, Fibre::kSingleMode,
     "SC", "1,5", "1800", "SC"},
    {"blanks inside the length are kept", "C-S-SM-SC- 1 2 -SL1800-SC", false, false,
     Fibre::kSingleMode, "SC", " 1 2 ", "1800", "SC"},
    {"exponent length", "C-S-SM-SC-1e3-SL1800-SC", false, false, Fibre::kSingleMode, "SC", "1e3",
     "1800", "SC"},
    {"hexadecimal length", "C-S-SM-SC-&H10-SL1800-SC", false, false, Fibre::kSingleMode, "SC",
     "&H10", "1800", "SC"},
    {"shortest accepted length", "C-S-SM-SC-1-SL1800-SC", false, false, Fibre::kSingleMode, "SC",
     "1", "1800", "SC"},
    {"longest accepted length", "C-S-SM-SC-1000.99-SL1800-SC", false, false, Fibre::kSingleMode,
     "SC", "1000.99", "1800", "SC"},
    {"multimode with an angled connector is not refused", "C-S-M2-SA-10-SL1800-LA", false, false,
     Fibre::kMultiMode50, "SA", "10", "1800", "LA"},
    {"blanks and tabs around the code", " \tC-S-SM-SC-10-SL1800-SC \t", false, false,
     Fibre::kSingleMode, "SC", "10", "1800", "SC"},
};

class AcceptedCodeTest : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedCodeTest, ReadsEveryField) {
  const auto& c = GetParam();
  OrderCode code;
  const auto error = ReadOrderCode(c.text, code);
  ASSERT_FALSE(error) << error->message;
  EXPECT_EQ(code.pigtail, c.pigtail);
  EXPECT_EQ(code.duplex, c.duplex);
  EXPECT_EQ(code.fibre, c.fibre);
  EXPECT_EQ(code.left, c.left);
  EXPECT_EQ(code.length, c.length);
  EXPECT_EQ(code.cable, c.cable);
  EXPECT_EQ(code.right, c.right);
}

INSTANTIATE_TEST_SUITE_P(Codes, AcceptedCodeTest, ::testing::ValuesIn(kAccepted), CaseName());

TEST(OrderCodeReaderTest, TheCodeIsWhatRemainsWithoutTheBlanksAround) {
  OrderCode code;
  ASSERT_FALSE(ReadOrderCode(" \tT-D-SM-SC- 7 -SLFig-0-XX\t ", code));
  EXPECT_EQ(code.text, "T-D-SM-SC- 7 -SLFig-0-XX");
}

// Near the limits the reader must decide exactly as the window's reading does.
TEST(OrderCodeReaderTest, EveryLengthNearTheLimitsIsJudgedAsTheWindowJudgesIt) {
  const char* wholes[] = {"",   "0",   "00",  "1",    "01",    "0001", "2",    "9",    "10",
                          "99", "100", "999", "1000", "01000", "1001", "1002", "9999", "10000"};
  const std::string nines15(15, '9');
  const std::string nines17(17, '9');
  const std::string fractions[] = {"",        ".",       ".0",       ".5",          ".99",
                                   ".999999", ".000001", ".9999999", "." + nines15, "." + nines17,
                                   "e0",      "x"};
  for (const char* whole : wholes) {
    for (const std::string& fraction : fractions) {
      const std::string length = whole + fraction;
      const double v = LeadingNumber(length);
      const bool windowAccepts = v >= 1 && v < 1001;
      OrderCode code;
      const auto error = ReadOrderCode("C-S-SM-SC-" + length + "-SL1800-SC", code);
      EXPECT_EQ(!error, windowAccepts) << "length '" << length << "'";
      if (error) {
        EXPECT_EQ(error->field, CodeField::kLength) << length;
      }
    }
  }
}

struct RejectedCase : NamedCase {
  std::string text;
  CodeField field;
  const char* message;
};

const RejectedCase kRejected[] = {
    {"empty", "", CodeField::kCode, "the order code is empty"},
    {"only blanks", "   ", CodeField::kCode, "the order code is empty"},
    {"no dash at all", "hello", CodeField::kCode,
     "'hello' is not an order code of the form TYPE-STRUCTURE-FIBRE-LEFT-LENGTH-SLCABLE-RIGHT, "
     "such as C-S-SM-SC-10-SL1800-SC"},
    {"no -SL before the cable", "C-S-SM-SC-10-1800-SC", CodeField::kCode,
     "'C-S-SM-SC-10-1800-SC' is not an order code of the form "
     "TYPE-STRUCTURE-FIBRE-LEFT-LENGTH-SLCABLE-RIGHT, such as C-S-SM-SC-10-SL1800-SC"},
    {"-SL only after the last dash", "C-S-SM-SC-10-1800-SLSC", CodeField::kCode,
     "'C-S-SM-SC-10-1800-SLSC' is not an order code of the form "
     "TYPE-STRUCTURE-FIBRE-LEFT-LENGTH-SLCABLE-RIGHT, such as C-S-SM-SC-10-SL1800-SC"},
    {"type", "X-S-SM-SC-10-SL1800-SC", CodeField::kType,
     "type 'X' is not C (patch cord) or T (pigtail)"},
    {"type is case-sensitive", "c-S-SM-SC-10-SL1800-SC", CodeField::kType,
     "type 'c' is not C (patch cord) or T (pigtail)"},
    {"type checked before the missing structure", "X-SL1800-SC", CodeField::kType,
     "type 'X' is not C (patch cord) or T (pigtail)"},
    {"structure missing", "C-SL1800-SC", CodeField::kStructure,
     "the structure is missing in 'C-SL1800-SC'; an order code reads like "
     "C-S-SM-SC-10-SL1800-SC"},
    {"structure", "C-Q-SM-SC-10-SL1800-SC", CodeField::kStructure,
     "structure 'Q' is not S (simplex) or D (duplex)"},
    {"fibre missing", "C-S-SL1800-SC", CodeField::kFibre,
     "the fibre is missing in 'C-S-SL1800-SC'; an order code reads like C-S-SM-SC-10-SL1800-SC"},
    {"fibre", "C-S-MM-SC-10-SL1800-SC", CodeField::kFibre, "fibre 'MM' is not one of SM, M1, M2"},
    {"left connector missing", "C-S-SM-SL1800-SC", CodeField::kLeftConnector,
     "the left connector is missing in 'C-S-SM-SL1800-SC'; an order code reads like "
     "C-S-SM-SC-10-SL1800-SC"},
    {"left connector", "C-S-SM-SX-10-SL1800-SC", CodeField::kLeftConnector,
     "left connector 'SX' is not one of SC, SA, FC, FA, LC, LA, ST, E2, EA"},
    {"left connector is case-sensitive", "C-S-SM-sc-10-SL1800-SC", CodeField::kLeftConnector,
     "left connector 'sc' is not one of SC, SA, FC, FA, LC, LA, ST, E2, EA"},
    {"left connector cannot be XX", "T-S-SM-XX-10-SL1800-XX", CodeField::kLeftConnector,
     "left connector 'XX' is not one of SC, SA, FC, FA, LC, LA, ST, E2, EA"},
    {"length missing", "C-S-SM-SC-SL1800-SC", CodeField::kLength,
     "the length is missing in 'C-S-SM-SC-SL1800-SC'; an order code reads like "
     "C-S-SM-SC-10-SL1800-SC"},
    {"empty length, as after a rejection in the window", "C-S-SM-SC--SL1800-SC", CodeField::kLength,
     "the length is empty; the calculator leaves it so only after refusing a length, and such a "
     "code cannot be ordered"},
    {"two codes pasted with a blank", "C-S-SM-SC-10-SL1800-SC C-S-SM-SC-20-SL1800-LC",
     CodeField::kLength,
     "length '10-SL1800-SC C-S-SM-SC-20' holds the start of another order code: two order codes "
     "on one line?"},
    {"two codes pasted with a tab", "C-S-SM-SC-10-SL1800-SC\tT-S-SM-SC-20-SL1800-XX",
     CodeField::kLength,
     "length '10-SL1800-SC\\tT-S-SM-SC-20' holds the start of another order code: two order "
     "codes on one line?"},
    {"two codes pasted with a semicolon", "C-S-SM-SC-10-SL1800-SC;C-S-SM-SC-20-SL1800-LC",
     CodeField::kLength,
     "length '10-SL1800-SC;C-S-SM-SC-20' holds the start of another order code: two order codes "
     "on one line?"},
    {"two codes run together", "C-S-SM-SC-10-SL1800-SCC-S-SM-SC-20-SL1800-LC", CodeField::kLength,
     "length '10-SL1800-SCC-S-SM-SC-20' holds the start of another order code: two order codes "
     "on one line?"},
    {"a line feed in the length", "C-S-SM-SC-1\n0-SL1800-SC", CodeField::kLength,
     "length '1\\n0' holds a control character"},
    {"a NUL in the length", std::string("C-S-SM-SC-10\0-SL1800-SC", 24), CodeField::kLength,
     "length '10\\x00' holds a control character"},
    {"length just below 1", "C-S-SM-SC-0.99-SL1800-SC", CodeField::kLength,
     "length '0.99' reads as .99 m; it must be at least 1 and below 1001"},
    {"length 1001", "C-S-SM-SC-1001-SL1800-SC", CodeField::kLength,
     "length '1001' reads as 1001 m; it must be at least 1 and below 1001"},
    {"length 2e3", "C-S-SM-SC-2e3-SL1800-SC", CodeField::kLength,
     "length '2e3' reads as 2000 m; it must be at least 1 and below 1001"},
    {"length without a leading number", "C-S-SM-SC-abc-SL1800-SC", CodeField::kLength,
     "length 'abc' reads as 0 m; it must be at least 1 and below 1001"},
    {"negative length", "C-S-SM-SC--5-SL1800-SC", CodeField::kLength,
     "length '-5' reads as -5 m; it must be at least 1 and below 1001"},
    {"length beyond a double", "C-S-SM-SC-1e999-SL1800-SC", CodeField::kLength,
     "length '1e999' reads as Inf m; it must be at least 1 and below 1001"},
    {"cable", "C-S-SM-SC-10-SL1900-SC", CodeField::kCable,
     "cable code '1900' is not one of 0900, 1700, 1800, 2000, 2200, 2400, 2600, 2800, 3000, "
     "Fig-0"},
    {"cable is case-sensitive", "C-D-SM-SC-10-SLfig-0-SC", CodeField::kCable,
     "cable code 'fig-0' is not one of 0900, 1700, 1800, 2000, 2200, 2400, 2600, 2800, 3000, "
     "Fig-0"},
    {"empty cable", "C-S-SM-SC-10-SL-SC", CodeField::kCable,
     "cable code '' is not one of 0900, 1700, 1800, 2000, 2200, 2400, 2600, 2800, 3000, Fig-0"},
    {"Fig-0 only with duplex", "C-S-SM-SC-10-SLFig-0-SC", CodeField::kCable,
     "cable code 'Fig-0' is made only as duplex (D), not S"},
    {"right connector", "C-S-SM-SC-10-SL1800-QQ", CodeField::kRightConnector,
     "right connector 'QQ' is not one of SC, SA, FC, FA, LC, LA, ST, E2, EA"},
    {"empty right connector", "C-S-SM-SC-10-SL1800-", CodeField::kRightConnector,
     "right connector '' is not one of SC, SA, FC, FA, LC, LA, ST, E2, EA"},
    {"XX on a patch cord", "C-S-SM-SC-10-SL1800-XX", CodeField::kRightConnector,
     "right connector 'XX' is not one of SC, SA, FC, FA, LC, LA, ST, E2, EA (XX is for a "
     "pigtail, T)"},
    {"a connector on a pigtail's right end", "T-S-SM-SC-10-SL1800-SC", CodeField::kRightConnector,
     "right connector 'SC' must be XX for a pigtail (T)"},
    {"pigtail's XX is case-sensitive", "T-S-SM-SC-10-SL1800-xx", CodeField::kRightConnector,
     "right connector 'xx' must be XX for a pigtail (T)"},
    {"trailing text after the right connector", "C-S-SM-SC-10-SL1800-SC;",
     CodeField::kRightConnector,
     "right connector 'SC;' is not one of SC, SA, FC, FA, LC, LA, ST, E2, EA"},
    {"the first wrong field is named", "C-S-XX-SC-0-SL1900-QQ", CodeField::kFibre,
     "fibre 'XX' is not one of SM, M1, M2"},
    {"control characters are escaped", "C-S-SM-S\x1b[2J-10-SL1800-SC", CodeField::kLeftConnector,
     "left connector 'S\\x1B[2J' is not one of SC, SA, FC, FA, LC, LA, ST, E2, EA"},
    {"a long field is cut short in the message",
     "C-S-SM-SC-" + std::string(5000, 'x') + "-SL1800-SC", CodeField::kLength,
     "length 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...' reads as 0 m; it must be at least 1 "
     "and below 1001"},
};

class RejectedCodeTest : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedCodeTest, NamesTheFieldAndTheReason) {
  const auto& c = GetParam();
  OrderCode code;
  const auto error = ReadOrderCode(c.text, code);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->field, c.field);
  EXPECT_EQ(error->message, c.message);
}

INSTANTIATE_TEST_SUITE_P(Codes, RejectedCodeTest, ::testing::ValuesIn(kRejected), CaseName());

// Every code the window can compose reads back to the same selection, and so
// to the same order line: the reader is BuildOrderLine's inverse.
TEST(OrderCodeRoundTripTest, EveryCatalogueCodeReadsBackToItsLine) {
  const char* lengths[] = {"10", "1", "1000.99", "12abc", "1,5", " 7", "3-4", "5-SL", "1-SLFig-0"};
  Engine written;
  Engine read;
  read.LoadDefaults();
  std::size_t codes = 0;  // one per selection
  for (bool pigtail : {false, true}) {
    for (bool duplex : {false, true}) {
      for (auto fibre : {testing::SM, testing::MM62, testing::MM50}) {
        for (const ConnectorInfo& left : kConnectors) {
          for (const ConnectorInfo& right : kConnectors) {
            if (pigtail && &right != &kConnectors.front()) continue;
            for (const CableInfo& cable : kCables) {
              if (cable.duplexOnly && !duplex) continue;
              for (const char* length : lengths) {
                // The catalogue's codes are literals, so their data ends in NUL.
                testing::Apply(written, {pigtail, duplex, fibre, left.code.data(),
                                         pigtail ? kNoConnector.data() : right.code.data(),
                                         cable.code.data(), length, 0});
                written.BuildOrderLine();
                const std::string line = written.OrderLine;
                const std::string code = line.substr(0, line.find("    "));

                OrderCode parsed;
                const auto error = ReadOrderCode(code, parsed);
                ASSERT_FALSE(error) << code << ": " << error->message;
                SelectOrderCode(parsed, read.SelectionState);
                read.BuildOrderLine();
                ASSERT_EQ(read.OrderLine, line) << code;
                ++codes;
              }
            }
          }
        }
      }
    }
  }
  // patch cords 2 x 3 x 9 x 9, pigtails 2 x 3 x 9, each with every cable but Fig-0
  // on simplex, at every length
  EXPECT_EQ(codes, (2u * 3u * 9u * 9u + 2u * 3u * 9u) / 2u * 19u * 9u);
}

}  // namespace
}  // namespace lumor
