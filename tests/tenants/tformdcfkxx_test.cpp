// The tenant picker: only tenants not in residence, found by name or initials, and the
// confirmation flag the lease windows read.
#include "support/roomlettest.h"
#include "support/ui.h"
#include "tenanttestdata.h"

#include "common/processflags.h"
#include "common/resultgrid.h"
#include "db/tdbhouse.h"
#include "tenants/tformdcfkxx.h"
#include "tenants/tformfkcx.h"
#include "tenants/tformfkxx.h"

#include <QComboBox>
#include <QTest>

namespace {

class TenantPicker : public RoomletTest
{
protected:
    void SetUp() override
    {
        RoomletTest::SetUp();
        exec(tenantInsert({"张三", "zs", "", "", "是"}));
        exec(tenantInsert({"张思", "zs", "", "", "否"}));
        exec(tenantInsert({"中文", "zw", "", "", "否"}));
        exec(tenantInsert({"章三丰", "zsf", "", "", "是"}));
    }
    QStringList pickable() const
    {
        QStringList names;
        for (int r = 0; r < db->qdcfk.recordCount(); ++r)
            names << db->qdcfk.fieldAt(r, "fkxm").asString();
        return names;
    }
    void search(TFormdcfkxx *picker, const QString &text)
    {
        ui::setText(ui::find(picker, "searchBox"), text);
        ui::click(picker, "查询");
    }
};

TEST_F(TenantPicker, NeverListsATenantInResidenceNotEvenThroughItsSearch)
{
    processFlags().pickerConfirmed = true;
    ui::onNextModal<TFormdcfkxx>([this](TFormdcfkxx *p) {
        EXPECT_EQ(pickable(), QStringList({"张思", "中文"}));
        struct Case {
            QString text;
            QStringList names;
        };
        const Case cases[] = {
            {"张", {"张思"}}, {"zs", {"张思"}}, {"章", {}}, {"zsf", {}}, {"", {"张思", "中文"}},
        };
        for (const Case &c : cases) {
            prompts.clear();
            search(p, c.text);
            EXPECT_EQ(pickable(), c.names) << c.text.toStdString();
            EXPECT_EQ(prompts.notices(), c.names.isEmpty() ? QStringList{"没有查询到您需要的数据！"} : QStringList{})
                << c.text.toStdString();
        }
        ui::click(p, "返回");
    });
    // The caller's part: the picker opens on the free tenants with the flag cleared.
    EXPECT_FALSE(TFormdcfkxx::chooseTenant(nullptr));
    EXPECT_FALSE(processFlags().pickerConfirmed);
}

TEST_F(TenantPicker, FindsATenantByInitialsOrByName)
{
    const char *const found[] = {"z", "zw", "ZW", "中", "中文"};
    const char *const missed[] = {"w", "wen", "文", "zx"};
    TFormdcfkxx::openFreeTenants();
    TFormdcfkxx picker;
    for (const char *text : found) {
        search(&picker, text);
        EXPECT_TRUE(pickable().contains("中文")) << text;
    }
    for (const char *text : missed) {
        search(&picker, text);
        EXPECT_FALSE(pickable().contains("中文")) << text;
    }
}

TEST_F(TenantPicker, ConfirmingLeavesTheChosenTenantAsTheCurrentRow)
{
    ui::onNextModal<TFormdcfkxx>([this](TFormdcfkxx *p) {
        search(p, "zw");
        ui::click(p, "确定");
    });
    ASSERT_TRUE(TFormdcfkxx::chooseTenant(nullptr));
    EXPECT_EQ(db->qdcfk.field("fkxm").asString(), "中文");
    EXPECT_EQ(db->qdcfk.field("iid").asInteger(), 3);
}

TEST_F(TenantPicker, DoubleClickOnARowConfirmsIt)
{
    ui::onNextModal<TFormdcfkxx>([](TFormdcfkxx *p) {
        p->resize(900, 500);
        auto *grid = ui::find<ResultGrid>(p, "grid");
        const QRect cell = grid->visualRect(grid->model()->index(1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    });
    ASSERT_TRUE(TFormdcfkxx::chooseTenant(nullptr));
    EXPECT_EQ(db->qdcfk.field("fkxm").asString(), "中文");
}

TEST_F(TenantPicker, ConfirmingAnEmptyListChoosesNobodyAndKeepsThePickerOpen)
{
    ui::onNextModal<TFormdcfkxx>([this](TFormdcfkxx *p) {
        search(p, "无此人");
        ui::click(p, "确定");
        EXPECT_TRUE(p->isVisible());
        EXPECT_FALSE(processFlags().pickerConfirmed);
        ui::click(p, "返回");
    });
    EXPECT_FALSE(TFormdcfkxx::chooseTenant(nullptr));
}

TEST_F(TenantPicker, ANewTenantRegisteredFromThePickerCanBePickedAtOnce)
{
    ui::onNextModal<TFormdcfkxx>([this](TFormdcfkxx *p) {
        search(p, "张");
        ui::onNextModal<TFormfkxx>([](TFormfkxx *d) {
            ui::setText(ui::find(d, "Edit1"), "刘备");
            ui::click(d, "保存");
            ui::click(d, "返回");
        });
        ui::click(p, "新增房客");
        EXPECT_EQ(pickable(), QStringList({"张思", "中文", "刘备"}));
        search(p, "lb");
        ui::click(p, "确定");
    });
    ASSERT_TRUE(TFormdcfkxx::chooseTenant(nullptr));
    EXPECT_EQ(db->qdcfk.field("fkxm").asString(), "刘备");
}

} // namespace

namespace {

// The plan the engine makes for the statement a window last ran on q, with these parameters.
QString planOf(Tdbhouse &db, const Statement &q, const QList<std::pair<QString, QString>> &params)
{
    Statement plan(db.adoacccon, "plan");
    plan.add("explain query plan " + q.sql());
    for (const auto &p : params)
        plan.param(p.first) = p.second;
    plan.open();
    QStringList steps;
    for (int r = 0; r < plan.recordCount(); ++r)
        steps << plan.fieldAt(r, "detail").asString();
    return steps.join('\n');
}

class TenantSearchPlan : public RoomletTest
{
};

// A search for a few tenants among many must not read the whole table.
TEST_F(TenantSearchPlan, SearchesAreServedByTheNameInitialsAndNumberIndexes)
{
    TFormdcfkxx picker;
    ui::setText(ui::find(&picker, "searchBox"), "zw");
    picker.searchClick();
    const QString pickerPlan = planOf(*db, db->qdcfk, {{"fkxm", "zw%"}, {"pyzjh", "zw%"}, {"sfrz", "否"}});
    EXPECT_TRUE(pickerPlan.contains("zf_fkxxb_fkxm") && pickerPlan.contains("zf_fkxxb_pyzjh")) << pickerPlan.toStdString();
    EXPECT_FALSE(pickerPlan.contains("SCAN")) << pickerPlan.toStdString();

    TFormfkcx list;
    list.show();
    ui::setText(ui::find(&list, "searchBox"), "138");
    ui::find<QComboBox>(&list, "sfrzBox")->setEditText("是");
    ui::click(&list, "查询");
    const QString listPlan =
        planOf(*db, db->qfkcx, {{"fkxm", "138%"}, {"sjhm", "138%"}, {"dhhm", "138%"}, {"sfrz", "是"}});
    for (const char *index : {"zf_fkxxb_fkxm", "zf_fkxxb_sjhm", "zf_fkxxb_dhhm"})
        EXPECT_TRUE(listPlan.contains(index)) << listPlan.toStdString();
    EXPECT_FALSE(listPlan.contains("SCAN")) << listPlan.toStdString();
}

} // namespace
