#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace lumor::testing {

// The start of every table row: what the row proves. Test names and failure
// messages show it instead of the row's bytes.
struct NamedCase {
  const char* name;
};

inline std::ostream& operator<<(std::ostream& os, const NamedCase& row) { return os << row.name; }

// A row's name as a test name: letters and digits, the rest "_".
struct CaseName {
  template <class Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
    std::string name = info.param.name;
    for (char& c : name) {
      const bool alnum =
          (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
      if (!alnum) c = '_';
    }
    return name;
  }
};

}  // namespace lumor::testing
