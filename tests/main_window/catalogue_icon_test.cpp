#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTest>

#include "catalogue_icon.h"
#include "form_fixture.h"
#include "temporary_cache.h"

namespace lumor::testing {
namespace {

class CatalogueIconTest : public FormFixture {
 protected:
  TemporaryCache cache;
};

struct FileId {
  ino_t inode;
  mode_t mode;
};

FileId Stat(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return {st.st_ino, st.st_mode & 07777};
}

TEST_F(CatalogueIconTest, DoubleClickHandsTheCachedPdfToTheViewer) {
  QTest::mouseDClick(form->OLE1, Qt::LeftButton);
  ASSERT_EQ(opener.opened.size(), 1u);
  const std::string path = opener.opened[0];
  EXPECT_EQ(path.rfind(cache.path().toStdString() + "/", 0), 0u) << path;
  QFile pdf(QString::fromStdString(path));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
  EXPECT_EQ(Stat(path).mode, 0600u);
  EXPECT_TRUE(messages.isEmpty());
}

// One file per user: a second opening, even from another window, reuses it
// untouched; a file that differs (an older catalogue) is replaced.
TEST_F(CatalogueIconTest, TheCacheFileIsWrittenOnceAndReplacedWhenItDiffers) {
  QTest::mouseDClick(form->OLE1, Qt::LeftButton);
  ASSERT_EQ(opener.opened.size(), 1u);
  const std::string path = opener.opened[0];
  const FileId first = Stat(path);

  FormHarness other;
  QTest::mouseDClick(other.form->OLE1, Qt::LeftButton);
  ASSERT_EQ(other.opener.opened.size(), 1u);
  EXPECT_EQ(other.opener.opened[0], path);
  EXPECT_EQ(Stat(path).inode, first.inode) << "rewritten although unchanged";

  {
    QFile stale(QString::fromStdString(path));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stale.write("%PDF-1.4 older catalogue");
    stale.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
  }
  QTest::mouseDClick(form->OLE1, Qt::LeftButton);
  QFile pdf(QString::fromStdString(path));
  QFile source(QStringLiteral(":/lumor/catalogue.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
  EXPECT_EQ(pdf.readAll(), source.readAll());
  EXPECT_EQ(Stat(path).mode, 0600u);
}

TEST_F(CatalogueIconTest, NoViewerIsReportedInBothLanguagesWithTheFile) {
  opener.succeeds = false;
  QTest::mouseDClick(form->OLE1, Qt::LeftButton);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QString::fromUtf8("Katalog açılamadı")));
  EXPECT_TRUE(messages[0].contains("The catalogue could not be opened"));
  EXPECT_TRUE(messages[0].contains(CatalogueIcon::CachePath())) << messages[0].toStdString();
}

TEST_F(CatalogueIconTest, AnUnwritableCacheIsReported) {
  QFile::setPermissions(cache.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  QTest::mouseDClick(form->OLE1, Qt::LeftButton);
  QFile::setPermissions(cache.path(),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
  EXPECT_TRUE(opener.opened.empty());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("The catalogue could not be opened"));
}

TEST_F(CatalogueIconTest, SingleClickOpensNothing) {
  QTest::mouseClick(form->OLE1, Qt::LeftButton);
  EXPECT_TRUE(opener.opened.empty());
}

}  // namespace
}  // namespace lumor::testing
