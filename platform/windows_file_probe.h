#pragma once

#ifdef _WIN32

#include "file_probe.h"

namespace lumor {

// A directory search for the path that, like a search with normal attributes,
// matches no folder and no hidden or system file.
class WindowsFileProbe : public FileProbe {
 public:
  bool Exists(const std::string& path) override;
};

}  // namespace lumor

#endif
