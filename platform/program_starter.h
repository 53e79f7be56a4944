#pragma once

#include <string>

namespace lumor {

// Starts a program from a command text as an independent process and returns
// at once, without a shell in between.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // false when the program could not be started.
  virtual bool Start(const std::string& commandText) = 0;
};

}  // namespace lumor
