#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "csv_field.h"
#include "csv_record.h"

namespace lumor::quote {
namespace {

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
  CsvRecord record;
  // A longer row first: the kept storage must not leak into the next one.
  ASSERT_EQ(record.Split("\"x,x\",y,z,w,v,u"), CsvStatus::kOk);
  ASSERT_EQ(record.Split(c.record), c.status);
  if (c.status != CsvStatus::kOk) {
    EXPECT_EQ(record.BadField(), c.badField);
    return;
  }
  std::vector<std::string> fields;
  for (std::size_t i = 0; i < record.Size(); ++i) fields.emplace_back(record[i]);
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
  CsvRecord record;
  ASSERT_EQ(record.Split(out), CsvStatus::kOk);
  ASSERT_EQ(record.Size(), 2u);
  EXPECT_EQ(record[1], c.field);
}

INSTANTIATE_TEST_SUITE_P(Fields, CsvFieldTest, ::testing::ValuesIn(kFieldCases), CaseName());

}  // namespace
}  // namespace lumor::quote
