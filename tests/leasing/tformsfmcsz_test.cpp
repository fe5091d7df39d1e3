// Fee items: save adds or re-prices, the system items are protected, refused input writes nothing,
// and the grid keeps the catalogue's order.
#include "support/roomlettest.h"
#include "support/ui.h"

#include "app/functionwindows.h"
#include "common/conversionerror.h"
#include "common/prompter.h"
#include "common/resultgrid.h"
#include "db/tdbhouse.h"
#include "leasing/tformsfmcsz.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <memory>

namespace {

class FeeItems : public RoomletTest
{
protected:
    void SetUp() override
    {
        RoomletTest::SetUp();
        // Start-up adds the property fee to the delivered items.
        exec("insert into zf_sfxmb(sfmc,sflx,dj) values('物业管理费','物业管理费',8)");
        window = new TFormsfmcsz;
        window->resize(800, 600);
        window->show();
    }
    void TearDown() override
    {
        delete window.data();
        RoomletTest::TearDown();
    }
    // The grid's rows as "name price", in the order shown.
    QStringList gridRows() const
    {
        auto *grid = ui::find<ResultGrid>(window, "grid");
        QStringList shown;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            shown << grid->model()->index(r, 0).data().toString() + ' ' + grid->model()->index(r, 1).data().toString();
        return shown;
    }
    void fill(const QString &name, const QString &price)
    {
        ui::setText(ui::find(window, "sfmcBox"), name);
        ui::setText(ui::find(window, "djBox"), price);
    }
    void selectItem(const QString &name) { ASSERT_TRUE(db->qsfxm.locate("sfmc", name)) << name.toStdString(); }
    QList<QStringList> catalogue() const { return rows("select iid,sfmc,sflx,dj from zf_sfxmb order by iid"); }

    QPointer<TFormsfmcsz> window;
};

TEST_F(FeeItems, OpensWithEmptyFieldsAndTheItemsInIidOrder)
{
    EXPECT_EQ(gridRows(), QStringList({"押金 500", "房租租金 0", "水费 5", "电费 1", "物业管理费 8"}));
    EXPECT_EQ(ui::text(ui::find(window, "sfmcBox")), "");
    EXPECT_EQ(ui::text(ui::find(window, "djBox")), "");
}

TEST_F(FeeItems, SavingAnExistingNameChangesOnlyItsPrice)
{
    fill("水费", "5.5");
    ui::click(window, "保存");
    EXPECT_EQ(rows("select sfmc,sflx,dj from zf_sfxmb where sfmc='水费'"), QList<QStringList>({{"水费", "水费", "5.5"}}));
    EXPECT_EQ(count("zf_sfxmb"), 5);
    // The grid shows the new price in the item's old place; the fields are ready for the next.
    EXPECT_EQ(gridRows(), QStringList({"押金 500", "房租租金 0", "水费 5.5", "电费 1", "物业管理费 8"}));
    EXPECT_EQ(ui::text(ui::find(window, "sfmcBox")), "");
    EXPECT_EQ(ui::text(ui::find(window, "djBox")), "");
    EXPECT_TRUE(prompts.records.isEmpty());
}

TEST_F(FeeItems, ANewItemIsAddedAtTheEndWithItsNameAsType)
{
    fill("卫生费", "20");
    ui::click(window, "保存");
    fill("网费", "50.25");
    ui::click(window, "保存");
    EXPECT_EQ(rows("select sfmc,sflx,dj from zf_sfxmb where iid>5 order by iid"),
              QList<QStringList>({{"卫生费", "卫生费", "20"}, {"网费", "网费", "50.25"}}));
    EXPECT_EQ(gridRows().mid(5), QStringList({"卫生费 20", "网费 50.25"}));
}

TEST_F(FeeItems, RefusedInputShowsItsMessageAndWritesNothing)
{
    struct Case {
        QString name, price, message, focus;
    };
    const Case cases[] = {
        {"", "5", "收费项目名称不能为空！", "sfmcBox"},
        {"   ", "5", "收费项目名称不能为空！", "sfmcBox"},
        {"卫生费", "", "单价不能为空！", "djBox"},
        {"押金", "", "单价不能为空！", "djBox"}, // even for an existing item
    };
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const auto before = catalogue();
    for (const Case &c : cases) {
        prompts.clear();
        fill(c.name, c.price);
        ui::click(window, "保存");
        EXPECT_EQ(prompts.notices(), QStringList({c.message})) << c.name.toStdString();
        EXPECT_EQ(prompts.records.value(0).title, applicationTitle());
        EXPECT_TRUE(ui::find(window, c.focus)->hasFocus()) << c.name.toStdString();
        EXPECT_EQ(catalogue(), before);
    }
}

TEST_F(FeeItems, APriceThatIsNoNumberStopsTheSaveBeforeAnythingIsWritten)
{
    const auto before = catalogue();
    for (const QString &name : {QStringLiteral("押金"), QStringLiteral("卫生费")}) {
        for (const QString &price : {QStringLiteral("."), QStringLiteral("1.2.3")}) {
            fill(name, price);
            EXPECT_THROW(window->saveClick(), ConversionError) << name.toStdString() << " " << price.toStdString();
            EXPECT_EQ(catalogue(), before);
        }
    }
}

TEST_F(FeeItems, ThePriceBoxTakesOnlyDigitsAndThePoint)
{
    auto *price = ui::find<QLineEdit>(window, "djBox");
    ui::type(price, "-1a2.5x");
    EXPECT_EQ(price->text(), "12.5");
}

TEST_F(FeeItems, TheSystemItemsCannotBeDeleted)
{
    const auto before = catalogue();
    for (const QString &name : {QStringLiteral("物业管理费"), QStringLiteral("电费"), QStringLiteral("水费"),
                                QStringLiteral("房租租金")}) {
        prompts.clear();
        selectItem(name);
        ui::click(window, "删除");
        EXPECT_EQ(prompts.notices(), QStringList({"系统默认收费项目，不能删除！"})) << name.toStdString();
        EXPECT_TRUE(prompts.questions().isEmpty());
    }
    EXPECT_EQ(catalogue(), before);
}

TEST_F(FeeItems, TheDepositAndUserItemsAreDeletedAfterTheQuestion)
{
    exec("insert into zf_sfxmb(sfmc,sflx,dj) values('卫生费','卫生费',20)");
    db->qsfxm.reopen();
    selectItem("卫生费");
    prompts.answer(false);
    ui::click(window, "删除");
    ASSERT_EQ(prompts.records.size(), 1);
    EXPECT_EQ(prompts.records[0].text, "您确定要删除此条记录吗？");
    EXPECT_EQ(prompts.records[0].title, "询问");
    EXPECT_EQ(count("zf_sfxmb", "sfmc='卫生费'"), 1);

    for (const QString &name : {QStringLiteral("卫生费"), QStringLiteral("押金")}) {
        selectItem(name);
        prompts.answer(true);
        ui::click(window, "删除");
        EXPECT_EQ(count("zf_sfxmb", "sfmc='" + name + "'"), 0) << name.toStdString();
    }
    EXPECT_EQ(gridRows(), QStringList({"房租租金 0", "水费 5", "电费 1", "物业管理费 8"}));
}

TEST_F(FeeItems, ClickingARowCopiesNameAndPriceAndEnterMovesToThePrice)
{
    exec("update zf_sfxmb set dj=1500.5 where sfmc='押金'");
    db->qsfxm.reopen();
    auto *grid = ui::find<ResultGrid>(window, "grid");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 0)).center());
    EXPECT_EQ(ui::text(ui::find(window, "sfmcBox")), "押金");
    EXPECT_EQ(ui::text(ui::find(window, "djBox")), "1500.5");

    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    ui::find(window, "sfmcBox")->setFocus();
    QTest::keyClick(ui::find(window, "sfmcBox"), Qt::Key_Return);
    EXPECT_TRUE(ui::find(window, "djBox")->hasFocus());
}

TEST_F(FeeItems, TheMenuEntryOpensTheWindowAndReturnClosesIt)
{
    std::unique_ptr<QWidget> other(createFunctionWindow("s_sfmcsz", nullptr));
    EXPECT_NE(qobject_cast<TFormsfmcsz *>(other.get()), nullptr);
    other.reset();

    ui::click(window, "返回");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(db->qsfxm.isOpen());
}

} // namespace
