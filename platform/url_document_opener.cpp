#include "url_document_opener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace lumor {

void UrlDocumentOpener::Open(const std::string& path, std::function<void(bool opened)> done) {
  const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
  if (done) done(opened);
}

}  // namespace lumor
