#pragma once

#include <string>
#include <string_view>

namespace lumor::quote {

// Appends one RFC 4180 field, quoted only when it holds a comma, a quote or
// a line end.
void AppendCsvField(std::string& out, std::string_view field);

}  // namespace lumor::quote
