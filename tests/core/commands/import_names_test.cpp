// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/import_names.h"

#include <gtest/gtest.h>

namespace {

const QString Stamp = QStringLiteral("20020615093012");

struct NameCase {
    const char16_t* source;
    const char16_t* imported;
};

class ImportedName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ImportedName, DatedNamesStayAndOthersGetTheStamp) {
    const NameCase& c = GetParam();
    EXPECT_EQ(importedName(QString::fromUtf16(c.source), Stamp), QString::fromUtf16(c.imported));
}

INSTANTIATE_TEST_SUITE_P(
    StampRule, ImportedName,
    ::testing::Values(NameCase{u"DSC00001.JPG", u"20020615093012_DSC00001.JPG"},
                      NameCase{u"2002_0615.JPG", u"2002_0615.JPG"},
                      NameCase{u"1999_1231.jpg", u"1999_1231.jpg"},
                      NameCase{u"2100.JPG", u"20020615093012_2100.JPG"},
                      NameCase{u"200.jpeg", u"200.jpeg"},
                      NameCase{u"1998_0101.JPG", u"20020615093012_1998_0101.JPG"},
                      NameCase{u"199.JPG", u"20020615093012_199.JPG"},
                      NameCase{u"20020615093012_X.JPG", u"20020615093012_X.JPG"}));

TEST(NewFolderRow, HoldsDateAndCountTitleDirectoryAndNoRemark) {
    const FolderRow row = newFolderRow(QStringLiteral("2002/06/15"), 0, QStringLiteral("あ い"),
                                       QStringLiteral("IMG_0003_あ い"));
    EXPECT_EQ(row[ColDateCount], QStringLiteral("2002/06/15 0"));
    EXPECT_EQ(row[ColTitle], QStringLiteral("あ い"));
    EXPECT_EQ(row[ColDirectory], QStringLiteral("IMG_0003_あ い"));
    EXPECT_TRUE(row[ColRemark].isEmpty());
}

} // namespace
