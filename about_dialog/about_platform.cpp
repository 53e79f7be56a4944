#include "about_platform.h"

#include "message_box.h"

#ifdef _WIN32
#include "windows_file_probe.h"
#include "windows_program_starter.h"
#include "windows_registry_reader.h"
#else
#include "posix_file_probe.h"
#include "posix_program_starter.h"
#include "posix_registry_reader.h"
#endif

namespace lumor {

AboutPlatform nativeAboutPlatform() {
#ifdef _WIN32
  static WindowsRegistryReader registry;
  static WindowsFileProbe files;
  static WindowsProgramStarter programs;
#else
  static PosixRegistryReader registry;
  static PosixFileProbe files;
  static PosixProgramStarter programs;
#endif
  return AboutPlatform{registry, files, programs, [](QWidget* parent, const QString& text) {
                         toolkit::messageBox(parent, text);
                       }};
}

}  // namespace lumor
