#ifdef _WIN32

#include "windows_settings_store.h"

#include <windows.h>

#include <vector>

namespace lumor {
namespace {

constexpr char kRoot[] = "HKCU\\";

// "HKCU\Control Panel\International\sdecimal" -> key and value name.
bool Split(const std::string& path, std::string& key, std::string& value) {
  if (path.rfind(kRoot, 0) != 0) return false;
  const std::size_t slash = path.rfind('\\');
  if (slash < sizeof kRoot - 1) return false;
  key = path.substr(sizeof kRoot - 1, slash - (sizeof kRoot - 1));
  value = path.substr(slash + 1);
  return true;
}

}  // namespace

std::optional<std::string> WindowsSettingsStore::ReadText(const std::string& path) {
  std::string key, name;
  if (!Split(path, key, name)) return std::nullopt;
  DWORD size = 0;
  LSTATUS rc = RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                            nullptr, &size);
  if (rc == ERROR_FILE_NOT_FOUND) return std::nullopt;
  if (rc != ERROR_SUCCESS) throw SettingsError("cannot read " + path);
  std::vector<char> buffer(size + 1, '\0');
  rc = RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                    buffer.data(), &size);
  if (rc != ERROR_SUCCESS) throw SettingsError("cannot read " + path);
  return std::string(buffer.data());
}

void WindowsSettingsStore::WriteText(const std::string& path, const std::string& value) {
  std::string key, name;
  if (!Split(path, key, name)) throw SettingsError("not a per-user setting: " + path);
  const LSTATUS rc = RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), REG_SZ,
                                     value.c_str(), static_cast<DWORD>(value.size() + 1));
  if (rc != ERROR_SUCCESS) throw SettingsError("cannot write " + path);
}

}  // namespace lumor

#endif
