#include "catalogue.h"

namespace lumor {
namespace {

template <class Row, std::size_t N>
std::optional<std::size_t> IndexOf(const std::array<Row, N>& rows, std::string_view code) {
  for (std::size_t i = 0; i < N; ++i) {
    if (rows[i].code == code) return i;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::size_t> ConnectorIndex(std::string_view code) {
  return IndexOf(kConnectors, code);
}

std::optional<std::size_t> CableIndex(std::string_view code) { return IndexOf(kCables, code); }

bool CableIsDuplexOnly(std::string_view code) {
  const auto index = CableIndex(code);
  return index && kCables[*index].duplexOnly;
}

}  // namespace lumor
