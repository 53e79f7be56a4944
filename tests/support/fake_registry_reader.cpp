#include "fake_registry_reader.h"

#include <algorithm>

namespace lumor {

FakeRegistryReader::Value FakeRegistryReader::Text(const std::string& text, bool withTerminator) {
  Value value;
  value.type = kRegSz;
  value.bytes.assign(text.begin(), text.end());
  if (withTerminator) value.bytes.push_back(0);
  return value;
}

FakeRegistryReader::Value FakeRegistryReader::Dword(std::uint32_t number) {
  Value value;
  value.type = kRegDword;
  for (int shift = 0; shift < 32; shift += 8) {
    value.bytes.push_back(static_cast<unsigned char>(number >> shift));  // little-endian, as stored
  }
  return value;
}

long FakeRegistryReader::OpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t access,
                                 RegistryHandle& handle) {
  accessMasks.push_back(access);
  const auto it = keys.find({root, subKey});
  if (it == keys.end()) return kErrorFileNotFound;
  if (it->second.openResult != kErrorSuccess) return it->second.openResult;
  handle = m_nextHandle++;
  m_open[handle] = &it->second;
  return kErrorSuccess;
}

long FakeRegistryReader::QueryValue(RegistryHandle handle, const std::string& valueName,
                                    std::uint32_t& type, std::span<unsigned char> buffer,
                                    std::uint32_t& size) {
  queriedValues.push_back(valueName);
  querySizesOnEntry.push_back(size);
  const auto key = m_open.find(handle);
  if (key == m_open.end()) return kErrorInvalidHandle;
  const auto it = key->second->values.find(valueName);
  if (it == key->second->values.end()) return kErrorFileNotFound;
  const Value& value = it->second;
  const auto stored = static_cast<std::uint32_t>(value.bytes.size());
  if (value.queryResult != kErrorSuccess) return value.queryResult;
  type = value.type;
  if (stored > size || stored > buffer.size()) {
    size = stored;
    return kErrorMoreData;
  }
  std::copy(value.bytes.begin(), value.bytes.end(), buffer.begin());
  size = value.reportedSize.value_or(stored);
  return kErrorSuccess;
}

long FakeRegistryReader::CloseKey(RegistryHandle handle) {
  closedHandles.push_back(handle);
  return m_open.erase(handle) ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace lumor
