#pragma once

#ifdef _WIN32

#include "document_opener.h"

namespace lumor {

// The user's default program for the document's type, through the shell.
// Whether there is one is asked first: without one the shell would offer its
// own "open with" dialog instead of failing.
class WindowsDocumentOpener : public DocumentOpener {
 public:
  void Open(const std::string& path, std::function<void(bool opened)> done) override;
};

}  // namespace lumor

#endif
