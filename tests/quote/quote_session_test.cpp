#include "quote_session.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "case_name.h"
#include "command_line.h"
#include "csv_quote_writer.h"
#include "known_lines.h"
#include "posix_settings_store.h"
#include "text_quote_writer.h"

namespace lumor::quote {
namespace {

const std::string kCsvHeader = "code,description,unit_price_eur,quantity,total_eur\r\n";
const std::string kDefaultDescription =
    "Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 10 m";
const std::string kBadCable =
    "cable code '1900' is not one of 0900, 1700, 1800, 2000, 2200, 2400, 2600, 2800, 3000, "
    "Fig-0\n";
const std::string kMegabyteLine = "C-S-SM-SC-" + std::string(1 << 20, '1') + "-SL1800-SC";

struct SessionCase : NamedCase {
  OutputFormat format;
  std::string input;
  std::string out;
  std::string err;
};

const SessionCase kSessionCases[] = {
    {"codes with blank and comment lines", OutputFormat::kText,
     "# order 4711\n\n" + kDefault + "\n   \n  # indented\nT-D-M2-FA-10-SL1800-XX\n",
     kDefaultLine + kPigtailLine, ""},
    {"CRLF and no final line end", OutputFormat::kText, kDefault + "\r\n" + kDefault,
     kDefaultLine + kDefaultLine, ""},
    {"blanks around a code", OutputFormat::kText, " \t" + kDefault + "\t \n", kDefaultLine, ""},
    {"a rejected line is reported and the others priced", OutputFormat::kText,
     "\nC-S-SM-SC-10-SL1900-SC\n" + kDefault + "\nC-S-SM-SC-0-SL1800-SC\n", kDefaultLine,
     "line 2: " + kBadCable +
         "line 4: length '0' reads as 0 m; it must be at least 1 and below 1001\n"},
    {"empty input", OutputFormat::kText, "", "", ""},
    {"empty input in CSV has only the frame", OutputFormat::kCsv, "",
     kCsvHeader + "TOTAL,,,0,0.00\r\n", ""},
    {"only comments", OutputFormat::kText, "# nothing\n#\n", "", ""},
    {"not UTF-8", OutputFormat::kText, "C-S-SM-SC-10\xFF-SL1800-SC\n" + kDefault + "\n",
     kDefaultLine, "line 1: not valid UTF-8\n"},
    {"a megabyte line is cut short in the message", OutputFormat::kText,
     kMegabyteLine + "\n" + kDefault + "\n", kDefaultLine,
     "line 1: the line is 1048596 bytes long, above the limit of 65536: "
     "'C-S-SM-SC-111111111111111111111111111111...'\n"},
    {"control characters are escaped", OutputFormat::kText, std::string("\x01\x1b[2J\0\n", 6), "",
     "line 1: '\\x01\\x1B[2J\\x00' is not an order code of the form "
     "TYPE-STRUCTURE-FIBRE-LEFT-LENGTH-SLCABLE-RIGHT, such as C-S-SM-SC-10-SL1800-SC\n"},
    {"first line neither code nor header is a rejected code", OutputFormat::kText,
     "hello\n" + kDefault + "\n", kDefaultLine,
     "line 1: 'hello' is not an order code of the form "
     "TYPE-STRUCTURE-FIBRE-LEFT-LENGTH-SLCABLE-RIGHT, such as C-S-SM-SC-10-SL1800-SC\n"},
    {"a first code with a comma is no header", OutputFormat::kText, "C-S-SM-SC-1,5-SL1800-SC\n",
     "C-S-SM-SC-1,5-SL1800-SC    Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 1,5 m "
     "----- 10.19 EUR/adet\n",
     ""},
    {"codes to CSV with quantity 1 and quoting", OutputFormat::kCsv,
     kDefault + "\nC-S-SM-SC-1,5-SL1800-SC\n",
     kCsvHeader + kDefault + "," + kDefaultDescription + ",13.71,1,13.71\r\n" +
         "\"C-S-SM-SC-1,5-SL1800-SC\",\"Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm "
         "1,5 m\",10.19,1,10.19\r\n" +
         "TOTAL,,,2,23.90\r\n",
     ""},
    {"CSV with quantities, other columns, quotes and empty rows", OutputFormat::kCsv,
     "pos,code,note,quantity\n1," + kDefault + ",\"a, \"\"b\"\"\",10\n,,,\n# comment\n" +
         "2,\"T-D-M2-FA-10-SL1800-XX\",,3\n",
     kCsvHeader + kDefault + "," + kDefaultDescription + ",13.71,10,137.10\r\n" +
         "T-D-M2-FA-10-SL1800-XX,Pigtail Dubleks Multi Mode 50/125  FC-APC /   1.8 mm 10 m,"
         "23.94,3,71.82\r\n" +
         "TOTAL,,,13,208.92\r\n",
     ""},
    {"CSV in text format still one order line a code", OutputFormat::kText,
     "code,quantity\n" + kDefault + ",5\n", kDefaultLine, ""},
    {"CSV header names are matched without case and blanks, after a BOM", OutputFormat::kCsv,
     "\xEF\xBB\xBF Code ,QUANTITY\r\n" + kDefault + ",2\r\n",
     kCsvHeader + kDefault + "," + kDefaultDescription + ",13.71,2,27.42\r\nTOTAL,,,2,27.42\r\n",
     ""},
    {"a lone code column is a header", OutputFormat::kText, "code\n" + kDefault + "\n",
     kDefaultLine, ""},
    {"no code column stops with a clear error", OutputFormat::kCsv,
     "name,quantity\n" + kDefault + ",2\n", kCsvHeader + "TOTAL,,,0,0.00\r\n",
     "line 1: the CSV header 'name,quantity' has no 'code' column, so no row can be priced\n"},
    {"two code columns", OutputFormat::kText, "code,Code\n" + kDefault + "," + kDefault + "\n", "",
     "line 1: the CSV header has two 'code' columns\n"},
    {"unclosed quote in the header", OutputFormat::kText, "\"code,quantity\n" + kDefault + "\n", "",
     "line 1: malformed CSV header: field 1 has an unclosed quote\n"},
    {"unclosed quote in a row runs to the end", OutputFormat::kText,
     "code\n" + kDefault + "\n\"" + kDefault + "\n" + kDefault + "\n", kDefaultLine,
     "line 3: malformed CSV: a quote is not closed before the end of the input\n"},
    {"text after a closing quote", OutputFormat::kText,
     "quantity,code\n1,\"" + kDefault + "\"x\n1," + kDefault + "\n", kDefaultLine,
     "line 2: malformed CSV: text after the closing quote of field 2\n"},
    {"line numbers count the line ends inside quotes", OutputFormat::kText,
     "code,note\n" + kDefault + ",\"two\nlines\"\nC-S-SM-SC-10-SL1900-SC,x\n", kDefaultLine,
     "line 4: " + kBadCable},
    {"a comment row may hold a lone quote", OutputFormat::kText,
     "code\n# 12\" reel\n" + kDefault + "\n", kDefaultLine, ""},
    {"row too short for the code column", OutputFormat::kText, "note,code\nx\n", "",
     "line 2: the row ends after field 1, before the code column (field 2)\n"},
    {"row too short for the quantity column", OutputFormat::kText,
     "code,x,quantity\n" + kDefault + "\n", "",
     "line 2: the row ends after field 1, before the quantity column (field 3)\n"},
    {"quantities that are not positive whole numbers", OutputFormat::kCsv,
     "code,quantity\n" + kDefault + ",0\n" + kDefault + ",2.5\n" + kDefault + ",\n" + kDefault +
         ",4\n",
     kCsvHeader + kDefault + "," + kDefaultDescription + ",13.71,4,54.84\r\nTOTAL,,,4,54.84\r\n",
     "line 2: quantity '0' is not a positive whole number\n"
     "line 3: quantity '2.5' is not a positive whole number\n"
     "line 4: the quantity is empty\n"},
    {"the code is checked before the quantity", OutputFormat::kText,
     "code,quantity\nC-S-SM-SC-10-SL1900-SC,0\n", "", "line 2: " + kBadCable},
    {"an empty code field", OutputFormat::kText, "code,quantity\n,3\n", "",
     "line 2: the order code is empty\n"},
    {"a megabyte CSV record", OutputFormat::kText, "code\n" + kMegabyteLine + "\n" + kDefault,
     kDefaultLine,
     "line 2: the record is 1048596 bytes long, above the limit of 65536: "
     "'C-S-SM-SC-111111111111111111111111111111...'\n"},
};

class QuoteSessionTest : public ::testing::TestWithParam<SessionCase> {};

TEST_P(QuoteSessionTest, PricesWhatItCanAndReportsTheRest) {
  const auto& c = GetParam();
  PosixSettingsStore store("C");
  Quoter quoter(store, 0);
  std::ostringstream out;
  std::ostringstream err;
  {
    OutputBuffer output(out);
    std::unique_ptr<QuoteWriter> writer;
    if (c.format == OutputFormat::kCsv) {
      writer = std::make_unique<CsvQuoteWriter>(output);
    } else {
      writer = std::make_unique<TextQuoteWriter>(output);
    }
    RejectionLog log(err);
    QuoteSession session(quoter, *writer, output, log);
    std::istringstream in(c.input);
    session.PriceInput(in, false);
    writer->Finish();
    log.Flush();
  }
  EXPECT_EQ(out.str(), c.out);
  EXPECT_EQ(err.str(), c.err);
}

INSTANTIATE_TEST_SUITE_P(Inputs, QuoteSessionTest, ::testing::ValuesIn(kSessionCases), CaseName());

}  // namespace
}  // namespace lumor::quote
