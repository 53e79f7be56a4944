#pragma once

#ifdef _WIN32

#include "settings_store.h"

namespace lumor {

// The user's regional settings under HKEY_CURRENT_USER\Control Panel\International,
// read and written as string values through the wide-character calls, so any
// separator survives the round trip. Sends no notice to other programs.
class WindowsSettingsStore : public SettingsStore {
 public:
  // A value that is missing, is not a string value or does not convert to
  // UTF-8 is unreadable: nothing, so that nothing is written back over it.
  std::optional<std::string> ReadText(const std::string& path) override;
  void WriteText(const std::string& path, const std::string& value) override;
};

}  // namespace lumor

#endif
