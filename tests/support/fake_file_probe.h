#pragma once

#include <set>
#include <string>
#include <vector>

#include "file_probe.h"

namespace lumor {

// Files that exist only in memory; every probe is recorded.
class FakeFileProbe : public FileProbe {
 public:
  bool Exists(const std::string& path) override {
    probed.push_back(path);
    return files.count(path) != 0;
  }

  std::set<std::string> files;
  std::vector<std::string> probed;
};

}  // namespace lumor
