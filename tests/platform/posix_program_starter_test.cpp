#include "posix_program_starter.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "temp_folder.h"

namespace lumor {
namespace {

using testing::TempFolder;
using Words = std::vector<std::string>;

struct WordsCase {
  const char* name;
  std::string command;
  Words words;
};

void PrintTo(const WordsCase& row, std::ostream* out) { *out << row.name; }

const WordsCase kWordsCases[] = {
    {"ProgramAlone", "/usr/bin/hardinfo", {"/usr/bin/hardinfo"}},
    {"ProgramAndArguments", "kinfocenter --page about", {"kinfocenter", "--page", "about"}},
    {"RunsOfBlanks", "  a \t b  ", {"a", "b"}},
    {"QuotesKeepBlanks", "\"/opt/my tools/info\" -x \"a b\"", {"/opt/my tools/info", "-x", "a b"}},
    {"ShellCharactersAreText", "a;rm -rf $HOME|b", {"a;rm", "-rf", "$HOME|b"}},
    {"Empty", "", {}},
    {"BlanksOnly", "   ", {}},
};

class CommandWordsTest : public ::testing::TestWithParam<WordsCase> {};

TEST_P(CommandWordsTest, SplitsWithoutAShell) {
  EXPECT_EQ(PosixProgramStarter::CommandWords(GetParam().command), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandWordsTest, ::testing::ValuesIn(kWordsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandWordsTest, AnUnquotedPathWithBlanksToAProgramIsOneWord) {
  TempFolder folder;
  const std::string program = folder.write("my tools/hardinfo", "#!/bin/sh\n", true);
  EXPECT_EQ(PosixProgramStarter::CommandWords(program), Words{program});
  EXPECT_EQ(PosixProgramStarter::CommandWords('"' + program + "\" -r"), (Words{program, "-r"}));
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Waits for a file the started program writes; the program runs on its own.
bool WaitFor(const std::filesystem::path& file) {
  for (int i = 0; i < 500; ++i) {
    if (std::filesystem::exists(file) && !ReadFile(file).empty()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

TEST(PosixProgramStarterTest, StartsDetachedWithItsArgumentsAndReturnsAtOnce) {
  TempFolder folder;
  const auto go = folder.path() / "go";
  const auto out = folder.path() / "out";
  const auto pwned = folder.path() / "pwned";
  // The program waits for the test, so Start must return before it ends.
  const std::string program = folder.write("record",
                                           R"(#!/bin/sh
i=0
while [ ! -e ")" + go.string() + R"(" ] && [ $i -lt 500 ]; do sleep 0.02; i=$((i+1)); done
{ echo "$PPID"; printf '%s\n' "$@"; } > ")" + out.string() +
                                               R"(.tmp"
mv ")" + out.string() + R"(.tmp" ")" + out.string() +
                                               R"("
)",
                                           true);
  PosixProgramStarter starter;
  ASSERT_TRUE(starter.Start(program + " a;touch " + pwned.string() + " \"b c\""));
  std::ofstream(go) << "go";
  ASSERT_TRUE(WaitFor(out));

  std::istringstream lines(ReadFile(out));
  std::string parent;
  std::getline(lines, parent);
  Words arguments;
  for (std::string line; std::getline(lines, line);) arguments.push_back(line);
  EXPECT_EQ(arguments, (Words{"a;touch", pwned.string(), "b c"}));
  EXPECT_FALSE(std::filesystem::exists(pwned)) << "a shell ran the command text";
  EXPECT_NE(parent, std::to_string(::getpid())) << "the program is still our child";
  // Neither the program nor a helper is left for us to reap.
  errno = 0;
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST(PosixProgramStarterTest, AProgramOnThePathIsFoundByItsName) {
  PosixProgramStarter starter;
  EXPECT_TRUE(starter.Start("true --ignored"));
}

struct FailureCase {
  const char* name;
  std::string command;  // "T" stands for the temporary folder
};

void PrintTo(const FailureCase& row, std::ostream* out) { *out << row.name; }

const FailureCase kFailureCases[] = {
    {"EmptyText", ""},
    {"NoSuchProgram", "T/missing --flag"},
    {"NotExecutable", "T/plain"},
    {"AFolder", "T"},
    {"NotOnThePath", "lumor-no-such-program-anywhere"},
};

class PosixProgramStarterFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PosixProgramStarterFailureTest, ReportsAFailedStart) {
  TempFolder folder;
  folder.write("plain", "#!/bin/sh\n", false);
  std::string command = GetParam().command;
  if (!command.empty() && command.front() == 'T') command.replace(0, 1, folder.path().string());
  PosixProgramStarter starter;
  EXPECT_FALSE(starter.Start(command));
}

INSTANTIATE_TEST_SUITE_P(Commands, PosixProgramStarterFailureTest,
                         ::testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumor
