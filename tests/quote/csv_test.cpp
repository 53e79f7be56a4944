#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "case_name.h"
#include "csv.h"

namespace lumor::quote {
namespace {

using testing::CaseName;
using testing::NamedCase;

struct SplitCase : NamedCase {
  std::string record;
  CsvStatus status;
  std::vector<std::string> fields;  // when kOk
  std::size_t badField;             // otherwise
};

const SplitCase kSplitCases[] = {
    {"plain fields", "code,quantity", CsvStatus::kOk, {"code", "quantity"}, 0},
    {"empty record is one empty field", "", CsvStatus::kOk, {""}, 0},
    {"empty fields around commas", ",a,,", CsvStatus::kOk, {"", "a", "", ""}, 0},
    {"quoted comma",
     "\"C-S-SM-SC-1,5-SL1800-SC\",2",
     CsvStatus::kOk,
     {"C-S-SM-SC-1,5-SL1800-SC", "2"},
     0},
    {"doubled quote inside quotes", "\"12\"\" cable\",x", CsvStatus::kOk, {"12\" cable", "x"}, 0},
    {"quoted line ends are data", "\"a\r\nb\",c", CsvStatus::kOk, {"a\r\nb", "c"}, 0},
    {"empty quoted field", "\"\",\"\"", CsvStatus::kOk, {"", ""}, 0},
    {"quote inside an unquoted field is a character",
     "12\" cable,x",
     CsvStatus::kOk,
     {"12\" cable", "x"},
     0},
    {"blanks are kept", " a , b ", CsvStatus::kOk, {" a ", " b "}, 0},
    {"unclosed quote", "a,\"b,c", CsvStatus::kUnclosedQuote, {}, 2},
    {"unclosed after a doubled quote", "\"a\"\"", CsvStatus::kUnclosedQuote, {}, 1},
    {"text after the closing quote", "a,b,\"c\"d", CsvStatus::kTextAfterQuote, {}, 3},
};

class CsvSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CsvSplitTest, SplitsAsRfc4180) {
  const auto& c = GetParam();
  std::vector<std::string> fields;
  std::size_t bad = 0;
  // A longer row first: the kept storage must not leak into the next one.
  ASSERT_EQ(SplitCsv("\"x,x\",y,z,w,v,u", ',', fields, bad), CsvStatus::kOk);
  ASSERT_EQ(SplitCsv(c.record, ',', fields, bad), c.status);
  if (c.status != CsvStatus::kOk) {
    EXPECT_EQ(bad, c.badField);
    return;
  }
  EXPECT_EQ(fields, c.fields);
  // The same row with the other delimiter splits the same way.
  std::string semicolons = c.record;
  for (char& ch : semicolons) ch = ch == ',' ? ';' : ch == ';' ? ',' : ch;
  ASSERT_EQ(SplitCsv(semicolons, ';', fields, bad), CsvStatus::kOk);
  for (std::string& f : fields) {
    for (char& ch : f) ch = ch == ';' ? ',' : ch == ',' ? ';' : ch;
  }
  EXPECT_EQ(fields, c.fields);
}

INSTANTIATE_TEST_SUITE_P(Records, CsvSplitTest, ::testing::ValuesIn(kSplitCases), CaseName());

struct FieldCase : NamedCase {
  std::string field;
  std::string written;
};

const FieldCase kFieldCases[] = {
    {"plain stays bare", "C-S-SM-SC-10-SL1800-SC", "C-S-SM-SC-10-SL1800-SC"},
    {"double blanks stay bare", "Patch Cord  SC-PC", "Patch Cord  SC-PC"},
    {"empty stays empty", "", ""},
    {"comma is quoted", "C-S-SM-SC-1,5-SL1800-SC", "\"C-S-SM-SC-1,5-SL1800-SC\""},
    {"quote is doubled", "12\"", "\"12\"\"\""},
    {"line feed is quoted", "a\nb", "\"a\nb\""},
    {"carriage return is quoted", "a\rb", "\"a\rb\""},
};

class CsvFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvFieldTest, QuotesOnlyWhenNeededAndReadsBack) {
  const auto& c = GetParam();
  std::string out = "x,";
  AppendCsvField(out, c.field);
  EXPECT_EQ(out, "x," + c.written);
  std::vector<std::string> fields;
  std::size_t bad = 0;
  ASSERT_EQ(SplitCsv(out, ',', fields, bad), CsvStatus::kOk);
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[1], c.field);
}

INSTANTIATE_TEST_SUITE_P(Fields, CsvFieldTest, ::testing::ValuesIn(kFieldCases), CaseName());

struct Expected {
  std::string text;
  std::size_t line;
  std::size_t length;
  bool tooLong = false;
  bool unclosedQuote = false;

  bool operator==(const Expected&) const = default;
};

void PrintTo(const Expected& e, std::ostream* os) {
  *os << "{'" << e.text << "' line " << e.line << " length " << e.length
      << (e.tooLong ? " too long" : "") << (e.unclosedQuote ? " unclosed" : "") << "}";
}

// Reads every record, checking that their bytes and the mark are the input.
std::vector<Expected> ReadAll(const std::string& input, bool csv, std::size_t maxRecordBytes) {
  std::istringstream in(input);
  RecordReader reader(in, maxRecordBytes);
  if (csv) reader.SetCsv(',');
  std::vector<Expected> records;
  Record r;
  std::size_t offset = 0;
  while (reader.Next(r)) {
    if (records.empty()) offset = reader.MarkBytes();
    EXPECT_EQ(r.offset, offset);
    if (!r.tooLong) {
      EXPECT_EQ(input.substr(r.offset, r.length), r.text);
    }
    offset += r.bytes;
    records.push_back({r.text, r.line, r.length, r.tooLong, r.unclosedQuote});
  }
  EXPECT_EQ(offset, records.empty() ? 0 : input.size());
  return records;
}

struct ReaderCase : NamedCase {
  std::string input;
  bool csv;
  std::vector<Expected> records;
};

const ReaderCase kReaderCases[] = {
    {"empty input has no record", "", false, {}},
    {"lines with and without a final line end", "ab\ncd", false, {{"ab", 1, 2}, {"cd", 2, 2}}},
    {"a final line end adds no record", "ab\n", false, {{"ab", 1, 2}}},
    {"blank lines are records", "\n\nx\n", false, {{"", 1, 0}, {"", 2, 0}, {"x", 3, 1}}},
    {"CRLF ends a line", "ab\r\ncd\r\n", false, {{"ab", 1, 2}, {"cd", 2, 2}}},
    {"CR alone ends a line, as a classic Mac file has it",
     "a\rb\rc",
     false,
     {{"a", 1, 1}, {"b", 2, 1}, {"c", 3, 1}}},
    {"LF CR is two line ends", "a\n\rb", false, {{"a", 1, 1}, {"", 2, 0}, {"b", 3, 1}}},
    {"byte order mark dropped at the start only",
     "\xEF\xBB\xBFx\n\xEF\xBB\xBFy",
     false,
     {{"x", 1, 1}, {"\xEF\xBB\xBFy", 2, 4}}},
    {"part of a mark is text", "\xEF\xBBx", false, {{"\xEF\xBBx", 1, 3}}},
    {"a line at the limit is whole",
     std::string(16, 'a') + "\nb",
     false,
     {{std::string(16, 'a'), 1, 16}, {"b", 2, 1}}},
    {"a line over the limit keeps its start",
     std::string(100, 'a') + "\nb",
     false,
     {{std::string(16, 'a'), 1, 100, true}, {"b", 2, 1}}},
    {"quotes mean nothing outside CSV", "\"a\nb\"\n", false, {{"\"a", 1, 2}, {"b\"", 2, 2}}},
    {"CSV quoted line end joins lines and counts them",
     "a,\"b\nc\"\nd\n",
     true,
     {{"a,\"b\nc\"", 1, 7}, {"d", 3, 1}}},
    {"CSV quoted CRLF is kept, the record's CRLF is not",
     "\"b\r\nc\"\r\nd",
     true,
     {{"\"b\r\nc\"", 1, 6}, {"d", 3, 1}}},
    {"CSV quoted CR alone is one line", "\"b\rc\"\rd", true, {{"\"b\rc\"", 1, 5}, {"d", 3, 1}}},
    {"CSV doubled quote does not close",
     "\"a\"\"\nb\"\nc",
     true,
     {{"\"a\"\"\nb\"", 1, 7}, {"c", 3, 1}}},
    {"CSV quote inside a bare field is a character",
     "12\" x,y\nz",
     true,
     {{"12\" x,y", 1, 7}, {"z", 2, 1}}},
    {"CSV unclosed quote runs to the end",
     "a\n\"b\nc\n",
     true,
     {{"a", 1, 1}, {"\"b\nc\n", 2, 5, false, true}}},
    {"CSV has no comments: a hash is a field like any other",
     "#1,\"x\ny\"\nz\n",
     true,
     {{"#1,\"x\ny\"", 1, 8}, {"z", 3, 1}}},
    {"CSV quoted record over the limit",
     "\"" + std::string(30, 'q') + "\n\"\nok",
     true,
     {{"\"" + std::string(15, 'q'), 1, 33, true}, {"ok", 3, 2}}},
};

class RecordReaderTest : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(RecordReaderTest, SplitsRecordsAndAccountsForEveryByte) {
  const auto& c = GetParam();
  EXPECT_EQ(ReadAll(c.input, c.csv, 16), c.records);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RecordReaderTest, ::testing::ValuesIn(kReaderCases), CaseName());

TEST(RecordReaderTest, SwitchingToCsvAppliesFromTheNextRecord) {
  std::istringstream in("kod;adet\n\"a;\nb\";1\n");
  RecordReader reader(in);
  Record r;
  ASSERT_TRUE(reader.Next(r));
  EXPECT_EQ(r.text, "kod;adet");
  reader.SetCsv(';');
  ASSERT_TRUE(reader.Next(r));
  EXPECT_EQ(r.text, "\"a;\nb\";1");
  EXPECT_EQ(r.line, 2u);
  EXPECT_FALSE(reader.Next(r));
}

}  // namespace
}  // namespace lumor::quote
