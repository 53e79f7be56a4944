#pragma once

#include <QString>

namespace lumor {

// The maker's contact texts, kept in one file so that a reseller can change
// them without touching the windows. Each text is built from the fields that
// are filled in; with none filled it is empty, never a placeholder.
struct MakerTexts {
  QString contact;      // main window footer: address, telephone and web in one text
  QString address;      // About dialog: postal address
  QString phone;        // About dialog: telephone and fax
  QString description;  // About dialog: one-line credit
};

// Reads the compiled-in maker.ini; the path is there for the tests.
MakerTexts LoadMakerTexts(const QString& ini_path = QStringLiteral(":/lumor/maker.ini"));

}  // namespace lumor
