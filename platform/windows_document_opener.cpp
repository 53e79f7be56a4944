#ifdef _WIN32

#include "windows_document_opener.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "windows_text.h"

namespace lumor {
namespace {

bool HasDefaultProgram(const std::wstring& path) {
  const wchar_t* extension = PathFindExtensionW(path.c_str());
  if (!extension || !*extension) return false;
  wchar_t program[MAX_PATH] = {};
  DWORD length = MAX_PATH;
  return AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN, ASSOCSTR_EXECUTABLE, extension, L"open",
                           program, &length) == S_OK &&
         program[0] != L'\0';
}

}  // namespace

void WindowsDocumentOpener::Open(const std::string& path, std::function<void(bool opened)> done) {
  const auto wide = WideFromUtf8(path);
  bool opened = false;
  if (wide && !wide->empty() && HasDefaultProgram(*wide)) {
    // ShellExecute reports success with a value above 32.
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", wide->c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    opened = result > 32;
  }
  if (done) done(opened);
}

}  // namespace lumor

#endif
