#pragma once

#ifdef _WIN32

#include "settings_store.h"

namespace lumor {

// The user's regional settings under HKEY_CURRENT_USER\Control Panel\International,
// read and written as string values. Sends no notice to other programs.
class WindowsSettingsStore : public SettingsStore {
 public:
  std::optional<std::string> ReadText(const std::string& path) override;
  void WriteText(const std::string& path, const std::string& value) override;
};

}  // namespace lumor

#endif
