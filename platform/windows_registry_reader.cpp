#ifdef _WIN32

#include "windows_registry_reader.h"

#include <windows.h>

#include <algorithm>

namespace lumor {
namespace {

HKEY ToKey(std::uintptr_t value) { return reinterpret_cast<HKEY>(value); }

}  // namespace

long WindowsRegistryReader::OpenKey(RegistryRoot root, const std::string& subKey,
                                    std::uint32_t access, RegistryHandle& handle) {
  // The predefined roots are sign-extended 32-bit values.
  const HKEY rootKey = ToKey(static_cast<std::uintptr_t>(static_cast<LONG>(root)));
  HKEY opened = nullptr;
  const LSTATUS rc = RegOpenKeyExA(rootKey, subKey.c_str(), 0, access, &opened);
  if (rc == ERROR_SUCCESS) handle = reinterpret_cast<RegistryHandle>(opened);
  return rc;
}

long WindowsRegistryReader::QueryValue(RegistryHandle handle, const std::string& valueName,
                                       std::uint32_t& type, std::span<unsigned char> buffer,
                                       std::uint32_t& size) {
  DWORD valueType = 0;
  DWORD bytes = static_cast<DWORD>(std::min<std::size_t>(size, buffer.size()));
  const LSTATUS rc = RegQueryValueExA(ToKey(handle), valueName.c_str(), nullptr, &valueType,
                                      buffer.data(), &bytes);
  type = valueType;
  size = bytes;
  return rc;
}

long WindowsRegistryReader::CloseKey(RegistryHandle handle) {
  if (handle == 0) return ERROR_INVALID_HANDLE;
  return RegCloseKey(ToKey(handle));
}

}  // namespace lumor

#endif
