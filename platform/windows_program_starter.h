#pragma once

#ifdef _WIN32

#include "program_starter.h"

namespace lumor {

// Starts the program file the text names, in the system code page like the
// registry text it comes from. The name goes to CreateProcess in quotes, so a
// path with blanks is one program and never "C:\Program.exe" with arguments.
// Its window opens normal and with the focus.
class WindowsProgramStarter : public ProgramStarter {
 public:
  bool Start(const std::string& commandText) override;

  // The command line CreateProcess receives; empty when the text cannot name
  // a program file.
  static std::string CommandLine(const std::string& programPath);
};

}  // namespace lumor

#endif
