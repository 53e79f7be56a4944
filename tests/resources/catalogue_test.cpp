#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace {

// Runs one of poppler's tools; an empty result means it could not run.
QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    return {};
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

bool HaveTools() {
  return QFile::exists(QStringLiteral(LUMOR_PDFINFO)) &&
         QFile::exists(QStringLiteral(LUMOR_PDFTOTEXT));
}

// The catalogue as the program carries it, copied out once for the tools.
class CatalogueTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_dir = std::make_unique<QTemporaryDir>();
    QFile embedded(QStringLiteral(":/lumor/catalogue.pdf"));
    if (embedded.open(QIODevice::ReadOnly)) {
      s_bytes = embedded.readAll();
      QFile copy(s_dir->filePath(QStringLiteral("catalogue.pdf")));
      if (copy.open(QIODevice::WriteOnly)) {
        copy.write(s_bytes);
      }
    }
  }
  static void TearDownTestSuite() { s_dir.reset(); }
  void SetUp() override {
    ASSERT_FALSE(s_bytes.isEmpty()) << ":/lumor/catalogue.pdf is missing";
    if (!HaveTools()) {
      GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are needed";
    }
  }
  static QString Path() { return s_dir->filePath(QStringLiteral("catalogue.pdf")); }
  static QString PageText(int page) {
    const QString number = QString::number(page);
    return RunTool(
        QStringLiteral(LUMOR_PDFTOTEXT),
        {QStringLiteral("-f"), number, QStringLiteral("-l"), number, Path(), QStringLiteral("-")});
  }

  static inline std::unique_ptr<QTemporaryDir> s_dir;
  static inline QByteArray s_bytes;
};

TEST_F(CatalogueTest, IsTwoA4Pages) {
  EXPECT_TRUE(s_bytes.startsWith("%PDF-1.4"));
  const QString info =
      RunTool(QStringLiteral(LUMOR_PDFINFO), {QStringLiteral("-f"), QStringLiteral("1"),
                                              QStringLiteral("-l"), QStringLiteral("99"), Path()});
  ASSERT_FALSE(info.isEmpty()) << "pdfinfo cannot read the catalogue";
  EXPECT_TRUE(info.contains(
      QRegularExpression(QStringLiteral("^Pages:\\s+2$"), QRegularExpression::MultilineOption)))
      << info.toStdString();

  const QRegularExpression page_size(
      QStringLiteral("^Page\\s+(\\d+) size:\\s+([\\d.]+) x ([\\d.]+)"),
      QRegularExpression::MultilineOption);
  int pages = 0;
  for (const QRegularExpressionMatch& match : page_size.globalMatch(info)) {
    ++pages;
    // A4 is 210 x 297 mm, 595.28 x 841.89 points.
    EXPECT_NEAR(match.captured(2).toDouble(), 595.28, 1.0)
        << "page " << match.captured(1).toStdString();
    EXPECT_NEAR(match.captured(3).toDouble(), 841.89, 1.0)
        << "page " << match.captured(1).toStdString();
  }
  EXPECT_EQ(pages, 2);
}

struct Needle {
  const char* name;
  int page;
  QString text;
};

void PrintTo(const Needle& needle, std::ostream* out) { *out << needle.name; }

class CatalogueTextTest : public CatalogueTest, public ::testing::WithParamInterface<Needle> {};

// The text must be real text, not outlines, so that a reader can search it.
INSTANTIATE_TEST_SUITE_P(
    Words, CatalogueTextTest,
    ::testing::Values(Needle{"connectors_sc", 1, QStringLiteral("SC")},
                      Needle{"connectors_fc", 1, QStringLiteral("FC")},
                      Needle{"connectors_lc", 1, QStringLiteral("LC")},
                      Needle{"connectors_st", 1, QStringLiteral("ST")},
                      Needle{"connectors_e2000", 1, QStringLiteral("E2000")},
                      Needle{"connectors_apc", 1, QStringLiteral("APC")},
                      Needle{"angled_polish", 1, QString::fromUtf16(u"8\u00B0")},
                      Needle{"cables_thinnest", 2, QStringLiteral("0900")},
                      Needle{"cables_thickest", 2, QStringLiteral("3000")},
                      Needle{"cables_fig0", 2, QStringLiteral("Fig-0")},
                      Needle{"fibre_single_mode", 2, QStringLiteral("9/125")},
                      Needle{"fibre_om2", 2, QStringLiteral("50/125")},
                      Needle{"fibre_om1", 2, QStringLiteral("62.5/125")},
                      // Turkish letters survive font subsetting and text extraction.
                      Needle{"maker", 2, QString::fromUtf16(u"VORN DI\u015E ZODEVUR A.\u015E.")}),
    [](const ::testing::TestParamInfo<Needle>& info) { return std::string(info.param.name); });

TEST_P(CatalogueTextTest, PageCarriesText) {
  static std::map<int, QString> pages;
  const Needle& needle = GetParam();
  if (!pages.contains(needle.page)) {
    pages[needle.page] = PageText(needle.page);
  }
  EXPECT_TRUE(pages[needle.page].contains(needle.text))
      << "page " << needle.page << " lacks " << needle.text.toStdString();
}

}  // namespace
