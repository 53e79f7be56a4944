#pragma once

// Where Windows records its system-information tool, under HKEY_LOCAL_MACHINE,
// in the order the About dialog tries them.
namespace lumor {

inline constexpr char kSysInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kSysInfoValue[] = "PATH";  // the program file
inline constexpr char kSysInfoLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kSysInfoLocationValue[] = "MSINFO";  // the folder holding it
inline constexpr char kSysInfoProgramFile[] = "\\MSINFO32.EXE";

}  // namespace lumor
