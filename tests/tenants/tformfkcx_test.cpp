// The tenant list: search with the residence filter and the row count, delete rules, photo
// display, export and closing.
#include "support/roomlettest.h"
#include "support/ui.h"
#include "tenanttestdata.h"

#include "app/functionwindows.h"
#include "common/gridexport.h"
#include "common/prompter.h"
#include "common/resultgrid.h"
#include "db/tdbhouse.h"
#include "tenants/tformfkcx.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <memory>

namespace {

class TenantList : public RoomletTest
{
protected:
    void SetUp() override
    {
        RoomletTest::SetUp();
        exec(tenantInsert({"张三", "zs", "13800000001", "", "是"}));
        exec(tenantInsert({"李四", "ls", "", "1385550000", "否"}));
        exec(tenantInsert({"王五", "ww", "13900000000", "", "否"}));
        exec(tenantInsert({"赵六", "zl", "21380000000", "0101380000", "是"}));
        exec(tenantInsert({"138号", "138h", "", "", "否"}));
        list = new TFormfkcx;
        list->resize(1100, 600);
        list->show();
    }
    void TearDown() override
    {
        delete list.data();
        RoomletTest::TearDown();
    }
    QStringList listedNames() const
    {
        QStringList names;
        for (int r = 0; r < db->qfkcx.recordCount(); ++r)
            names << db->qfkcx.fieldAt(r, "fkxm").asString();
        return names;
    }
    QString shownCount() const { return ui::find<QLabel>(list, "rowCountLabel")->text(); }
    void search(const QString &text, const QString &residence)
    {
        ui::setText(ui::find(list, "searchBox"), text);
        ui::find<QComboBox>(list, "sfrzBox")->setEditText(residence);
        ui::click(list, "查询");
    }
    void clickRow(int row)
    {
        auto *grid = ui::find<ResultGrid>(list, "grid");
        const QRect cell = grid->visualRect(grid->model()->index(row, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QPointer<TFormfkcx> list;
};

TEST_F(TenantList, OpensOnEveryTenantInIidOrderWithTheCount)
{
    EXPECT_EQ(listedNames(), QStringList({"张三", "李四", "王五", "赵六", "138号"}));
    EXPECT_EQ(shownCount(), "5");
    auto *grid = ui::find<ResultGrid>(list, "grid");
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "房客编号");
    EXPECT_EQ(grid->model()->data(grid->model()->index(1, 0)).toString(), "2");
}

TEST_F(TenantList, SearchMatchesTheBeginningOfNameOrNumbersWithTheResidenceFilter)
{
    struct Case {
        QString text, residence;
        QStringList names;
    };
    const Case cases[] = {
        {"138", "", {"张三", "李四", "138号"}}, // mobile, telephone or name beginning with 138
        {"138", "是", {"张三"}},
        {"138", "否", {"李四", "138号"}},
        {"", "是", {"张三", "赵六"}},
        {"", "", {"张三", "李四", "王五", "赵六", "138号"}},
        {"王", "", {"王五"}},
    };
    for (const Case &c : cases) {
        search(c.text, c.residence);
        EXPECT_EQ(listedNames(), c.names) << c.text.toStdString() << "/" << c.residence.toStdString();
        EXPECT_EQ(shownCount(), QString::number(c.names.size())) << c.text.toStdString();
    }
    EXPECT_TRUE(prompts.notices().isEmpty());
}

TEST_F(TenantList, SearchWithoutResultSaysSoAndShowsTheEmptyList)
{
    search("139", "是");
    EXPECT_EQ(prompts.notices(), QStringList({"没有您需要查询的数据！"}));
    EXPECT_EQ(prompts.records.last().title, applicationTitle());
    EXPECT_TRUE(listedNames().isEmpty());
    EXPECT_EQ(shownCount(), "0");
    // Nothing to act on: edit, delete and export do nothing.
    ui::click(list, "修改");
    ui::click(list, "删除");
    ui::click(list, "导出Excel");
    EXPECT_EQ(prompts.records.size(), 1);
}

TEST_F(TenantList, ATenantInResidenceIsRefusedForDeletion)
{
    db->qfkcx.setRecNo(0);
    ui::click(list, "删除");
    EXPECT_EQ(prompts.notices(), QStringList({"此房客为入住状态不能删除！"}));
    EXPECT_TRUE(prompts.questions().isEmpty());
    EXPECT_EQ(count("zf_fkxxb", "fkxm='张三'"), 1);
    EXPECT_EQ(shownCount(), "5");
}

TEST_F(TenantList, AFreeTenantIsDeletedAfterTheConfirmationWhateverRefersToHim)
{
    exec("insert into zf_fjsfmxb(fjbh,fymc,ssje,fkiid,fkxm) values('101','房租租金',800,2,'李四')");
    db->qfkcx.setRecNo(1);
    prompts.answer(false);
    ui::click(list, "删除");
    ASSERT_EQ(prompts.records.size(), 1);
    EXPECT_EQ(prompts.records[0].text, "您确定要删除房客姓名为：李四记录吗？");
    EXPECT_EQ(prompts.records[0].title, "询问");
    EXPECT_EQ(count("zf_fkxxb"), 5);

    prompts.answer(true);
    ui::click(list, "删除");
    EXPECT_EQ(count("zf_fkxxb", "iid=2"), 0);
    EXPECT_EQ(count("zf_fkxxb"), 4);
    EXPECT_EQ(count("zf_fjsfmxb", "fkiid=2"), 1);
    EXPECT_EQ(listedNames(), QStringList({"张三", "王五", "赵六", "138号"}));
    EXPECT_EQ(shownCount(), "4");
}

TEST_F(TenantList, DeleteKeepsASearchInForce)
{
    search("138", "否");
    prompts.answer(true);
    ui::click(list, "删除");
    EXPECT_EQ(listedNames(), QStringList({"138号"}));
    EXPECT_EQ(shownCount(), "1");
}

TEST_F(TenantList, ClickingARowShowsThePhotoOrEmptiesTheFrame)
{
    QDir().mkpath(folder() + "fkpic");
    const QString photo = folder() + "fkpic/20240305100000.bmp";
    QImage picture(102, 126, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(photo, "BMP"));
    const QString broken = folder() + "fkpic/broken.bmp";
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("no picture");
    f.close();
    exec("update zf_fkxxb set picpath='" + photo + "' where iid=1");
    exec("update zf_fkxxb set picpath='" + folder() + "fkpic/missing.bmp' where iid=2");
    exec("update zf_fkxxb set picpath='" + broken + "' where iid=3");
    db->qfkcx.reopen();
    auto *frame = ui::find<QLabel>(list, "photoFrame");

    clickRow(0);
    EXPECT_FALSE(frame->pixmap().isNull());
    clickRow(2); // a file that is no picture leaves the frame as it was
    EXPECT_FALSE(frame->pixmap().isNull());
    clickRow(1);
    EXPECT_TRUE(frame->pixmap().isNull());
    clickRow(0);
    EXPECT_FALSE(frame->pixmap().isNull());
    clickRow(4); // no photo path at all
    EXPECT_TRUE(frame->pixmap().isNull());
}

TEST_F(TenantList, ExportWritesTheGridToAWorkbook)
{
    setOpenExportedFiles(false);
    const QString file = folder() + "fk.xls";
    prompts.answerFile(file);
    ui::click(list, "导出Excel");
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_GT(QFile(file).size(), 0);
}

TEST_F(TenantList, ReturnClosesTheWindowAndItsList)
{
    EXPECT_TRUE(list->testAttribute(Qt::WA_DeleteOnClose));
    ui::click(list, "返回");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(list.isNull());
    EXPECT_FALSE(db->qfkcx.isOpen());
}

class TenantFunctionWindow : public RoomletTest
{
};

TEST_F(TenantFunctionWindow, TheMenuEntryOpensTheTenantList)
{
    std::unique_ptr<QWidget> window(createFunctionWindow("s_fkxxdj", nullptr));
    EXPECT_NE(qobject_cast<TFormfkcx *>(window.get()), nullptr);
}

} // namespace
