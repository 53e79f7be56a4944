#include "maker_texts.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace lumor {

MakerTexts LoadMakerTexts(const QString& ini_path) {
  // Qt 6 reads INI files as UTF-8, so the Turkish letters arrive intact.
  const QSettings ini(ini_path, QSettings::IniFormat);
  const auto text = [&ini](const char* key) {
    // An unquoted comma makes QSettings return a list; an address is full of them.
    const QVariant value = ini.value(QLatin1String(key));
    if (value.typeId() == QMetaType::QStringList) {
      return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
  };
  return MakerTexts{
      .contact = text("main_window/contact"),
      .address = text("about/address"),
      .phone = text("about/phone"),
      .description = text("about/description"),
  };
}

}  // namespace lumor
