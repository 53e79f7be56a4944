#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "registry_reader.h"

namespace lumor {

// An in-memory registry for tests. Each value may carry a chosen query result
// and a reported size that differs from what is stored; every call is recorded.
class FakeRegistryReader : public RegistryReader {
 public:
  struct Value {
    std::uint32_t type = kRegSz;
    std::vector<unsigned char> bytes;
    long queryResult = kErrorSuccess;
    std::optional<std::uint32_t> reportedSize;  // bytes.size() when unset
  };
  struct Key {
    long openResult = kErrorSuccess;
    std::map<std::string, Value> values;
  };

  static Value Text(const std::string& text, bool withTerminator = true);
  static Value Dword(std::uint32_t number);

  long OpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t access,
               RegistryHandle& handle) override;
  long QueryValue(RegistryHandle handle, const std::string& valueName, std::uint32_t& type,
                  std::span<unsigned char> buffer, std::uint32_t& size) override;
  long CloseKey(RegistryHandle handle) override;

  // Keys opened and not yet closed.
  std::size_t OpenKeyCount() const { return m_open.size(); }

  std::map<std::pair<RegistryRoot, std::string>, Key> keys;
  std::vector<std::uint32_t> accessMasks;  // one per OpenKey
  std::vector<std::string> queriedValues;  // one per QueryValue
  std::vector<std::uint32_t> querySizesOnEntry;
  std::vector<RegistryHandle> closedHandles;  // one per CloseKey, 0 included

 private:
  std::map<RegistryHandle, const Key*> m_open;
  RegistryHandle m_nextHandle = 0x100;
};

}  // namespace lumor
