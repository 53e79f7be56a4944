#pragma once

#include <functional>
#include <string>

namespace lumor {

// Opens a document in the desktop's default application for its type.
class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // Returns at once; `done` runs later on the caller's thread with false when
  // nothing could open the document.
  virtual void Open(const std::string& path, std::function<void(bool opened)> done) = 0;
};

}  // namespace lumor
