#include "posix_file_probe.h"

#include <sys/stat.h>

namespace lumor {

bool PosixFileProbe::Exists(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace lumor
