#include "fake_settings_store.h"

namespace lumor {

std::optional<std::string> FakeSettingsStore::ReadText(const std::string& path) {
  if (failingReads.count(path)) throw SettingsError("cannot read " + path);
  const auto it = values.find(path);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

void FakeSettingsStore::WriteText(const std::string& path, const std::string& value) {
  if (failingWrites.count(path)) throw SettingsError("cannot write " + path);
  writes.emplace_back(path, value);
  values[path] = value;
}

}  // namespace lumor
