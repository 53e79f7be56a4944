#ifdef _WIN32

#include "windows_program_starter.h"

#include <windows.h>

#include <vector>

namespace lumor {

std::string WindowsProgramStarter::CommandLine(const std::string& programPath) {
  // A file name cannot hold a quote, and a zero would cut the name short.
  if (programPath.empty() || programPath.find_first_of(std::string("\"\0", 2)) != std::string::npos)
    return {};
  return '"' + programPath + '"';
}

bool WindowsProgramStarter::Start(const std::string& commandText) {
  const std::string command = CommandLine(commandText);
  if (command.empty()) return false;
  std::vector<char> commandLine(command.begin(), command.end());
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
