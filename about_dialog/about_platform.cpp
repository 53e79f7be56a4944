#include "about_platform.h"

#include "message_box.h"
#include "native_platform.h"

namespace lumor {

AboutPlatform nativeAboutPlatform() {
  static const auto registry = nativeRegistryReader();
  static const auto files = nativeFileProbe();
  static const auto programs = nativeProgramStarter();
  return AboutPlatform{*registry, *files, *programs, [](QWidget* parent, const QString& text) {
                         toolkit::messageBox(parent, text);
                       }};
}

}  // namespace lumor
