#include "program_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

extern char** environ;

namespace lumor::quote {
namespace {

std::string NewTempFile(const std::string& contents) {
  std::string path = (std::filesystem::temp_directory_path() / "lumor_quote_XXXXXX").string();
  const int fd = mkstemp(path.data());
  if (fd < 0) throw std::runtime_error("cannot create a temporary file");
  close(fd);
  std::ofstream(path, std::ios::binary) << contents;
  return path;
}

std::string ReadAndRemove(const std::string& path) {
  std::string contents;
  {
    std::ifstream in(path, std::ios::binary);
    contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::filesystem::remove(path);
  return contents;
}

}  // namespace

ProgramResult RunQuoteProgram(const std::vector<std::string>& args, const std::string& input,
                              const std::string& locale) {
  const std::string in = NewTempFile(input);
  const std::string out = NewTempFile("");
  const std::string err = NewTempFile("");

  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, STDIN_FILENO, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, out.c_str(), O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, STDERR_FILENO, err.c_str(), O_WRONLY, 0);

  std::vector<std::string> argStrings{LUMOR_QUOTE_PROGRAM};
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argStrings) argv.push_back(a.data());
  argv.push_back(nullptr);

  // The environment's own locale settings would change the price texts.
  std::vector<std::string> envStrings{"LC_ALL=" + locale};
  for (char** e = environ; *e; ++e) {
    const std::string_view entry(*e);
    if (entry.starts_with("LC_") || entry.starts_with("LANG=")) continue;
    envStrings.emplace_back(entry);
  }
  std::vector<char*> envp;
  for (auto& e : envStrings) envp.push_back(e.data());
  envp.push_back(nullptr);

  pid_t pid;
  const int spawned = posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&files);
  int status = 0;
  if (spawned == 0) waitpid(pid, &status, 0);

  ProgramResult result;
  result.out = ReadAndRemove(out);
  result.err = ReadAndRemove(err);
  ReadAndRemove(in);
  if (spawned != 0) throw std::runtime_error(std::string("cannot start ") + argv[0]);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

}  // namespace lumor::quote
