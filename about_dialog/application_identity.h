#pragma once

#include <QString>

namespace lumor {

// The title and version the program shows about itself. They come from the
// project's name and version in the build, so they are written down once.
struct ApplicationIdentity {
  QString title;
  int major;
  int minor;
  int revision;

  // "1.1.18": the build number of the file version is left out.
  QString versionText() const;
};

const ApplicationIdentity& applicationIdentity();

// Gives the application object this title and version; call once the
// QApplication exists.
void setApplicationIdentity();

}  // namespace lumor
