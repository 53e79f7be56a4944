#include "csv_field.h"

namespace lumor::quote {

void AppendCsvField(std::string& out, std::string_view field) {
  // One vectorised search a character: find_first_of would search the set
  // once for every character of the field.
  const bool plain =
      field.find(',') == std::string_view::npos && field.find('"') == std::string_view::npos &&
      field.find('\n') == std::string_view::npos && field.find('\r') == std::string_view::npos;
  if (plain) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace lumor::quote
