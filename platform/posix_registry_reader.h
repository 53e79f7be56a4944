#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "registry_reader.h"

namespace lumor {

// Stands in for the registry where there is none: the value that names the
// system-information program holds the first such program found on the
// search path, and every other key or value is missing.
class PosixRegistryReader : public RegistryReader {
 public:
  // Tried in this order; the first one installed wins.
  static constexpr std::array<const char*, 3> kSystemInformationPrograms = {"hardinfo2", "hardinfo",
                                                                            "kinfocenter"};

  // Searches PATH as it is at the time of each query.
  PosixRegistryReader() = default;
  // Searches the given list of folders instead (colon-separated, like PATH).
  explicit PosixRegistryReader(std::string searchPath) : m_searchPath(std::move(searchPath)) {}

  long OpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t access,
               RegistryHandle& handle) override;
  long QueryValue(RegistryHandle handle, const std::string& valueName, std::uint32_t& type,
                  std::span<unsigned char> buffer, std::uint32_t& size) override;
  long CloseKey(RegistryHandle handle) override;

  // The full path of the first installed program, or nothing.
  std::optional<std::string> FindSystemInformationProgram() const;

 private:
  static constexpr RegistryHandle kSysInfoHandle = 1;
  std::optional<std::string> m_searchPath;
};

}  // namespace lumor
