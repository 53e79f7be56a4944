#pragma once

#include <QString>
#include <functional>

#include "file_probe.h"
#include "program_starter.h"
#include "registry_reader.h"

class QWidget;

namespace lumor {

// What the About dialog needs from outside: the registry, the file system,
// the program start and a message box. Tests hand in fakes and record the
// message instead of opening a modal box.
struct AboutPlatform {
  RegistryReader& registry;
  FileProbe& files;
  ProgramStarter& programs;
  std::function<void(QWidget* parent, const QString& text)> messageBox;
};

// The operating system's own, alive for the whole run; the message box is
// the toolkit's.
AboutPlatform nativeAboutPlatform();

}  // namespace lumor
