#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which they need.
#include <tlhelp32.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "native_platform.h"
#include "sys_info_launcher.h"
#include "system_information_keys.h"

// The launcher over the real registry, file search and process start of the
// Wine prefix (or Windows) it runs in; it needs a display for the tool's window.
namespace lumor {
namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH] = {};
  GetSystemDirectoryW(folder, MAX_PATH);
  return folder;
}

std::wstring Lower(std::wstring text) {
  for (auto& c : text) c = static_cast<wchar_t>(towlower(c));
  return text;
}

struct Running {
  DWORD pid;
  std::wstring image;  // full path, lower case
};

std::vector<Running> Processes() {
  std::vector<Running> found;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return found;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (!process) continue;
    wchar_t image[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    if (QueryFullProcessImageNameW(process, 0, image, &length))
      found.push_back({entry.th32ProcessID, Lower(image)});
    CloseHandle(process);
  }
  CloseHandle(snapshot);
  return found;
}

bool HasVisibleWindow(DWORD pid) {
  struct Search {
    DWORD pid;
    bool found = false;
  } search{pid};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->pid && IsWindowVisible(window)) s->found = true;
        return !s->found;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void EndAll(const std::wstring& image) {
  for (const Running& p : Processes()) {
    if (p.image != Lower(image)) continue;
    if (const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, p.pid)) {
      TerminateProcess(process, 0);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
  }
}

// Waits for a process of that image to show a window; its pid, or nothing.
std::optional<DWORD> WaitForWindow(const std::wstring& image) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < deadline) {
    for (const Running& p : Processes()) {
      if (p.image == Lower(image) && HasVisibleWindow(p.pid)) return p.pid;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  return std::nullopt;
}

void SetText(const char* key, const char* name, const std::wstring& value) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, Wide(key).c_str(), Wide(name).c_str(), REG_SZ,
                            value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

void DeleteKey(const char* key) { RegDeleteTreeW(HKEY_LOCAL_MACHINE, Wide(key).c_str()); }

const std::wstring kBlankFolder = L"C:\\Program Files\\Sys Info";
const std::wstring kBlankTool = kBlankFolder + L"\\MSINFO32.EXE";
// Where an unquoted start of the path above would go first.
const std::wstring kPlanted = L"C:\\Program.exe";

struct LaunchCase {
  const char* name;
  std::optional<std::wstring> path;    // "PATH" under the MSINFO key
  std::optional<std::wstring> folder;  // "MSINFO" under the location key
  std::optional<std::wstring> started;  // the tool expected on screen; nothing: the message
};

void PrintTo(const LaunchCase& row, std::ostream* os) { *os << row.name; }

const LaunchCase kLaunchCases[] = {
    {"PathOfTheSystemTool", SystemFolder() + L"\\msinfo32.exe", std::nullopt,
     SystemFolder() + L"\\msinfo32.exe"},
    {"PathWithBlanksIsOneProgram", kBlankTool, std::nullopt, kBlankTool},
    {"FolderWithBlanks", std::nullopt, kBlankFolder, kBlankTool},
    {"BothMissing", std::nullopt, std::nullopt, std::nullopt},
    {"FolderWithoutTheTool", std::nullopt, L"C:\\windows", std::nullopt},
};

class WindowsSysInfoTest : public ::testing::TestWithParam<LaunchCase> {
 protected:
  void SetUp() override {
    CreateDirectoryW(L"C:\\Program Files", nullptr);
    CreateDirectoryW(kBlankFolder.c_str(), nullptr);
    const std::wstring tool = SystemFolder() + L"\\msinfo32.exe";
    ASSERT_TRUE(CopyFileW(tool.c_str(), kBlankTool.c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(tool.c_str(), kPlanted.c_str(), FALSE));
    DeleteKey(kSysInfoKey);
    DeleteKey(kSysInfoLocationKey);
  }
  void TearDown() override {
    for (const auto& image : {SystemFolder() + L"\\msinfo32.exe", kBlankTool, kPlanted}) EndAll(image);
    DeleteKey(kSysInfoKey);
    DeleteKey(kSysInfoLocationKey);
    DeleteFileW(kPlanted.c_str());
    DeleteFileW(kBlankTool.c_str());
    RemoveDirectoryW(kBlankFolder.c_str());
  }
};

TEST_P(WindowsSysInfoTest, StartsTheToolOrShowsTheMessage) {
  const LaunchCase& c = GetParam();
  if (c.path) SetText(kSysInfoKey, kSysInfoValue, *c.path);
  if (c.folder) SetText(kSysInfoLocationKey, kSysInfoLocationValue, *c.folder);
  const auto registry = nativeRegistryReader();
  const auto files = nativeFileProbe();
  const auto programs = nativeProgramStarter();
  std::vector<std::string> messages;
  SysInfoLauncher launcher(*registry, *files, *programs,
                           [&](const std::string& text) { messages.push_back(text); });

  launcher.StartSysInfo();

  if (c.started) {
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(WaitForWindow(*c.started).has_value()) << "no window of the tool appeared";
  } else {
    EXPECT_EQ(messages, std::vector<std::string>{SysInfoLauncher::kUnavailable});
  }
  for (const Running& p : Processes()) EXPECT_NE(p.image, Lower(kPlanted)) << "the planted program ran";
}

INSTANTIATE_TEST_SUITE_P(Registry, WindowsSysInfoTest, ::testing::ValuesIn(kLaunchCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumor
