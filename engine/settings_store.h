#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace lumor {

// A read or write of the user's settings that failed for another reason than
// the value being absent.
class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The per-user settings store that holds the regional number settings.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // std::nullopt when the value does not exist or cannot be read;
  // throws SettingsError for any other failure.
  virtual std::optional<std::string> ReadText(const std::string& path) = 0;
  // Stores the value as a string value; throws SettingsError on failure.
  virtual void WriteText(const std::string& path, const std::string& value) = 0;
};

}  // namespace lumor
