#ifdef _WIN32

#include "windows_program_starter.h"

#include <windows.h>

#include <vector>

namespace lumor {

bool WindowsProgramStarter::Start(const std::string& commandText) {
  if (commandText.empty()) return false;
  std::vector<char> commandLine(commandText.begin(), commandText.end());
  commandLine.push_back('\0');  // CreateProcessA may write into it
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace lumor

#endif
