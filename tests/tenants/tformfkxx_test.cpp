// Registration and edit of tenants: what the dialogs store, the shared boxes and their Enter order.
#include "support/roomlettest.h"
#include "support/ui.h"
#include "tenanttestdata.h"

#include "db/tdbhouse.h"
#include "tenants/tenantboxes.h"
#include "tenants/tenantphoto.h"
#include "tenants/tformfkcx.h"
#include "tenants/tformfkxx.h"
#include "tenants/tformxgfk.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

class TenantRegistration : public RoomletTest
{
protected:
    void TearDown() override
    {
        clearCurrentPhotoPath();
        RoomletTest::TearDown();
    }
    const QString allColumns = "fkxm,mz,zjlx,zjhm,xb,fkhj,dhhm,sjhm,zy,zzdw,bzsm,djrq,pyzjh,sfrz,picpath";
};

TEST_F(TenantRegistration, EveryBoxEmptyIsStoredAsEmptyTextsWithTodayAndNotInResidence)
{
    TFormfkxx dialog;
    dialog.clearBoxes();
    ui::click(&dialog, "保存");

    const auto stored = rows("select " + allColumns + " from zf_fkxxb");
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored[0], QStringList({"", "", "", "", "", "", "", "", "", "", "", "2024-03-05", "", "否", ""}));
    // Empty texts, not nulls: the list's like-searches and the card fields compare texts.
    EXPECT_EQ(count("zf_fkxxb", "fkxm is null or mz is null or zjlx is null or xb is null or pyzjh is null "
                                "or picpath is null or bzsm is null"),
              0);
}

TEST_F(TenantRegistration, SaveStoresTheBoxesAsTypedAndEmptiesThemForTheNextTenant)
{
    TFormfkxx dialog;
    dialog.clearBoxes();
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const QStringList typed = {"中文", "哈尼族", "军官证", "A123", "女", "云南红河", "0871-1234", "13900001111",
                               "教师", "一中", "老住户"};
    const QStringList boxes = {"Edit1", "ComboBox1", "ComboBox2", "Edit2", "ComboBox3", "Edit3",
                               "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"};
    for (int i = 0; i < boxes.size(); ++i)
        ui::setText(ui::find(&dialog, boxes[i]), typed[i]);
    setCurrentPhotoPath(folder() + "fkpic/20240305100000.bmp");
    ui::click(&dialog, "保存");

    EXPECT_EQ(rows("select " + allColumns + " from zf_fkxxb"),
              QList<QStringList>({typed + QStringList{"2024-03-05", "zw", "否", folder() + "fkpic/20240305100000.bmp"}}));
    for (const QString &b : boxes)
        EXPECT_EQ(ui::text(ui::find(&dialog, b)), "") << b.toStdString();
    EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open for the next tenant";
    EXPECT_TRUE(ui::find<QLineEdit>(&dialog, "Edit1")->hasFocus());

    // The photo belongs to that tenant only; the picker query now lists the new tenant.
    EXPECT_EQ(currentPhotoPath(), "");
    EXPECT_EQ(db->qdcfk.recordCount(), 1);
    EXPECT_EQ(db->qdcfk.field("fkxm").asString(), "中文");
    ui::click(&dialog, "保存");
    EXPECT_EQ(value("select picpath from zf_fkxxb where iid=2"), "");
}

TEST_F(TenantRegistration, EthnicListOffersTheFortyTwoGroupsWithHani)
{
    const QStringList &groups = TenantBoxes::ethnicGroups();
    EXPECT_EQ(groups.size(), 42);
    EXPECT_EQ(groups.indexOf("哈尼族"), 14);
    EXPECT_FALSE(groups.contains("啥尼族"));
    EXPECT_EQ(groups.first(), "汉族");
    EXPECT_EQ(groups.last(), "基诺族");

    TFormfkxx dialog;
    auto *list = ui::find<QComboBox>(&dialog, "ComboBox1");
    QStringList offered;
    for (int i = 0; i < list->count(); ++i)
        offered << list->itemText(i);
    EXPECT_EQ(offered, groups);
}

