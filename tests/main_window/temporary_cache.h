#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

namespace lumor::testing {

// Points the user's cache at a fresh folder for the life of the object, so
// tests neither read nor leave files in the real one.
class TemporaryCache {
 public:
  TemporaryCache()
      : m_hadValue(qEnvironmentVariableIsSet("XDG_CACHE_HOME")),
        m_saved(qgetenv("XDG_CACHE_HOME")) {
    qputenv("XDG_CACHE_HOME", m_dir.path().toLocal8Bit());
  }
  ~TemporaryCache() {
    if (m_hadValue) {
      qputenv("XDG_CACHE_HOME", m_saved);
    } else {
      qunsetenv("XDG_CACHE_HOME");
    }
  }
  TemporaryCache(const TemporaryCache&) = delete;
  TemporaryCache& operator=(const TemporaryCache&) = delete;

  QString path() const { return m_dir.path(); }

 private:
  QTemporaryDir m_dir;
  bool m_hadValue;
  QByteArray m_saved;
};

}  // namespace lumor::testing
