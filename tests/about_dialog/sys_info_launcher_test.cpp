#include "sys_info_launcher.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "fake_file_probe.h"
#include "fake_program_starter.h"
#include "fake_registry_reader.h"
#include "system_information_keys.h"

namespace lumor {
namespace {

using Value = FakeRegistryReader::Value;

constexpr char kKey[] = "SOFTWARE\\Vendor\\Tool";
constexpr char kName[] = "Setting";

Value Bytes(std::uint32_t type, std::vector<unsigned char> bytes) {
  Value value;
  value.type = type;
  value.bytes = std::move(bytes);
  return value;
}

Value WithReportedSize(Value value, std::uint32_t size) {
  value.reportedSize = size;
  return value;
}

Value FailingWith(long result) {
  Value value = FakeRegistryReader::Text("unreachable");
  value.queryResult = result;
  return value;
}

struct Launch {
  FakeRegistryReader registry;
  FakeFileProbe files;
  FakeProgramStarter programs;
  std::vector<std::string> messages;
  SysInfoLauncher launcher{registry, files, programs,
                           [this](const std::string& text) { messages.push_back(text); }};
};

struct GetKeyValueCase {
  const char* name;
  std::optional<long> openResult;  // nullopt: the key does not exist
  std::optional<Value> value;      // nullopt: the value does not exist
  bool found;
  std::string keyVal;
};

void PrintTo(const GetKeyValueCase& row, std::ostream* out) { *out << row.name; }

const std::string kLongest(SysInfoLauncher::kBufferSize, 'x');

const GetKeyValueCase kGetKeyValueCases[] = {
    {"KeyMissing", std::nullopt, std::nullopt, false, ""},
    {"KeyDenied", kErrorAccessDenied, FakeRegistryReader::Text("C:\\x"), false, ""},
    {"ValueMissing", kErrorSuccess, std::nullopt, false, ""},
    {"QueryFails", kErrorSuccess, FailingWith(kErrorAccessDenied), false, ""},
    {"TextLosesItsTerminatingZero", kErrorSuccess, FakeRegistryReader::Text("C:\\Info\\ms.exe"),
     true, "C:\\Info\\ms.exe"},
    {"TextWithoutZeroKeepsEveryCharacter", kErrorSuccess,
     FakeRegistryReader::Text("C:\\Info", false), true, "C:\\Info"},
    {"OnlyOneTrailingZeroGoes", kErrorSuccess, Bytes(kRegSz, {'a', 'b', 0, 0}), true,
     std::string("ab\0", 3)},
    {"EmptyTextOfSizeZero", kErrorSuccess, FakeRegistryReader::Text("", false), true, ""},
    {"ReportedSizeZeroIsEmpty", kErrorSuccess, WithReportedSize(FakeRegistryReader::Text("abc"), 0),
     true, ""},
    {"ReportedSizeTrimsTheBuffer", kErrorSuccess,
     WithReportedSize(FakeRegistryReader::Text("abcdef"), 3), true, "abc"},
    {"TextFillingTheWholeBuffer", kErrorSuccess, FakeRegistryReader::Text(kLongest, false), true,
     kLongest},
    {"TextAndZeroFillingTheBuffer", kErrorSuccess, FakeRegistryReader::Text(kLongest.substr(1)),
     true, kLongest.substr(1)},
    {"TextLongerThanTheBuffer", kErrorSuccess, FakeRegistryReader::Text(kLongest), false, ""},
    {"DwordBytesFromLastToFirst", kErrorSuccess, FakeRegistryReader::Dword(0x01020304), true,
     "&h1234"},
    {"DwordUpperCaseDigits", kErrorSuccess, FakeRegistryReader::Dword(0xABCDEF10), true,
     "&hABCDEF10"},
    // The trimming drops the high zero byte; the other zero bytes stay as "0".
    {"DwordSmallNumber", kErrorSuccess, FakeRegistryReader::Dword(0x12), true, "&h0012"},
    {"DwordZero", kErrorSuccess, FakeRegistryReader::Dword(0), true, "&h000"},
    {"BinaryKeepsTheCallersText", kErrorSuccess, Bytes(3, {'z', 'z'}), true, "caller's"},
    {"ExpandableTextKeepsTheCallersText", kErrorSuccess, Bytes(2, {'%', 'x', '%', 0}), true,
     "caller's"},
};

class GetKeyValueTest : public testing::TestWithParam<GetKeyValueCase> {};

TEST_P(GetKeyValueTest, ReadsTheValueAndClosesTheKey) {
  const GetKeyValueCase& c = GetParam();
  Launch launch;
  if (c.openResult) {
    FakeRegistryReader::Key& key = launch.registry.keys[{kHkeyLocalMachine, kKey}];
    key.openResult = *c.openResult;
    if (c.value) key.values[kName] = *c.value;
  }
  std::string keyVal = "caller's";

  EXPECT_EQ(launch.launcher.GetKeyValue(kHkeyLocalMachine, kKey, kName, keyVal), c.found);
  EXPECT_EQ(keyVal, c.keyVal);

  EXPECT_EQ(launch.registry.accessMasks, std::vector<std::uint32_t>{kKeyRead});
  ASSERT_EQ(launch.registry.closedHandles.size(), 1u);
  EXPECT_EQ(launch.registry.OpenKeyCount(), 0u);
  if (c.openResult == kErrorSuccess) {
    EXPECT_EQ(launch.registry.querySizesOnEntry,
              std::vector<std::uint32_t>{SysInfoLauncher::kBufferSize});
  } else {
    EXPECT_EQ(launch.registry.closedHandles.front(), 0u) << "a failed open leaves no handle";
    EXPECT_TRUE(launch.registry.queriedValues.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Values, GetKeyValueTest, testing::ValuesIn(kGetKeyValueCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GetKeyValueErrorTest, ASizeBeyondTheBufferRaisesAndStillClosesTheKey) {
  Launch launch;
  launch.registry.keys[{kHkeyLocalMachine, kKey}].values[kName] =
      WithReportedSize(FakeRegistryReader::Text("abc"), SysInfoLauncher::kBufferSize + 1);
  std::string keyVal;
  EXPECT_THROW(launch.launcher.GetKeyValue(kHkeyLocalMachine, kKey, kName, keyVal),
               std::length_error);
  EXPECT_EQ(launch.registry.closedHandles.size(), 1u);
  EXPECT_EQ(launch.registry.OpenKeyCount(), 0u);
}

constexpr char kToolPath[] = "C:\\Program Files\\Info\\msinfo32.exe";
constexpr char kFolder[] = "C:\\Info";
constexpr char kFolderTool[] = "C:\\Info\\MSINFO32.EXE";

struct StartSysInfoCase {
  const char* name;
  std::optional<Value> path;    // "PATH" under the MSINFO key
  std::optional<Value> folder;  // "MSINFO" under the location key
  bool toolInFolder;
  bool startSucceeds;
  std::vector<std::string> started;
  std::vector<std::string> probed;
  int messages;
};

void PrintTo(const StartSysInfoCase& row, std::ostream* out) { *out << row.name; }

const StartSysInfoCase kStartSysInfoCases[] = {
    {"PathStartedWithoutExistenceTest",
     FakeRegistryReader::Text(kToolPath),
     std::nullopt,
     false,
     true,
     {kToolPath},
     {},
     0},
    {"PathWinsOverTheFolder",
     FakeRegistryReader::Text(kToolPath),
     FakeRegistryReader::Text(kFolder),
     true,
     true,
     {kToolPath},
     {},
     0},
    {"FolderHoldingTheTool",
     std::nullopt,
     FakeRegistryReader::Text(kFolder),
     true,
     true,
     {kFolderTool},
     {kFolderTool},
     0},
    {"FolderWithoutTheTool",
     std::nullopt,
     FakeRegistryReader::Text(kFolder),
     false,
     true,
     {},
     {kFolderTool},
     1},
    {"BothMissing", std::nullopt, std::nullopt, false, true, {}, {}, 1},
    {"PathOfAnotherTypeAndNoFolder", Bytes(3, {1, 2}), std::nullopt, false, true, {}, {}, 1},
    // A value found ends the search: an empty path fails to start even when
    // the folder holds the tool.
    {"PathOfAnotherTypeDoesNotTryTheFolder",
     Bytes(3, {1, 2}),
     FakeRegistryReader::Text(kFolder),
     true,
     true,
     {},
     {},
     1},
    {"EmptyPathDoesNotTryTheFolder",
     FakeRegistryReader::Text("", false),
     FakeRegistryReader::Text(kFolder),
     true,
     true,
     {},
     {},
     1},
    {"PathOfSizeZeroDoesNotTryTheFolder",
     WithReportedSize(FakeRegistryReader::Text(kToolPath), 0),
     FakeRegistryReader::Text(kFolder),
     true,
     true,
     {},
     {},
     1},
    {"UnreadablePathThenFolder",
     FailingWith(kErrorAccessDenied),
     FakeRegistryReader::Text(kFolder),
     true,
     true,
     {kFolderTool},
     {kFolderTool},
     0},
    {"StartFails",
     FakeRegistryReader::Text(kToolPath),
     std::nullopt,
     false,
     false,
     {kToolPath},
     {},
     1},
    {"StartFromFolderFails",
     std::nullopt,
     FakeRegistryReader::Text(kFolder),
     true,
     false,
     {kFolderTool},
     {kFolderTool},
     1},
    {"RegistryErrorEndsInTheMessage",
     WithReportedSize(FakeRegistryReader::Text(kToolPath), SysInfoLauncher::kBufferSize + 1),
     FakeRegistryReader::Text(kFolder),
     true,
     true,
     {},
     {},
     1},
};

class StartSysInfoTest : public testing::TestWithParam<StartSysInfoCase> {};

TEST_P(StartSysInfoTest, StartsTheToolOrShowsTheMessage) {
  const StartSysInfoCase& c = GetParam();
  Launch launch;
  if (c.path)
    launch.registry.keys[{kHkeyLocalMachine, kSysInfoKey}].values[kSysInfoValue] = *c.path;
  if (c.folder) {
    launch.registry.keys[{kHkeyLocalMachine, kSysInfoLocationKey}].values[kSysInfoLocationValue] =
        *c.folder;
  }
  if (c.toolInFolder) launch.files.files.insert(kFolderTool);
  launch.programs.succeeds = c.startSucceeds;

  launch.launcher.StartSysInfo();

  EXPECT_EQ(launch.programs.started, c.started);
  EXPECT_EQ(launch.files.probed, c.probed);
  EXPECT_EQ(launch.messages, std::vector<std::string>(c.messages, SysInfoLauncher::kUnavailable));
  EXPECT_EQ(launch.registry.OpenKeyCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Locations, StartSysInfoTest, testing::ValuesIn(kStartSysInfoCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartSysInfoRepeatTest, EachRunStartsAnotherProcess) {
  Launch launch;
  launch.registry.keys[{kHkeyLocalMachine, kSysInfoKey}].values[kSysInfoValue] =
      FakeRegistryReader::Text(kToolPath);
  launch.launcher.StartSysInfo();
  launch.launcher.StartSysInfo();
  EXPECT_EQ(launch.programs.started, (std::vector<std::string>{kToolPath, kToolPath}));
}

}  // namespace
}  // namespace lumor
