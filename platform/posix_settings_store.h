#pragma once

#include <locale.h>

#include <map>
#include <string>

#include "settings_store.h"

namespace lumor {

// The user's regional number settings on POSIX systems: those of the locale
// the program runs under (LC_ALL, then LC_NUMERIC, then LANG). Writes stay in
// this process; nothing on disk or in another process changes, so a killed
// program leaves nothing behind. The C library's global locale is never
// touched.
class PosixSettingsStore : public SettingsStore {
 public:
  // The locale name as the environment gives it.
  PosixSettingsStore();
  explicit PosixSettingsStore(const std::string& localeName);
  ~PosixSettingsStore() override;
  PosixSettingsStore(const PosixSettingsStore&) = delete;
  PosixSettingsStore& operator=(const PosixSettingsStore&) = delete;

  std::optional<std::string> ReadText(const std::string& path) override;
  void WriteText(const std::string& path, const std::string& value) override;

  static std::string EnvironmentLocaleName();

 private:
  locale_t m_locale = nullptr;
  std::map<std::string, std::string> m_written;
};

}  // namespace lumor
