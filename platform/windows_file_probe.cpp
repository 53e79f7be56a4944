#ifdef _WIN32

#include "windows_file_probe.h"

#include <windows.h>

namespace lumor {

bool WindowsFileProbe::Exists(const std::string& path) {
  if (path.empty()) return false;
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  constexpr DWORD kSkipped =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  bool match = false;
  do {
    match = (found.dwFileAttributes & kSkipped) == 0;
  } while (!match && FindNextFileA(search, &found));
  FindClose(search);
  return match;
}

}  // namespace lumor

#endif
