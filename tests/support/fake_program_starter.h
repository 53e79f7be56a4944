#pragma once

#include <string>
#include <vector>

#include "program_starter.h"

namespace lumor {

// Records every start instead of starting anything.
class FakeProgramStarter : public ProgramStarter {
 public:
  bool Start(const std::string& commandText) override {
    started.push_back(commandText);
    return succeeds;
  }

  bool succeeds = true;
  std::vector<std::string> started;
};

}  // namespace lumor
