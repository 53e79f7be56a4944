#pragma once

#include <string>

namespace lumor {

// Whether a path names an ordinary file (not a folder).
class FileProbe {
 public:
  virtual ~FileProbe() = default;
  virtual bool Exists(const std::string& path) = 0;
};

}  // namespace lumor
