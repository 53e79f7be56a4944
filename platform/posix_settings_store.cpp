#include "posix_settings_store.h"

#include <langinfo.h>

#include <cstdlib>

#include "engine.h"

namespace lumor {

PosixSettingsStore::PosixSettingsStore() : PosixSettingsStore(EnvironmentLocaleName()) {}

PosixSettingsStore::PosixSettingsStore(const std::string& localeName) {
  // A locale that is not installed leaves the settings unreadable.
  m_locale = newlocale(LC_NUMERIC_MASK, localeName.c_str(), static_cast<locale_t>(nullptr));
}

PosixSettingsStore::~PosixSettingsStore() {
  if (m_locale) freelocale(m_locale);
}

std::string PosixSettingsStore::EnvironmentLocaleName() {
  for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return value;
  }
  return "C";
}

std::optional<std::string> PosixSettingsStore::ReadText(const std::string& path) {
  if (const auto it = m_written.find(path); it != m_written.end()) return it->second;
  if (!m_locale) return std::nullopt;
  if (path == Engine::kDecimalSeparatorPath) return std::string(nl_langinfo_l(RADIXCHAR, m_locale));
  if (path == Engine::kGroupingSeparatorPath) return std::string(nl_langinfo_l(THOUSEP, m_locale));
  return std::nullopt;
}

void PosixSettingsStore::WriteText(const std::string& path, const std::string& value) {
  m_written[path] = value;
}

}  // namespace lumor
