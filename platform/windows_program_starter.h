#pragma once

#ifdef _WIN32

#include "program_starter.h"

namespace lumor {

// CreateProcess splits the command text itself; its window opens normal and
// with the focus.
class WindowsProgramStarter : public ProgramStarter {
 public:
  bool Start(const std::string& commandText) override;
};

}  // namespace lumor

#endif
