#pragma once

#include <string>
#include <vector>

#include "program_starter.h"

namespace lumor {

// Starts the program detached, in its own session, so that it outlives this
// process and leaves no zombie behind. No shell sees the command text.
class PosixProgramStarter : public ProgramStarter {
 public:
  bool Start(const std::string& commandText) override;

  // The program and its arguments. Words are split at blanks; double quotes
  // keep blanks inside a word. A text that as a whole names an executable
  // file is that one word, since a path read from elsewhere comes unquoted.
  static std::vector<std::string> CommandWords(const std::string& commandText);
};

}  // namespace lumor
