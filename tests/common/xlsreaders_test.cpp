// Workbooks checked with a second reader where xls2csv cannot read the text.
#include "common/xlswriter.h"
#include "support/xlsreadback.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(XlsWriterSecondReader, CharactersThatXls2csvMisreadsAreStoredRight)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/a.xls";
    XlsWriter w;
    w.addRow({QString("合同开始日期"), QString("一丁"), QString("abc")});
    w.addRow({QString("2024-03-05"), std::nullopt, QString("开")});
    ASSERT_TRUE(w.save(path));
    EXPECT_EQ(readXlsCells(path),
              (QList<QStringList>{{"合同开始日期", "一丁", "abc"}, {"2024-03-05", "", "开"}}));
}
