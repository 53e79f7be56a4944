#include "maker_texts.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <utility>

namespace lumor {
namespace {

// Each filled field after its caption, in order; an empty field leaves no
// caption and no separator behind.
QString Join(std::initializer_list<std::pair<const char*, QString>> fields) {
  QStringList parts;
  for (const auto& [caption, value] : fields) {
    if (!value.isEmpty()) parts << QString::fromUtf8(caption) + value;
  }
  return parts.join(QString::fromUtf8(" · "));
}

}  // namespace

MakerTexts LoadMakerTexts(const QString& ini_path) {
  // Qt 6 reads INI files as UTF-8, so the Turkish letters arrive intact.
  const QSettings ini(ini_path, QSettings::IniFormat);
  const auto text = [&ini](const char* key) {
    // An unquoted comma makes QSettings return a list; an address is full of them.
    const QVariant value = ini.value(QLatin1String(key));
    if (value.typeId() == QMetaType::QStringList) {
      return value.toStringList().join(QStringLiteral(", ")).trimmed();
    }
    return value.toString().trimmed();
  };
  const QString address = text("contact/address");
  const QString phone = text("contact/phone");
  const QString fax = text("contact/fax");
  const QString web = text("contact/web");
  return MakerTexts{
      .contact = Join({{"Adres / Address: ", address}, {"Tel: ", phone}, {"Web: ", web}}),
      .address = Join({{"Adres / Address: ", address}}),
      .phone = Join({{"Tel: ", phone}, {"Faks / Fax: ", fax}}),
      .description = text("about/description"),
  };
}

}  // namespace lumor
