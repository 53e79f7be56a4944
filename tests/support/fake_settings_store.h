#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "settings_store.h"

namespace lumor {

// In-memory settings for tests: values by path, every write in order, and
// paths that fail on purpose.
class FakeSettingsStore : public SettingsStore {
 public:
  std::optional<std::string> ReadText(const std::string& path) override;
  void WriteText(const std::string& path, const std::string& value) override;

  std::map<std::string, std::string> values;
  std::vector<std::pair<std::string, std::string>> writes;
  std::set<std::string> failingReads;
  std::set<std::string> failingWrites;
};

}  // namespace lumor
