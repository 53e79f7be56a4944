#pragma once

#include <string>
#include <vector>

#include "document_opener.h"

namespace lumor {

// Records the documents it is asked to open and answers at once.
class FakeDocumentOpener : public DocumentOpener {
 public:
  void Open(const std::string& path, std::function<void(bool opened)> done) override {
    opened.push_back(path);
    if (done) done(succeeds);
  }

  std::vector<std::string> opened;
  bool succeeds = true;
};

}  // namespace lumor
