#include "application_identity.h"

#include <QCoreApplication>

namespace lumor {

QString ApplicationIdentity::versionText() const {
  return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

const ApplicationIdentity& applicationIdentity() {
  static const ApplicationIdentity identity{QStringLiteral(LUMOR_TITLE), LUMOR_VERSION_MAJOR,
                                            LUMOR_VERSION_MINOR, LUMOR_VERSION_REVISION};
  return identity;
}

void setApplicationIdentity() {
  const ApplicationIdentity& identity = applicationIdentity();
  QCoreApplication::setApplicationName(identity.title);
  QCoreApplication::setApplicationVersion(identity.versionText());
}

}  // namespace lumor
