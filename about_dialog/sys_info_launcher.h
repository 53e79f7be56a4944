#pragma once

#include <functional>
#include <string>

#include "file_probe.h"
#include "program_starter.h"
#include "registry_reader.h"

namespace lumor {

// Finds the operating system's system-information tool through the registry
// and starts it, or tells the user it is not there. Pure C++: the dialog hands
// in the platform and the way its message is shown.
class SysInfoLauncher {
 public:
  static constexpr char kUnavailable[] = "System Information Is Unavailable At This Time";
  static constexpr std::size_t kBufferSize = 1024;

  using MessageFunction = std::function<void(const std::string& text)>;

  SysInfoLauncher(RegistryReader& registry, FileProbe& files, ProgramStarter& programs,
                  MessageFunction showMessage);

  // Starts the tool without waiting for it, or shows kUnavailable.
  void StartSysInfo();

  // Reads one value as text into KeyVal: a string value as it is stored, a
  // 32-bit value rendered as "&h" digits, any other type leaves KeyVal as it
  // was. False, with KeyVal empty, when the key or value cannot be read.
  bool GetKeyValue(RegistryRoot KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                   std::string& KeyVal);

 private:
  RegistryReader& m_registry;
  FileProbe& m_files;
  ProgramStarter& m_programs;
  MessageFunction m_showMessage;
};

}  // namespace lumor
