#pragma once

#include <QString>

#include "document_opener.h"

namespace lumor {

// The desktop's default handler through xdg-open, run without a shell and
// detached, so the viewer outlives the program. Whether a handler exists is
// asked first, because a detached start cannot report it.
class DesktopDocumentOpener : public DocumentOpener {
 public:
  explicit DesktopDocumentOpener(QString opener = QStringLiteral("xdg-open"),
                                 QString query = QStringLiteral("xdg-mime"));
  void Open(const std::string& path, std::function<void(bool opened)> done) override;

 private:
  QString m_opener;
  QString m_query;
};

}  // namespace lumor
