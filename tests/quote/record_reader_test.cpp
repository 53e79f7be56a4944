#include "record_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "case_name.h"

namespace lumor::quote {
namespace {

struct Expected {
  std::string text;
  std::size_t line;
  std::size_t bytes;
  bool tooLong = false;
  bool unclosedQuote = false;

  bool operator==(const Expected&) const = default;
};

void PrintTo(const Expected& e, std::ostream* os) {
  *os << "{'" << e.text << "' line " << e.line << " bytes " << e.bytes
      << (e.tooLong ? " too long" : "") << (e.unclosedQuote ? " unclosed" : "") << "}";
}

std::vector<Expected> ReadAll(const std::string& input, bool csv, std::size_t maxRecordBytes,
                              std::size_t bufferBytes) {
  std::istringstream in(input);
  RecordReader reader(in, maxRecordBytes, bufferBytes);
  reader.SetCsv(csv);
  std::vector<Expected> records;
  Record r;
  while (reader.Next(r)) {
    records.push_back({std::string(r.text), r.line, r.bytes, r.tooLong, r.unclosedQuote});
  }
  return records;
}

struct ReaderCase : NamedCase {
  std::string input;
  bool csv;
  std::size_t maxRecordBytes;
  std::vector<Expected> records;
};

const ReaderCase kReaderCases[] = {
    {"empty input has no record", "", false, 16, {}},
    {"lines with and without a final line end", "ab\ncd", false, 16, {{"ab", 1, 2}, {"cd", 2, 2}}},
    {"a final line end adds no record", "ab\n", false, 16, {{"ab", 1, 2}}},
    {"blank lines are records", "\n\nx\n", false, 16, {{"", 1, 0}, {"", 2, 0}, {"x", 3, 1}}},
    {"CRLF loses its CR", "ab\r\ncd\r\n", false, 16, {{"ab", 1, 2}, {"cd", 2, 2}}},
    {"a CR inside a line stays", "a\rb\n", false, 16, {{"a\rb", 1, 3}}},
    {"byte order mark dropped at the start",
     "\xEF\xBB\xBFx\n\xEF\xBB\xBFy",
     false,
     16,
     {{"x", 1, 1}, {"\xEF\xBB\xBFy", 2, 4}}},
    {"a line at the limit is whole",
     std::string(16, 'a') + "\nb",
     false,
     16,
     {{std::string(16, 'a'), 1, 16}, {"b", 2, 1}}},
    {"a line over the limit keeps its start",
     std::string(100, 'a') + "\nb",
     false,
     16,
     {{std::string(64, 'a'), 1, 100, true}, {"b", 2, 1}}},
    {"an over-long last line without a line end",
     "x\n" + std::string(40, 'z'),
     false,
     16,
     {{"x", 1, 1}, {std::string(40, 'z'), 2, 40, true}}},
    {"quotes mean nothing outside CSV", "\"a\nb\"\n", false, 16, {{"\"a", 1, 2}, {"b\"", 2, 2}}},
    {"CSV quoted line end joins lines and counts them",
     "a,\"b\nc\"\nd\n",
     true,
     16,
     {{"a,\"b\nc\"", 1, 7}, {"d", 3, 1}}},
    {"CSV quoted CRLF is kept, the record's CRLF is not",
     "\"b\r\nc\"\r\nd",
     true,
     16,
     {{"\"b\r\nc\"", 1, 6}, {"d", 3, 1}}},
    {"CSV doubled quote does not close",
     "\"a\"\"\nb\"\nc",
     true,
     16,
     {{"\"a\"\"\nb\"", 1, 7}, {"c", 3, 1}}},
    {"CSV quote inside a bare field is a character",
     "12\" x,y\nz",
     true,
     16,
     {{"12\" x,y", 1, 7}, {"z", 2, 1}}},
    {"CSV unclosed quote runs to the end",
     "a\n\"b\nc\n",
     true,
     16,
     {{"a", 1, 1}, {"\"b\nc\n", 2, 5, false, true}}},
    {"CSV comment line ignores its quotes",
     "# it's \"quoted\nx\n",
     true,
     16,
     {{"# it's \"quoted", 1, 14}, {"x", 2, 1}}},
    {"CSV quoted record over the limit",
     "\"" + std::string(30, 'q') + "\n\"\nok",
     true,
     16,
     {{"\"" + std::string(30, 'q') + "\n\"", 1, 33, true}, {"ok", 3, 2}}},
};

class RecordReaderTest : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(RecordReaderTest, SplitsRecordsWhateverTheBufferSize) {
  const auto& c = GetParam();
  // The smallest buffer makes every record straddle refills.
  for (std::size_t buffer : {c.maxRecordBytes + 1, c.maxRecordBytes + 7, std::size_t{4096}}) {
    EXPECT_EQ(ReadAll(c.input, c.csv, c.maxRecordBytes, buffer), c.records) << "buffer " << buffer;
  }
}

INSTANTIATE_TEST_SUITE_P(Inputs, RecordReaderTest, ::testing::ValuesIn(kReaderCases), CaseName());

TEST(RecordReaderTest, SwitchingToCsvAppliesFromTheNextRecord) {
  std::istringstream in("code\n\"a\nb\"\n");
  RecordReader reader(in);
  Record r;
  ASSERT_TRUE(reader.Next(r));
  EXPECT_EQ(r.text, "code");
  reader.SetCsv(true);
  ASSERT_TRUE(reader.Next(r));
  EXPECT_EQ(r.text, "\"a\nb\"");
  EXPECT_EQ(r.line, 2u);
  EXPECT_FALSE(reader.Next(r));
}

TEST(RecordReaderTest, AMegabyteLineIsReportedAndTheNextLineRead) {
  const std::string input = "C-S-SM-SC-" + std::string(1 << 20, '1') + "-SL1800-SC\nlast\n";
  const auto records = ReadAll(input, false, RecordReader::kMaxRecordBytes, 1 << 20);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_TRUE(records[0].tooLong);
  EXPECT_EQ(records[0].bytes, input.size() - 6);
  EXPECT_EQ(records[0].text, input.substr(0, RecordReader::kExcerptBytes));
  EXPECT_EQ(records[1], (Expected{"last", 2, 4}));
}

}  // namespace
}  // namespace lumor::quote
