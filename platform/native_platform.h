#pragma once

#include <memory>

#include "document_opener.h"
#include "file_probe.h"
#include "program_starter.h"
#include "registry_reader.h"
#include "settings_store.h"

namespace lumor {

// The operating system's own layers for the platform being built: the one
// place where the POSIX and the Windows build part. The settings store is in
// lumor_platform, so the command-line tools stay free of Qt; the rest is in
// lumor_platform_qt.
std::unique_ptr<SettingsStore> nativeSettingsStore();
std::unique_ptr<RegistryReader> nativeRegistryReader();
std::unique_ptr<FileProbe> nativeFileProbe();
std::unique_ptr<ProgramStarter> nativeProgramStarter();
std::unique_ptr<DocumentOpener> nativeDocumentOpener();

}  // namespace lumor
