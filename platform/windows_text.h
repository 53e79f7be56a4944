#pragma once

#ifdef _WIN32

#include <optional>
#include <string>
#include <string_view>

namespace lumor {

// UTF-8 and the UTF-16 of the wide-character calls. Nothing is replaced on
// the way: a text that does not convert cleanly is no text at all, so that a
// setting is never written back with a "?" in it.
std::optional<std::wstring> WideFromUtf8(std::string_view text);
std::optional<std::string> Utf8FromWide(std::wstring_view text);

}  // namespace lumor

#endif
