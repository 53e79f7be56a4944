#include "posix_registry_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "system_information_keys.h"
#include "temp_folder.h"

namespace lumor {
namespace {

using testing::TempFolder;

constexpr char kScript[] = "#!/bin/sh\n";

struct SearchCase {
  const char* name;
  // Prepares the folder and returns the search path, with "T" standing for it.
  std::function<std::string(const TempFolder&)> prepare;
  std::optional<std::string> found;  // relative to the folder
};

void PrintTo(const SearchCase& row, std::ostream* out) { *out << row.name; }

const SearchCase kSearchCases[] = {
    {"NothingInstalled", [](const TempFolder&) { return std::string("T/a:T/b"); }, std::nullopt},
    {"EmptySearchPath", [](const TempFolder&) { return std::string(); }, std::nullopt},
    {"FirstFolderHolding",
     [](const TempFolder& t) {
       t.write("a/hardinfo", kScript, true);
       t.write("b/hardinfo", kScript, true);
       return std::string("T/a:T/b");
     },
     "a/hardinfo"},
    {"EarlierProgramOfTheListWins",
     [](const TempFolder& t) {
       t.write("a/kinfocenter", kScript, true);
       t.write("b/hardinfo2", kScript, true);
       return std::string("T/a:T/b");
     },
     "b/hardinfo2"},
    {"LastProgramOfTheList",
     [](const TempFolder& t) {
       t.write("a/kinfocenter", kScript, true);
       return std::string("T/a");
     },
     "a/kinfocenter"},
    {"FileWithoutExecutePermissionSkipped",
     [](const TempFolder& t) {
       t.write("a/hardinfo2", kScript, false);
       t.write("b/hardinfo", kScript, true);
       return std::string("T/a:T/b");
     },
     "b/hardinfo"},
    {"FolderOfTheSameNameSkipped",
     [](const TempFolder& t) {
       std::filesystem::create_directories(t.path() / "a/hardinfo2");
       return std::string("T/a");
     },
     std::nullopt},
    {"TrailingSlashAndEmptyEntries",
     [](const TempFolder& t) {
       t.write("a/hardinfo", kScript, true);
       return std::string("::T/a/:");
     },
     "a/hardinfo"},
    {"RelativeEntryNeverSearched",
     [](const TempFolder& t) {
       t.write("a/hardinfo", kScript, true);
       return std::filesystem::relative(t.path() / "a").string();
     },
     std::nullopt},
};

std::string Expand(std::string searchPath, const TempFolder& folder) {
  const std::string path = folder.path().string();
  for (std::size_t at = 0; (at = searchPath.find("T/", at)) != std::string::npos;
       at += path.size()) {
    searchPath.replace(at, 1, path);
  }
  return searchPath;
}

class PosixRegistrySearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(PosixRegistrySearchTest, FindsTheFirstInstalledProgram) {
  const SearchCase& c = GetParam();
  TempFolder folder;
  const PosixRegistryReader registry(Expand(c.prepare(folder), folder));
  std::optional<std::string> expected;
  if (c.found) expected = (folder.path() / *c.found).string();
  EXPECT_EQ(registry.FindSystemInformationProgram(), expected);
}

INSTANTIATE_TEST_SUITE_P(Searches, PosixRegistrySearchTest, ::testing::ValuesIn(kSearchCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct Read {
  long open;
  long query = -1;  // -1: not queried
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  std::string bytes;
};

Read ReadValue(PosixRegistryReader& registry, RegistryRoot root, const std::string& key,
               const std::string& value, std::uint32_t bufferSize = 1024) {
  Read read;
  RegistryHandle handle = 0;
  read.open = registry.OpenKey(root, key, kKeyRead, handle);
  if (read.open != kErrorSuccess) return read;
  std::vector<unsigned char> buffer(bufferSize);
  read.size = bufferSize;
  read.query = registry.QueryValue(handle, value, read.type, buffer, read.size);
  if (read.query == kErrorSuccess) read.bytes.assign(buffer.begin(), buffer.begin() + read.size);
  EXPECT_EQ(registry.CloseKey(handle), kErrorSuccess);
  return read;
}

class PosixRegistryValueTest : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string program = folder.write("bin/hardinfo", kScript, true);
  PosixRegistryReader registry{(folder.path() / "bin").string()};
};

TEST_F(PosixRegistryValueTest, PathIsATextValueWithItsTerminatingZero) {
  const Read read = ReadValue(registry, kHkeyLocalMachine, kSysInfoKey, kSysInfoValue);
  EXPECT_EQ(read.query, kErrorSuccess);
  EXPECT_EQ(read.type, kRegSz);
  EXPECT_EQ(read.bytes, program + '\0');
}

TEST_F(PosixRegistryValueTest, NamesAreCaseInsensitiveAsInTheRegistry) {
  const Read read =
      ReadValue(registry, kHkeyLocalMachine, "software\\microsoft\\shared tools\\msinfo", "path");
  EXPECT_EQ(read.bytes, program + '\0');
}

TEST_F(PosixRegistryValueTest, TooSmallABufferReportsTheSizeNeeded) {
  const Read read = ReadValue(registry, kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, 4);
  EXPECT_EQ(read.query, kErrorMoreData);
  EXPECT_EQ(read.size, program.size() + 1);
}

struct MissingCase {
  const char* name;
  RegistryRoot root;
  const char* key;
  const char* value;
  long open;
  long query;
};

void PrintTo(const MissingCase& row, std::ostream* out) { *out << row.name; }

const MissingCase kMissingCases[] = {
    {"OtherRoot", 0x80000001, kSysInfoKey, kSysInfoValue, kErrorFileNotFound, -1},
    {"LocationKey", kHkeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue,
     kErrorFileNotFound, -1},
    {"OtherValue", kHkeyLocalMachine, kSysInfoKey, "PATHS", kErrorSuccess, kErrorFileNotFound},
    {"ParentKey", kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools", kSysInfoValue,
     kErrorFileNotFound, -1},
};

class PosixRegistryMissingTest : public ::testing::TestWithParam<MissingCase> {};

TEST_P(PosixRegistryMissingTest, EverythingElseIsNotFound) {
  const MissingCase& c = GetParam();
  TempFolder folder;
  folder.write("hardinfo", kScript, true);
  PosixRegistryReader registry(folder.path().string());
  const Read read = ReadValue(registry, c.root, c.key, c.value);
  EXPECT_EQ(read.open, c.open);
  EXPECT_EQ(read.query, c.query);
}

INSTANTIATE_TEST_SUITE_P(Names, PosixRegistryMissingTest, ::testing::ValuesIn(kMissingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PosixRegistryReaderTest, WithoutAnOwnSearchPathItReadsPathAtEachQuery) {
  TempFolder folder;
  const std::string program = folder.write("hardinfo", kScript, true);
  const char* old = std::getenv("PATH");
  const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
  const PosixRegistryReader registry;
  ::setenv("PATH", folder.path().c_str(), 1);
  EXPECT_EQ(registry.FindSystemInformationProgram(), program);
  ::setenv("PATH", "", 1);
  EXPECT_EQ(registry.FindSystemInformationProgram(), std::nullopt);
  if (saved) {
    ::setenv("PATH", saved->c_str(), 1);
  } else {
    ::unsetenv("PATH");
  }
}

}  // namespace
}  // namespace lumor
