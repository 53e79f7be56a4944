#include "sys_info_launcher.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <utility>

#include "system_information_keys.h"

namespace lumor {
namespace {

// Closes the key on every way out of GetKeyValue, an error included; after a
// failed open the handle is still 0 and the close does nothing.
class KeyCloser {
 public:
  KeyCloser(RegistryReader& registry, const RegistryHandle& handle)
      : m_registry(registry), m_handle(handle) {}
  ~KeyCloser() { m_registry.CloseKey(m_handle); }
  KeyCloser(const KeyCloser&) = delete;
  KeyCloser& operator=(const KeyCloser&) = delete;

 private:
  RegistryReader& m_registry;
  const RegistryHandle& m_handle;
};

// Upper-case hexadecimal digits without leading zeros; 0 is "0".
std::string Hex(unsigned value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value != 0);
  return digits;
}

}  // namespace

SysInfoLauncher::SysInfoLauncher(RegistryReader& registry, FileProbe& files,
                                 ProgramStarter& programs, MessageFunction showMessage)
    : m_registry(registry),
      m_files(files),
      m_programs(programs),
      m_showMessage(std::move(showMessage)) {}

void SysInfoLauncher::StartSysInfo() {
  try {
    std::string SysInfoPath;
    // A value found is started as it is, with no existence test and no second
    // location; an empty one (a value of another type) names no program.
    if (GetKeyValue(kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, SysInfoPath)) {
      if (!SysInfoPath.empty() && m_programs.Start(SysInfoPath)) return;
    } else if (GetKeyValue(kHkeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue,
                           SysInfoPath)) {
      SysInfoPath += kSysInfoProgramFile;
      if (m_files.Exists(SysInfoPath) && m_programs.Start(SysInfoPath)) return;
    }
  } catch (...) {
    // Whatever fails on the way, the user learns only that the tool is unavailable.
  }
  m_showMessage(kUnavailable);
}

bool SysInfoLauncher::GetKeyValue(RegistryRoot KeyRoot, const std::string& KeyName,
                                  const std::string& SubKeyRef, std::string& KeyVal) {
  RegistryHandle hKey = 0;
  const KeyCloser closer(m_registry, hKey);

  // Read access only: an ordinary user may not open HKEY_LOCAL_MACHINE for writing.
  if (m_registry.OpenKey(KeyRoot, KeyName, kKeyRead, hKey) != kErrorSuccess) {
    KeyVal.clear();
    return false;
  }

  std::array<unsigned char, kBufferSize> tmpVal{};
  std::uint32_t KeyValSize = kBufferSize;
  std::uint32_t KeyValType = 0;
  if (m_registry.QueryValue(hKey, SubKeyRef, KeyValType, tmpVal, KeyValSize) != kErrorSuccess) {
    KeyVal.clear();
    return false;
  }
  if (KeyValSize > kBufferSize) throw std::length_error("registry value larger than its buffer");

  // A string value usually arrives with its terminating zero; a size of 0 is the empty text.
  std::size_t kept = KeyValSize;
  if (kept > 0 && tmpVal[kept - 1] == 0) --kept;

  switch (KeyValType) {
    case kRegSz:
      KeyVal.assign(tmpVal.begin(), tmpVal.begin() + static_cast<std::ptrdiff_t>(kept));
      break;
    case kRegDword: {
      std::string digits;
      for (std::size_t i = kept; i-- > 0;) digits += Hex(tmpVal[i]);
      KeyVal = "&h" + digits;
      break;
    }
    default:
      break;  // a type nobody here reads: the caller's text stays
  }
  return true;
}

}  // namespace lumor
