#include "native_platform.h"

#ifdef _WIN32
#include "windows_settings_store.h"
#else
#include "posix_settings_store.h"
#endif

namespace lumor {

std::unique_ptr<SettingsStore> nativeSettingsStore() {
#ifdef _WIN32
  return std::make_unique<WindowsSettingsStore>();
#else
  return std::make_unique<PosixSettingsStore>();
#endif
}

}  // namespace lumor
