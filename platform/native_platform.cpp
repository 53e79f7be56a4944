#include "native_platform.h"

#ifdef _WIN32
#include "windows_document_opener.h"
#include "windows_file_probe.h"
#include "windows_program_starter.h"
#include "windows_registry_reader.h"
#else
#include "url_document_opener.h"
#include "posix_file_probe.h"
#include "posix_program_starter.h"
#include "posix_registry_reader.h"
#endif

namespace lumor {

#ifdef _WIN32
using NativeRegistryReader = WindowsRegistryReader;
using NativeFileProbe = WindowsFileProbe;
using NativeProgramStarter = WindowsProgramStarter;
using NativeDocumentOpener = WindowsDocumentOpener;
#else
using NativeRegistryReader = PosixRegistryReader;
using NativeFileProbe = PosixFileProbe;
using NativeProgramStarter = PosixProgramStarter;
using NativeDocumentOpener = UrlDocumentOpener;
#endif

std::unique_ptr<RegistryReader> nativeRegistryReader() {
  return std::make_unique<NativeRegistryReader>();
}
std::unique_ptr<FileProbe> nativeFileProbe() { return std::make_unique<NativeFileProbe>(); }
std::unique_ptr<ProgramStarter> nativeProgramStarter() {
  return std::make_unique<NativeProgramStarter>();
}
std::unique_ptr<DocumentOpener> nativeDocumentOpener() {
  return std::make_unique<NativeDocumentOpener>();
}

}  // namespace lumor
