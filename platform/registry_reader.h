#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace lumor {

// The three registry calls the About dialog needs, kept as close to their
// Win32 forms (RegOpenKeyExA, RegQueryValueExA, RegCloseKey) as C++ allows, so
// that the caller's steps read the same on every platform.
using RegistryRoot = std::uint32_t;
using RegistryHandle = std::uintptr_t;  // 0 is no key

inline constexpr RegistryRoot kHkeyLocalMachine = 0x80000002;

inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyAllAccess = 0x2003F;

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;

inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorMoreData = 234;

class RegistryReader {
 public:
  virtual ~RegistryReader() = default;
  // kErrorSuccess leaves an open key in handle; any other result leaves it alone.
  virtual long OpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t access,
                       RegistryHandle& handle) = 0;
  // size holds the buffer's size on entry and the value's size in bytes on
  // return. A value that does not fit reports kErrorMoreData and copies nothing.
  virtual long QueryValue(RegistryHandle handle, const std::string& valueName, std::uint32_t& type,
                          std::span<unsigned char> buffer, std::uint32_t& size) = 0;
  virtual long CloseKey(RegistryHandle handle) = 0;
};

}  // namespace lumor
