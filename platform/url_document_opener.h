#pragma once

#include "document_opener.h"

namespace lumor {

// Hands a document to the desktop through QDesktopServices: no probe runs on
// the user-interface thread first, and inside a sandbox the portal opens it.
class UrlDocumentOpener : public DocumentOpener {
 public:
  void Open(const std::string& path, std::function<void(bool opened)> done) override;
};

}  // namespace lumor
