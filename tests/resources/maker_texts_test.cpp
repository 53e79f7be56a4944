#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "maker_texts.h"

namespace {

struct Field {
  const char* name;
  QString lumor::MakerTexts::*member;
  std::vector<QString> parts;  // each must appear in the loaded text
};

void PrintTo(const Field& field, std::ostream* out) { *out << field.name; }

class MakerTextsTest : public ::testing::TestWithParam<Field> {};

// Escaped so that the expectation does not depend on how this file is read.
const QString kMaker = QString::fromUtf16(u"VORN DI\u015E ZODEVUR A.\u015E.");

INSTANTIATE_TEST_SUITE_P(
    Fields, MakerTextsTest,
    ::testing::Values(
        // One text with all three parts proves the commas and dots did not split it.
        Field{"contact", &lumor::MakerTexts::contact, {"Adres", "Tel", "Web"}},
        Field{"address", &lumor::MakerTexts::address, {"Adres"}},
        Field{"phone", &lumor::MakerTexts::phone, {"Tel", "Faks"}},
        Field{"description", &lumor::MakerTexts::description, {kMaker}},
        // Turkish letters outside Latin-1 come through as themselves.
        Field{
            "contact_turkish", &lumor::MakerTexts::contact, {QString::fromUtf16(u"ileti\u015Fim")}},
        Field{"phone_turkish",
              &lumor::MakerTexts::phone,
              {QString::fromUtf16(u"numaralar\u0131n\u0131z")}}),
    [](const ::testing::TestParamInfo<Field>& info) { return std::string(info.param.name); });

TEST_P(MakerTextsTest, LoadsWholeAndUndamaged) {
  const Field& field = GetParam();
  const QString text = lumor::LoadMakerTexts().*field.member;
  for (const QString& part : field.parts) {
    EXPECT_TRUE(text.contains(part)) << text.toStdString() << "\nlacks " << part.toStdString();
  }
  // A wrong decoding leaves replacement characters, or the UTF-8 lead bytes of
  // the Turkish letters read as Latin-1 (U+00C4, U+00C5).
  EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << text.toStdString();
  EXPECT_FALSE(text.contains(QChar(0x00C5)) || text.contains(QChar(0x00C4))) << text.toStdString();
}

// Whoever fills in the real address will write commas without quotes.
TEST(MakerTextsEditing, UnquotedCommasKeepTheTextWhole) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("maker.ini"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QStringLiteral("[about]\naddress=Cad. No: 5, Kat 2, \u0130stanbul\n").toUtf8());
  file.close();

  EXPECT_EQ(lumor::LoadMakerTexts(path).address.toStdString(),
            QString::fromUtf16(u"Cad. No: 5, Kat 2, \u0130stanbul").toStdString());
}

}  // namespace
