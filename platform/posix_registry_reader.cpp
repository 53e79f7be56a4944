#include "posix_registry_reader.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

#include "system_information_keys.h"

namespace lumor {
namespace {

// Registry names are case-insensitive.
bool SameName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

long PosixRegistryReader::OpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t,
                                  RegistryHandle& handle) {
  if (root != kHkeyLocalMachine || !SameName(subKey, kSysInfoKey)) return kErrorFileNotFound;
  handle = kSysInfoHandle;
  return kErrorSuccess;
}

long PosixRegistryReader::QueryValue(RegistryHandle handle, const std::string& valueName,
                                     std::uint32_t& type, std::span<unsigned char> buffer,
                                     std::uint32_t& size) {
  if (handle != kSysInfoHandle) return kErrorInvalidHandle;
  if (!SameName(valueName, kSysInfoValue)) return kErrorFileNotFound;
  const std::optional<std::string> program = FindSystemInformationProgram();
  if (!program) return kErrorFileNotFound;
  // Stored as a string value with its terminating zero, as Windows returns it.
  const auto stored = static_cast<std::uint32_t>(program->size() + 1);
  type = kRegSz;
  if (stored > size || stored > buffer.size()) {
    size = stored;
    return kErrorMoreData;
  }
  std::copy(program->begin(), program->end(), buffer.begin());
  buffer[program->size()] = 0;
  size = stored;
  return kErrorSuccess;
}

long PosixRegistryReader::CloseKey(RegistryHandle handle) {
  return handle == kSysInfoHandle ? kErrorSuccess : kErrorInvalidHandle;
}

std::optional<std::string> PosixRegistryReader::FindSystemInformationProgram() const {
  std::string searchPath;
  if (m_searchPath) {
    searchPath = *m_searchPath;
  } else if (const char* path = std::getenv("PATH")) {
    searchPath = path;
  }
  for (const char* program : kSystemInformationPrograms) {
    std::istringstream folders(searchPath);
    for (std::string folder; std::getline(folders, folder, ':');) {
      // An empty or relative entry would mean the working folder: never run from there.
      if (folder.empty() || folder.front() != '/') continue;
      if (folder.back() != '/') folder += '/';
      if (IsExecutableFile(folder + program)) return folder + program;
    }
  }
  return std::nullopt;
}

}  // namespace lumor
