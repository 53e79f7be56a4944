#include "desktop_document_opener.h"

#include <QProcess>
#include <QStandardPaths>

namespace lumor {
namespace {

bool HasDefaultHandler(const QString& query, const QString& mimeType) {
  const QString program = QStandardPaths::findExecutable(query);
  if (program.isEmpty()) return true;  // nothing to ask: let the opener try
  QProcess process;
  process.start(program, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
  if (!process.waitForFinished(3000)) {
    process.kill();
    process.waitForFinished(1000);
    return true;
  }
  return !process.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

DesktopDocumentOpener::DesktopDocumentOpener(QString opener, QString query)
    : m_opener(std::move(opener)), m_query(std::move(query)) {}

void DesktopDocumentOpener::Open(const std::string& path, std::function<void(bool opened)> done) {
  const QString program = QStandardPaths::findExecutable(m_opener);
  bool opened = !program.isEmpty() &&
                HasDefaultHandler(m_query, QStringLiteral("application/pdf")) &&
                QProcess::startDetached(program, {QString::fromStdString(path)});
  if (done) done(opened);
}

}  // namespace lumor
