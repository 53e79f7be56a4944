#pragma once

#include "file_probe.h"

namespace lumor {

class PosixFileProbe : public FileProbe {
 public:
  bool Exists(const std::string& path) override;
};

}  // namespace lumor
