#include "quote_session.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "case_name.h"
#include "known_lines.h"
#include "posix_settings_store.h"

namespace lumor::quote {
namespace {

using testing::CaseName;
using testing::NamedCase;

const std::string kCsvHeader = "code,description,unit_price_eur,quantity,total_eur\r\n";
const std::string kDefaultDescription =
    "Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 10 m";
const std::string kDefaultRow = kDefault + "," + kDefaultDescription + ",13.71";
const std::string kPigtail = "T-D-M2-FA-10-SL1800-XX";
const std::string kBadCable =
    "cable code '1900' is not one of 0900, 1700, 1800, 2000, 2200, 2400, 2600, 2800, 3000, "
    "Fig-0\n";
const std::string kMegabyteLine = "C-S-SM-SC-" + std::string(1 << 20, '1') + "-SL1800-SC";
const std::string kNotACode =
    "' is not an order code of the form TYPE-STRUCTURE-FIBRE-LEFT-LENGTH-SLCABLE-RIGHT, such as "
    "C-S-SM-SC-10-SL1800-SC\n";

// The start of a message about line n of the input.
std::string At(int line) { return "lumor-quote: in:" + std::to_string(line) + ": "; }

struct SessionCase : NamedCase {
  OutputFormat format;
  std::string input;
  std::string out;
  std::string err;
};

const SessionCase kSessionCases[] = {
    {"blank lines are skipped, a hash line is not a comment", OutputFormat::kText,
     "# order 4711\n\n" + kDefault + "\n   \n" + kPigtail + "\n", kDefaultLine + kPigtailLine,
     At(1) + "'# order 4711" + kNotACode},
    {"CRLF and no final line end", OutputFormat::kText, kDefault + "\r\n" + kDefault,
     kDefaultLine + kDefaultLine, ""},
    {"CR alone ends a line, as a classic Mac file has it", OutputFormat::kText,
     kDefault + "\r" + kPigtail + "\r" + kDefault, kDefaultLine + kPigtailLine + kDefaultLine, ""},
    {"blanks around a code", OutputFormat::kText, " \t" + kDefault + "\t \n", kDefaultLine, ""},
    {"a rejected line is reported and the others priced", OutputFormat::kText,
     "\nC-S-SM-SC-10-SL1900-SC\n" + kDefault + "\nC-S-SM-SC-0-SL1800-SC\n", kDefaultLine,
     At(2) + kBadCable + At(4) + "length '0' reads as 0 m; it must be at least 1 and below 1001\n"},
    {"two codes on one line, pasted from an e-mail", OutputFormat::kText,
     kDefault + ", " + kPigtail + "\n" + kDefault + "\t" + kPigtail + "\n", "",
     At(1) +
         "length '10-SL1800-SC, T-D-M2-FA-10' holds the start of another order code: two "
         "order codes on one line?\n" +
         At(2) +
         "length '10-SL1800-SC\\tT-D-M2-FA-10' holds the start of another order code: "
         "two order codes on one line?\n"},
    {"an empty length, as the window writes it after a rejected one", OutputFormat::kText,
     "C-S-SM-SC--SL1800-SC\n", "",
     At(1) + "the length is empty; the calculator leaves it so only after refusing a length, and "
             "such a code cannot be ordered\n"},
    {"empty input", OutputFormat::kText, "", "", ""},
    {"empty input in CSV has only the frame", OutputFormat::kCsv, "",
     kCsvHeader + "TOTAL,,,0,0.00\r\n", ""},
    {"not UTF-8", OutputFormat::kText, "C-S-SM-SC-10\xFF-SL1800-SC\n" + kDefault + "\n",
     kDefaultLine, At(1) + "not valid UTF-8\n"},
    {"a megabyte line is cut short in the message", OutputFormat::kText,
     kMegabyteLine + "\n" + kDefault + "\n", kDefaultLine,
     At(1) + "the record is 1048596 bytes long, above the limit of 65536: "
             "'C-S-SM-SC-111111111111111111111111111111...'\n"},
    {"control characters are escaped", OutputFormat::kText, std::string("\x01\x1b[2J\0\n", 6), "",
     At(1) + "'\\x01\\x1B[2J\\x00" + kNotACode},
    {"a first line with a comma is no header unless it names a code column", OutputFormat::kText,
     "Rack 3, tray 2\n" + kDefault + "\n", kDefaultLine, At(1) + "'Rack 3, tray 2" + kNotACode},
    {"a title above the header is rejected and the header still found", OutputFormat::kCsv,
     "Rack 3\npos,code\n1," + kDefault + "\n",
     kCsvHeader + kDefaultRow + ",1,13.71\r\nTOTAL,not including 1 rejected,,1,13.71\r\n",
     At(1) + "'Rack 3" + kNotACode},
    {"a first code with a comma is no header", OutputFormat::kText, "C-S-SM-SC-1,5-SL1800-SC\n",
     "C-S-SM-SC-1,5-SL1800-SC    Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 1,5 m "
     "----- 10.19 EUR/adet\n",
     ""},
    {"codes to CSV with quantity 1 and quoting", OutputFormat::kCsv,
     kDefault + "\nC-S-SM-SC-1,5-SL1800-SC\n",
     kCsvHeader + kDefaultRow + ",1,13.71\r\n" +
         "\"C-S-SM-SC-1,5-SL1800-SC\",\"Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm "
         "1,5 m\",10.19,1,10.19\r\n" +
         "TOTAL,,,2,23.90\r\n",
     ""},
    {"CSV with quantities, other columns, quotes and empty rows", OutputFormat::kCsv,
     "pos,code,note,quantity\n1," + kDefault + ",\"a, \"\"b\"\"\",10\n,,,\n" + "2,\"" + kPigtail +
         "\",,3\n",
     kCsvHeader + kDefaultRow + ",10,137.10\r\n" +
         "T-D-M2-FA-10-SL1800-XX,Pigtail Dubleks Multi Mode 50/125  FC-APC /   1.8 mm 10 m,"
         "23.94,3,71.82\r\n" +
         "TOTAL,,,13,208.92\r\n",
     ""},
    {"a position column written #1, #2", OutputFormat::kCsv,
     "pos,code,quantity\n#1," + kDefault + ",2\n#2," + kPigtail + ",1\n",
     kCsvHeader + kDefaultRow + ",2,27.42\r\n" +
         "T-D-M2-FA-10-SL1800-XX,Pigtail Dubleks Multi Mode 50/125  FC-APC /   1.8 mm 10 m,"
         "23.94,1,23.94\r\nTOTAL,,,3,51.36\r\n",
     ""},
    {"semicolons and Turkish column names, as Turkish spreadsheets write them", OutputFormat::kCsv,
     "Sıra;KOD;Adet\r\n1;" + kDefault + ";2\r\n2;\"C-S-SM-SC-1;5-SL1800-SC\";1\r\n",
     kCsvHeader + kDefaultRow + ",2,27.42\r\n" +
         "C-S-SM-SC-1;5-SL1800-SC,Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 1;5 m,"
         "10.19,1,10.19\r\nTOTAL,,,3,37.61\r\n",
     ""},
    {"a control character in a quoted length", OutputFormat::kCsv,
     "code\n\"C-S-SM-SC-1\n0-SL1800-SC\"\n" + kDefault + "\n",
     kCsvHeader + kDefaultRow + ",1,13.71\r\nTOTAL,not including 1 rejected,,1,13.71\r\n",
     At(2) + "length '1\\n0' holds a control character\n"},
    {"text output prices quantities too", OutputFormat::kText,
     "code,quantity\n" + kDefault + ",5\n",
     kDefaultLine.substr(0, kDefaultLine.size() - 1) + " x 5 = 68.55 EUR\n", ""},
    {"CSV header names are matched without case and blanks, after a BOM", OutputFormat::kCsv,
     "\xEF\xBB\xBF Code ,QUANTITY\r\n" + kDefault + ",2\r\n",
     kCsvHeader + kDefaultRow + ",2,27.42\r\nTOTAL,,,2,27.42\r\n", ""},
    {"a lone code column is a header", OutputFormat::kText, "code\n" + kDefault + "\n",
     kDefaultLine, ""},
    {"without a code column every line is a code", OutputFormat::kCsv,
     "name,quantity\n" + kDefault + ",2\n",
     kCsvHeader + "TOTAL,not including 2 rejected,,0,0.00\r\n",
     At(1) + "'name,quantity" + kNotACode + At(2) +
         "right connector 'SC,2' is not one of SC, SA, FC, FA, LC, LA, ST, E2, EA\n"},
    {"two code columns: no row is priced, each says why", OutputFormat::kText,
     "code,Kod\n" + kDefault + "," + kDefault + "\n", "",
     At(1) + "the header on line 1 names two code columns\n" + At(2) +
         "not priced: the header on line 1 names two code columns\n"},
    {"unclosed quote in the header", OutputFormat::kText, "\"code,quantity\n" + kDefault + "\n",
     kDefaultLine, At(1) + "'\"code,quantity" + kNotACode},
    {"unclosed quote in a row runs to the end", OutputFormat::kText,
     "code\n" + kDefault + "\n\"" + kDefault + "\n" + kDefault + "\n", kDefaultLine,
     At(3) + "malformed CSV: a quote is not closed before the end of the input\n"},
    {"text after a closing quote", OutputFormat::kText,
     "quantity,code\n1,\"" + kDefault + "\"x\n1," + kDefault + "\n",
     kDefaultLine.substr(0, kDefaultLine.size() - 1) + " x 1 = 13.71 EUR\n",
     At(2) + "malformed CSV: text after the closing quote of field 2\n"},
    {"line numbers count the line ends inside quotes", OutputFormat::kText,
     "code,note\n" + kDefault + ",\"two\r\nlines\"\nC-S-SM-SC-10-SL1900-SC,x\n", kDefaultLine,
     At(4) + kBadCable},
    {"row too short for the code column", OutputFormat::kText, "note,code\nx\n", "",
     At(2) + "the row ends after field 1, before the code column (field 2)\n"},
    {"row too short for the quantity column", OutputFormat::kText,
     "code,x,quantity\n" + kDefault + "\n", "",
     At(2) + "the row ends after field 1, before the quantity column (field 3)\n"},
    {"quantities that are not positive whole numbers", OutputFormat::kCsv,
     "code,quantity\n" + kDefault + ",0\n" + kDefault + ",2.5\n" + kDefault + ",\n" + kDefault +
         ",4\n",
     kCsvHeader + kDefaultRow + ",4,54.84\r\nTOTAL,not including 3 rejected,,4,54.84\r\n",
     At(2) + "quantity '0' is not a positive whole number\n" + At(3) +
         "quantity '2.5' is not a positive whole number\n" + At(4) + "the quantity is empty\n"},
    {"the code is checked before the quantity", OutputFormat::kText,
     "code,quantity\nC-S-SM-SC-10-SL1900-SC,0\n", "", At(2) + kBadCable},
    {"an empty code field", OutputFormat::kText, "code,quantity\n,3\n", "",
     At(2) + "the order code is empty\n"},
    {"a megabyte CSV record", OutputFormat::kText, "code\n" + kMegabyteLine + "\n" + kDefault,
     kDefaultLine,
     At(2) + "the record is 1048596 bytes long, above the limit of 65536: "
             "'C-S-SM-SC-111111111111111111111111111111...'\n"},
};

class QuoteSessionTest : public ::testing::TestWithParam<SessionCase> {};

TEST_P(QuoteSessionTest, PricesOrRejectsEveryRecord) {
  const auto& c = GetParam();
  PosixSettingsStore store("C");
  Engine engine(store);
  engine.LoadDefaults();
  std::ostringstream out;
  std::ostringstream err;
  QuoteSession session(engine, c.format, out, err);
  std::istringstream in(c.input);
  session.PriceInput("in", in, false);
  session.Finish();
  EXPECT_EQ(out.str(), c.out);
  EXPECT_EQ(err.str(), c.err);
}

INSTANTIATE_TEST_SUITE_P(Inputs, QuoteSessionTest, ::testing::ValuesIn(kSessionCases), CaseName());

}  // namespace
}  // namespace lumor::quote
