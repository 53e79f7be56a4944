#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "catalogue_icon.h"
#include "form_fixture.h"

namespace lumor::testing {
namespace {

class CatalogueIconTest : public FormFixture {};

TEST_F(CatalogueIconTest, DoubleClickHandsAReadablePdfToTheViewer) {
  QTest::mouseDClick(form->OLE1, Qt::LeftButton);
  ASSERT_EQ(opener.opened.size(), 1u);
  QFile pdf(QString::fromStdString(opener.opened[0]));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
  EXPECT_EQ(pdf.permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CatalogueIconTest, NoViewerIsReportedInBothLanguages) {
  opener.succeeds = false;
  QTest::mouseDClick(form->OLE1, Qt::LeftButton);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QString::fromUtf8("Katalog açılamadı")));
  EXPECT_TRUE(messages[0].contains("The catalogue could not be opened"));
}

TEST_F(CatalogueIconTest, SingleClickOpensNothing) {
  QTest::mouseClick(form->OLE1, Qt::LeftButton);
  EXPECT_TRUE(opener.opened.empty());
}

}  // namespace
}  // namespace lumor::testing
