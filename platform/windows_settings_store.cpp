#ifdef _WIN32

#include "windows_settings_store.h"

#include <windows.h>

#include <vector>

#include "windows_text.h"

namespace lumor {
namespace {

constexpr char kRoot[] = "HKCU\\";

struct ValuePath {
  std::wstring key;
  std::wstring name;
};

// "HKCU\Control Panel\International\sDecimal" -> key and value name.
std::optional<ValuePath> Split(const std::string& path) {
  if (path.rfind(kRoot, 0) != 0) return std::nullopt;
  const std::size_t slash = path.rfind('\\');
  if (slash < sizeof kRoot - 1) return std::nullopt;
  auto key = WideFromUtf8(std::string_view(path).substr(sizeof kRoot - 1, slash - (sizeof kRoot - 1)));
  auto name = WideFromUtf8(std::string_view(path).substr(slash + 1));
  if (!key || !name) return std::nullopt;
  return ValuePath{std::move(*key), std::move(*name)};
}

class OpenKey {
 public:
  explicit OpenKey(HKEY key) : m_key(key) {}
  ~OpenKey() { RegCloseKey(m_key); }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return m_key; }

 private:
  HKEY m_key;
};

}  // namespace

std::optional<std::string> WindowsSettingsStore::ReadText(const std::string& path) {
  const auto where = Split(path);
  if (!where) throw SettingsError("not a per-user setting: " + path);
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, where->key.c_str(), 0, KEY_QUERY_VALUE, &opened) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  const OpenKey key(opened);
  // The value may grow between the two calls; ask again until it fits.
  std::vector<wchar_t> buffer(64);
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    const LSTATUS rc = RegQueryValueExW(key.get(), where->name.c_str(), nullptr, &type,
                                        reinterpret_cast<BYTE*>(buffer.data()), &bytes);
    if (rc == ERROR_MORE_DATA) {
      buffer.resize(bytes / sizeof(wchar_t) + 1);
      continue;
    }
    if (rc != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    // Stored with or without its terminating zero; the text ends at the first one.
    std::wstring_view text(buffer.data(), bytes / sizeof(wchar_t));
    if (const std::size_t zero = text.find(L'\0'); zero != std::wstring_view::npos) {
      text = text.substr(0, zero);
    }
    return Utf8FromWide(text);
  }
  return std::nullopt;
}

void WindowsSettingsStore::WriteText(const std::string& path, const std::string& value) {
  const auto where = Split(path);
  if (!where) throw SettingsError("not a per-user setting: " + path);
  const auto wide = WideFromUtf8(value);
  if (!wide) throw SettingsError("not a UTF-8 text for " + path);
  HKEY created = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, where->key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &created, nullptr) != ERROR_SUCCESS) {
    throw SettingsError("cannot write " + path);
  }
  const OpenKey key(created);
  const auto bytes = static_cast<DWORD>((wide->size() + 1) * sizeof(wchar_t));
  if (RegSetValueExW(key.get(), where->name.c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(wide->c_str()), bytes) != ERROR_SUCCESS) {
    throw SettingsError("cannot write " + path);
  }
}

}  // namespace lumor

#endif
