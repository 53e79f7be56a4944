#include "windows_settings_store.h"

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <oleauto.h>

#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine.h"

// Runs against the registry of the Wine prefix (or Windows) it is started in.
namespace lumor {
namespace {

constexpr wchar_t kKey[] = L"Control Panel\\International";

// A value as the registry holds it: its type and raw bytes.
struct RawValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> bytes;
  bool operator==(const RawValue&) const = default;
};

std::optional<RawValue> ReadRaw(const wchar_t* name) {
  DWORD type = 0, size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  RawValue value{type, std::vector<BYTE>(size)};
  if (RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                   value.bytes.data(), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.bytes.resize(size);
  return value;
}

void WriteRaw(const wchar_t* name, const std::optional<RawValue>& value) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  if (value) {
    EXPECT_EQ(RegSetValueExW(key, name, 0, value->type, value->bytes.data(),
                             static_cast<DWORD>(value->bytes.size())),
              ERROR_SUCCESS);
  } else {
    const LSTATUS rc = RegDeleteValueW(key, name);
    EXPECT_TRUE(rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND) << rc;
  }
  RegCloseKey(key);
}

RawValue Text(const std::wstring& text, bool withTerminator = true) {
  const auto* first = reinterpret_cast<const BYTE*>(text.c_str());
  const std::size_t bytes = (text.size() + (withTerminator ? 1 : 0)) * sizeof(wchar_t);
  return {REG_SZ, std::vector<BYTE>(first, first + bytes)};
}

RawValue Dword(DWORD number) {
  const auto* first = reinterpret_cast<const BYTE*>(&number);
  return {REG_DWORD, std::vector<BYTE>(first, first + sizeof number)};
}

std::wstring UserDecimal() {
  wchar_t text[16] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, 16);
  return text;
}

// Puts the prefix's own separators back after every test.
class WindowsSettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_decimal = ReadRaw(L"sDecimal");
    m_grouping = ReadRaw(L"sThousand");
  }
  void TearDown() override {
    WriteRaw(L"sDecimal", m_decimal);
    WriteRaw(L"sThousand", m_grouping);
  }

  WindowsSettingsStore store;

 private:
  std::optional<RawValue> m_decimal, m_grouping;
};

struct RoundTripCase {
  const char* name;
  std::optional<RawValue> user;  // nullopt: no such value
  std::optional<std::string> read;
  bool forced;                    // whether "." is in force between the two ends
  std::optional<RawValue> after;  // what the registry holds at the end
};

void PrintTo(const RoundTripCase& row, std::ostream* os) { *os << row.name; }

const RoundTripCase kRoundTripCases[] = {
    {"CommaIsForcedAndPutBack", Text(L","), ",", true, Text(L",")},
    {"ArabicSeparatorSurvives", Text(L"\u066B"), "\u066B", true, Text(L"\u066B")},
    {"NarrowNoBreakSpaceSurvives", Text(L"\u202F"), "\u202F", true, Text(L"\u202F")},
    {"EmptyTextIsPutBack", Text(L""), "", true, Text(L"")},
    // Written back the way every string value is written: with its terminator.
    {"TextWithoutTerminatorIsRead", Text(L",", false), ",", true, Text(L",")},
    {"PointIsNeverWritten", Text(L"."), ".", false, Text(L".")},
    {"MissingValueIsLeftAlone", std::nullopt, std::nullopt, false, std::nullopt},
    {"NumberValueIsLeftAlone", Dword(44), std::nullopt, false, Dword(44)},
    // A lone surrogate has no UTF-8 form, so it must not be written back as anything else.
    {"UnpairedSurrogateIsLeftAlone", Text(std::wstring(1, wchar_t(0xD800))), std::nullopt, false,
     Text(std::wstring(1, wchar_t(0xD800)))},
};

