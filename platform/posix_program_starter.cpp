#include "posix_program_starter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QStringList>

namespace lumor {
namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::vector<std::string> PosixProgramStarter::CommandWords(const std::string& commandText) {
  if (commandText.find('/') != std::string::npos && IsExecutableFile(commandText)) {
    return {commandText};
  }
  std::vector<std::string> words;
  for (const QString& word : QProcess::splitCommand(QFile::decodeName(commandText.c_str()))) {
    words.push_back(QFile::encodeName(word).toStdString());
  }
  return words;
}

bool PosixProgramStarter::Start(const std::string& commandText) {
  const std::vector<std::string> words = CommandWords(commandText);
  if (words.empty()) return false;
  QStringList arguments;
  for (auto it = words.begin() + 1; it != words.end(); ++it) {
    arguments << QFile::decodeName(it->c_str());
  }
  // Qt forks twice and reports a failed exec back through a pipe.
  return QProcess::startDetached(QFile::decodeName(words.front().c_str()), arguments);
}

}  // namespace lumor
