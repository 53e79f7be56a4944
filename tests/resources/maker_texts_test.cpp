#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <string>

#include "maker_texts.h"

namespace {

// Escaped so that the expectation does not depend on how this file is read.
const QString kMaker = QString::fromUtf16(u"VORN DI\u015E ZODEVUR A.\u015E.");

lumor::MakerTexts LoadFrom(const QString& ini) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("maker.ini"));
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(ini.toUtf8());
  file.close();
  return lumor::LoadMakerTexts(path);
}

// What ships names no address or number it does not have: no dashes, no
// "your details here".
TEST(MakerTextsShipped, ShowNoPlaceholder) {
  const lumor::MakerTexts maker = lumor::LoadMakerTexts();
  for (const QString& text : {maker.contact, maker.address, maker.phone, maker.description}) {
    for (const char* placeholder : {"—", "here", "bilgileriniz", "numaralar", "--"}) {
      EXPECT_FALSE(text.contains(QString::fromUtf8(placeholder))) << text.toStdString();
    }
  }
  EXPECT_TRUE(maker.description.contains(kMaker)) << maker.description.toStdString();
  // A wrong decoding leaves replacement characters, or the UTF-8 lead bytes of
  // the Turkish letters read as Latin-1 (U+00C4, U+00C5).
  EXPECT_FALSE(maker.description.contains(QChar::ReplacementCharacter));
  EXPECT_FALSE(maker.description.contains(QChar(0x00C4)) ||
               maker.description.contains(QChar(0x00C5)));
}

struct Fields {
  const char* name;
  const char* ini;  // the [contact] section's lines
  const char* contact;
  const char* address;
  const char* phone;
};

void PrintTo(const Fields& row, std::ostream* out) { *out << row.name; }

class MakerTextsFields : public ::testing::TestWithParam<Fields> {};

TEST_P(MakerTextsFields, ShowOnlyTheFilledFields) {
  const Fields& row = GetParam();
  const lumor::MakerTexts maker =
      LoadFrom(QStringLiteral("[contact]\n") + QString::fromUtf8(row.ini));
  EXPECT_EQ(maker.contact.toStdString(), row.contact);
  EXPECT_EQ(maker.address.toStdString(), row.address);
  EXPECT_EQ(maker.phone.toStdString(), row.phone);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MakerTextsFields,
    ::testing::Values(
        Fields{"none", "address=\"\"\nphone=\"\"\nfax=\"\"\nweb=\"\"\n", "", "", ""},
        Fields{"section_missing", "", "", "", ""},
        Fields{"blanks_only", "address=\"  \"\nphone=\" \"\n", "", "", ""},
        Fields{"phone_only", "phone=\"+90 1\"\n", "Tel: +90 1", "", "Tel: +90 1"},
        Fields{"fax_without_phone", "fax=\"2\"\n", "", "", "Faks / Fax: 2"},
        Fields{"web_only", "web=\"example.org\"\n", "Web: example.org", "", ""},
        Fields{"all", "address=\"Cad. 5, İstanbul\"\nphone=\"1\"\nfax=\"2\"\nweb=\"example.org\"\n",
               "Adres / Address: Cad. 5, İstanbul · Tel: 1 · Web: example.org",
               "Adres / Address: Cad. 5, İstanbul", "Tel: 1 · Faks / Fax: 2"}),
    [](const auto& info) { return std::string(info.param.name); });

// Whoever fills in the real address will write commas without quotes.
TEST(MakerTextsEditing, UnquotedCommasKeepTheTextWhole) {
  const lumor::MakerTexts maker =
      LoadFrom(QStringLiteral("[contact]\naddress=Cad. No: 5, Kat 2, \u0130stanbul\n"));
  EXPECT_EQ(maker.address.toStdString(),
            QString::fromUtf16(u"Adres / Address: Cad. No: 5, Kat 2, \u0130stanbul").toStdString());
}

}  // namespace
