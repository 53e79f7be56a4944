#pragma once

#ifdef _WIN32

#include "registry_reader.h"

namespace lumor {

// The registry itself, through the ANSI calls, so names and texts pass
// through the system code page.
class WindowsRegistryReader : public RegistryReader {
 public:
  long OpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t access,
               RegistryHandle& handle) override;
  long QueryValue(RegistryHandle handle, const std::string& valueName, std::uint32_t& type,
                  std::span<unsigned char> buffer, std::uint32_t& size) override;
  long CloseKey(RegistryHandle handle) override;
};

}  // namespace lumor

#endif