TEST_F(TenantRegistration, EnterWalksTheBoxesInOrderAndNeverSaves)
{
    TFormfkxx dialog;
    dialog.clearBoxes();
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const QStringList order = {"Edit1", "ComboBox1", "ComboBox2", "Edit2", "ComboBox3", "Edit3",
                               "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"};
    ui::find(&dialog, order[0])->setFocus();
    for (int i = 0; i < order.size(); ++i) {
        QWidget *box = ui::find(&dialog, order[i]);
        EXPECT_TRUE(box->hasFocus()) << "expected focus on " << order[i].toStdString();
        ui::type(box, "x");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(count("zf_fkxxb"), 0);
    // Enter does not add a typed word to the lists.
    EXPECT_EQ(ui::find<QComboBox>(&dialog, "ComboBox1")->count(), 42);
}

TEST_F(TenantRegistration, AddFromTheListRegistersAndRefreshesListAndCount)
{
    exec(tenantInsert({"张三", "zs", "13800000001", ""}));
    TFormfkcx list;
    list.show();
    ui::onNextModal<TFormfkxx>([](TFormfkxx *d) {
        EXPECT_EQ(ui::text(ui::find(d, "Edit1")), "");
        ui::setText(ui::find(d, "Edit1"), "李四");
        ui::click(d, "保存");
        ui::setText(ui::find(d, "Edit1"), "王五");
        ui::click(d, "保存");
        ui::click(d, "返回");
    });
    ui::click(&list, "新增房客");
    EXPECT_EQ(db->qfkcx.recordCount(), 3);
    EXPECT_EQ(db->qfkcx.fieldAt(2, "fkxm").asString(), "王五");
    EXPECT_EQ(ui::find<QLabel>(&list, "rowCountLabel")->text(), "3");
    EXPECT_EQ(value("select pyzjh from zf_fkxxb where fkxm='李四'"), "ls");
}

class TenantEdit : public RoomletTest
{
protected:
    void SetUp() override
    {
        RoomletTest::SetUp();
        exec(tenantInsert({"张三", "zs", "13800000001", "", "否", "/photos/zs.bmp"}));
        exec(tenantInsert({"李四", "ls", "13800000002", "", "否", "/photos/ls.bmp"}));
        list = std::make_unique<TFormfkcx>();
        list->show();
        db->qfkcx.setRecNo(1);
    }
    void TearDown() override
    {
        list.reset();
        RoomletTest::TearDown();
    }
    std::unique_ptr<TFormfkcx> list;
};

TEST_F(TenantEdit, SaveRecomputesInitialsKeepsPhotoAndDateAndStaysOnTheRow)
{
    ui::onNextModal<Tformxgfk>([](Tformxgfk *d) {
        EXPECT_EQ(ui::text(ui::find(d, "Edit1")), "李四");
        EXPECT_EQ(ui::text(ui::find(d, "ComboBox1")), "汉族");
        EXPECT_EQ(ui::text(ui::find(d, "Edit5")), "13800000002");
        EXPECT_EQ(ui::text(ui::find(d, "ComboBox4")), "否");
        EXPECT_EQ(ui::text(ui::find(d, "editiid")), "2");
        ui::setText(ui::find(d, "Edit1"), "中文");
        ui::setText(ui::find(d, "ComboBox1"), "哈尼族");
        ui::find<QComboBox>(d, "ComboBox4")->setCurrentText("是");
        ui::click(d, "修改保存");
    });
    ui::click(list.get(), "修改");

    EXPECT_EQ(rows("select fkxm,mz,pyzjh,sfrz,picpath,djrq,sjhm from zf_fkxxb where iid=2"),
              QList<QStringList>({{"中文", "哈尼族", "zw", "是", "/photos/ls.bmp", "2024-01-02", "13800000002"}}));
    EXPECT_EQ(value("select fkxm from zf_fkxxb where iid=1"), "张三");
    // The list shows the stored row, with its cursor still on the edited tenant.
    EXPECT_EQ(db->qfkcx.recNo(), 1);
    EXPECT_EQ(db->qfkcx.field("fkxm").asString(), "中文");
}

TEST_F(TenantEdit, ReturnChangesNothing)
{
    const auto before = rows("select * from zf_fkxxb");
    ui::onNextModal<Tformxgfk>([](Tformxgfk *d) {
        ui::setText(ui::find(d, "Edit1"), "改了");
        ui::click(d, "返回");
    });
    ui::click(list.get(), "修改");
    EXPECT_EQ(rows("select * from zf_fkxxb"), before);
    EXPECT_EQ(db->qfkcx.recNo(), 1);
}

TEST_F(TenantEdit, ResidenceBoxHoldsOnlyTheTwoWords)
{
    Tformxgfk dialog;
    auto *flag = ui::find<QComboBox>(&dialog, "ComboBox4");
    EXPECT_FALSE(flag->isEditable());
    ASSERT_EQ(flag->count(), 2);
    EXPECT_EQ(flag->itemText(0), "是");
    EXPECT_EQ(flag->itemText(1), "否");
}

} // namespace