class RoundTripTest : public WindowsSettingsStoreTest,
                      public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTripTest, TheGuardLeavesTheUsersValueAsItWas) {
  const RoundTripCase& c = GetParam();
  WriteRaw(L"sDecimal", c.user);
  EXPECT_EQ(store.ReadText(Engine::kDecimalSeparatorPath), c.read);

  Engine engine(store);
  engine.ForceDecimalPoint();
  if (c.forced) {
    EXPECT_EQ(ReadRaw(L"sDecimal"), Text(L"."));
  } else {
    EXPECT_EQ(ReadRaw(L"sDecimal"), c.user) << "nothing is written";
  }
  engine.RestoreDecimalSeparator();
  EXPECT_EQ(ReadRaw(L"sDecimal"), c.after);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundTripTest, ::testing::ValuesIn(kRoundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A process reads the user's locale settings once, so each look is a new copy
// of this program that runs only LocaleProbe.
constexpr char kProbeVariable[] = "LUMOR_PROBE_DECIMAL";

DWORD ProbeInNewProcess(const std::string& decimal) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_filter=LocaleProbe.*";
  SetEnvironmentVariableA(kProbeVariable, decimal.c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &startup, &process);
  SetEnvironmentVariableA(kProbeVariable, nullptr);
  if (!started) return 255;
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 255;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

TEST(LocaleProbe, UserDecimalAndNumberConversion) {
  char expected[8] = {};
  if (!GetEnvironmentVariableA(kProbeVariable, expected, sizeof expected))
    GTEST_SKIP() << "runs as the child of NumberTextReadsBackUnderTheForcedSetting";
  EXPECT_EQ(UserDecimal(), std::wstring(expected, expected + std::strlen(expected)));
  // The platform's own number conversion, under the user's settings.
  wchar_t price[] = L"13.71";
  double value = 0;
  const HRESULT rc = VarR8FromStr(price, LOCALE_USER_DEFAULT, 0, &value);
  if (std::string(expected) == ".") {
    EXPECT_EQ(rc, S_OK);
    EXPECT_EQ(value, 13.71);
  } else {
    EXPECT_FALSE(rc == S_OK && value == 13.71) << "13.71 must not read back under \"" << expected
                                               << "\"";
  }
}

TEST_F(WindowsSettingsStoreTest, NumberTextReadsBackUnderTheForcedSetting) {
  WriteRaw(L"sDecimal", Text(L","));
  WriteRaw(L"sThousand", Text(L"."));
  EXPECT_EQ(ProbeInNewProcess(","), 0u) << "the user's comma is in force";
  Engine engine(store);
  engine.ForceDecimalPoint();
  EXPECT_EQ(ProbeInNewProcess("."), 0u) << "the forced point is in force";
  engine.RestoreDecimalSeparator();
  EXPECT_EQ(ProbeInNewProcess(","), 0u) << "the user's comma is back";
}

struct PriceCase {
  const char* name;
  std::wstring decimal;
  std::wstring grouping;
  const char* price;  // 1000 m of 3000 duplex
};

void PrintTo(const PriceCase& row, std::ostream* os) { *os << row.name; }

const PriceCase kPriceCases[] = {
    {"English", L".", L",", "1,399.60"},
    {"GermanGroupingClashesWithThePoint", L",", L".", "1,399.60"},
    {"TurkishGroupingClashesWithThePoint", L",", L".", "1,399.60"},
    {"FrenchNarrowNoBreakSpace", L",", L"\u202F", "1\u202F399.60"},
    {"NoBreakSpaceIsUtf8NotALoneByte", L",", L"\u00A0", "1\u00A0399.60"},
    {"EmptyGroupingFallsBackToComma", L",", L"", "1,399.60"},
};

class PriceTextTest : public WindowsSettingsStoreTest,
                      public ::testing::WithParamInterface<PriceCase> {};

// The same order line, byte for byte, as the Linux build under the matching locale.
TEST_P(PriceTextTest, OrderLineUnderTheUsersSettings) {
  const PriceCase& c = GetParam();
  WriteRaw(L"sDecimal", Text(c.decimal));
  WriteRaw(L"sThousand", Text(c.grouping));
  Engine engine(store);
  engine.ForceDecimalPoint();
  engine.LoadDefaults();
  auto& s = engine.SelectionState;
  s.IsSimplex = false;
  s.IsDuplex = true;
  s.CableCode = "3000";
  s.CableLength = "1000";
  engine.BuildOrderLine();
  EXPECT_EQ(engine.OrderLine,
            std::string("C-D-SM-SC-1000-SL3000-SC    Patch Cord Dubleks Single Mode  SC-PC / "
                        "SC-PC  3 mm 1000 m ----- ") +
                c.price + " EUR/adet");
  engine.RestoreDecimalSeparator();
  EXPECT_EQ(ReadRaw(L"sDecimal"), Text(c.decimal));
}

INSTANTIATE_TEST_SUITE_P(Settings, PriceTextTest, ::testing::ValuesIn(kPriceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowsSettingsStoreTest, PathsOutsideTheUsersHiveAreRefused) {
  EXPECT_THROW(store.ReadText("HKLM\\Software\\x"), SettingsError);
  EXPECT_THROW(store.WriteText("no root", "."), SettingsError);
  EXPECT_THROW(store.WriteText(Engine::kDecimalSeparatorPath, "\xff"), SettingsError)
      << "a text that is not UTF-8 is never written";
}

}  // namespace
}  // namespace lumor
