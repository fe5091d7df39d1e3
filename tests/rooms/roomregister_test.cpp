#include "roomfixture.h"
#include "support/ui.h"

#include "common/conversionerror.h"
#include "common/prompter.h"
#include "common/resultgrid.h"
#include "rooms/tformfjxx.h"
#include "rooms/tformxgfjxx.h"
#include "rooms/tformxzfjxx.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

namespace {

class RoomRegisterTest : public RoomFixture
{
protected:
    TFormxzfjxx *openAdd()
    {
        auto *d = new TFormxzfjxx;
        d->show();
        return d;
    }
    QLineEdit *edit(QWidget *d, const char *name) { return ui::find<QLineEdit>(d, name); }
    QComboBox *combo(QWidget *d, const char *name) { return ui::find<QComboBox>(d, name); }
    // Every required box filled, the number boxes left empty.
    void fillRequired(QWidget *d, const QString &fjbh = "101", const QString &fjmc = "阳光101")
    {
        ui::type(edit(d, "Edit1"), fjbh);
        ui::setText(combo(d, "ComboBox7"), fjmc); // Chinese text cannot be key-clicked
        ui::setText(combo(d, "ComboBox1"), "单间");
        combo(d, "ComboBox4")->setCurrentIndex(0);
    }
    TFormfjxx *openList()
    {
        auto *w = new TFormfjxx;
        w->show();
        return w;
    }
    QStringList listed(TFormfjxx *w)
    {
        QStringList out;
        auto *m = w->grid()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, 1).data().toString();
        return out;
    }
};

struct RequiredCase {
    const char *box;
    const char *text; // what the box holds at the save
    const char *message;
};

TEST_F(RoomRegisterTest, RequiredBoxesRefuseTheSaveWithTheirMessageAndFocus)
{
    const RequiredCase cases[] = {
        {"Edit1", "", "房间编号不能为空！"},
        {"Edit1", "   ", "房间编号不能为空！"}, // blanks would be trimmed into an empty key
        {"ComboBox7", "", "房间名称不能为空！"},
        {"ComboBox7", "  ", "房间名称不能为空！"},
        {"ComboBox1", "", "房间类型不能为空！"},
        {"ComboBox4", "", "是否按月出租不能为空！"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.box) + " = '" + c.text + "'");
        auto *d = openAdd();
        fillRequired(d);
        QWidget *box = ui::find(d, c.box);
        if (auto *cb = qobject_cast<QComboBox *>(box); cb && !cb->isEditable())
            cb->setCurrentIndex(-1);
        else
            ui::setText(box, c.text);
        prompts.clear();
        ui::click(d, "保存");
        EXPECT_EQ(prompts.notices(), QStringList{c.message});
        EXPECT_EQ(prompts.records.value(0).title, applicationTitle());
        EXPECT_TRUE(hasFocus(d, box));
        EXPECT_EQ(count("zf_fjb"), 0);
        EXPECT_EQ(count("zf_fjfzszb"), 0);
        delete d;
    }
}

TEST_F(RoomRegisterTest, EmptyNumberBoxesAreSavedAsZeroAndANewRoomIsVacantWithoutLease)
{
    auto *d = openAdd();
    fillRequired(d);
    ui::click(d, "保存");
    ASSERT_EQ(count("zf_fjb"), 1);
    EXPECT_EQ(rows("select fjmj,bjts,rzjg,yzjg,dbds,sbds,fjzt,fjydzt,sffj,yfsl,zqts,czlx,"
                   "ksrq is null,dqrq is null from zf_fjb"),
              (QList<QStringList>{{"0", "0", "0", "0", "0", "0", "空闲", "空闲", "是", "0", "0", "是", "1", "1"}}));
    EXPECT_TRUE(prompts.notices().isEmpty());
}

TEST_F(RoomRegisterTest, ABadNumberStopsTheSaveBeforeAnythingIsWritten)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Edit5", "1.5"}, {"Edit3", "-"}, {"Edit6", "."}, {"Edit7", "1-2.3.4"}, {"Edit8", "--"},
    };
    for (const auto &[box, text] : cases) {
        SCOPED_TRACE(std::string(box) + " = " + text);
        auto *d = openAdd();
        fillRequired(d);
        ui::setText(combo(d, "ComboBox2"), "精装");
        ui::type(edit(d, box), text);
        EXPECT_EQ(edit(d, box)->text(), QString(text)); // the number filter lets these keys through
        EXPECT_THROW(d->saveClick(), ConversionError);
        EXPECT_EQ(count("zf_fjb"), 0);
        EXPECT_EQ(count("zf_fjfzszb"), 0);
        delete d;
    }
}

TEST_F(RoomRegisterTest, NumberBoxesSwallowOtherKeys)
{
    auto *add = openAdd();
    for (const char *box : {"Edit3", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9"}) {
        ui::type(edit(add, box), "1a2,5b");
        EXPECT_EQ(edit(add, box)->text(), "125") << box;
    }
    // The edit dialog filters the area only.
    TFormxgfjxx change;
    ui::type(edit(&change, "Edit3"), "1a2");
    EXPECT_EQ(edit(&change, "Edit3")->text(), "12");
    ui::type(edit(&change, "Edit6"), "1a2");
    EXPECT_EQ(edit(&change, "Edit6")->text(), "1a2");
}

TEST_F(RoomRegisterTest, RoomNumberAndNameAreTrimmedAndADuplicateNumberIsRefused)
{
    auto *d = openAdd();
    fillRequired(d, "  101  ", " 阳光 ");
    ui::type(edit(d, "Edit6"), "80.5");
    ui::click(d, "保存");
    EXPECT_EQ(rows("select fjbh,fjmc,rzjg from zf_fjb"), (QList<QStringList>{{"101", "阳光", "80.5"}}));
    EXPECT_EQ(value("select count(*) from zf_fjfzszb where fzbz='房间名称' and fznr='阳光'"), "1");

    fillRequired(d, " 101", "另一间");
    ui::click(d, "保存");
    EXPECT_EQ(prompts.lastNotice(), "系统已存在相同的房间编号，不能保存！");
    EXPECT_EQ(edit(d, "Edit1")->text(), "101"); // the box shows the trimmed number
    EXPECT_EQ(count("zf_fjb"), 1);
    EXPECT_EQ(count("zf_fjfzszb", "fznr='另一间'"), 0);
}

TEST_F(RoomRegisterTest, NewWordsAreLearnedOncePerCategoryAndListedAtOnce)
{
    auto *d = openAdd();
    const std::pair<const char *, const char *> words[] = {
        {"ComboBox1", "套间"}, {"ComboBox2", "简装"}, {"ComboBox3", "空调"},
        {"ComboBox6", "住宅"}, {"ComboBox5", "朝南"}, {"ComboBox7", "东楼"},
    };
    for (const char *fjbh : {"101", "102"}) {
        fillRequired(d, fjbh);
        for (const auto &[box, word] : words)
            ui::setText(combo(d, box), word);
        ui::click(d, "保存");
    }
    ASSERT_EQ(count("zf_fjb"), 2);
    EXPECT_EQ(rows("select fzbz,fznr from zf_fjfzszb order by iid"),
              (QList<QStringList>{{"房间类型", "套间"}, {"装修状况", "简装"}, {"房间设施", "空调"},
                                  {"房间用途", "住宅"}, {"房间备注", "朝南"}, {"房间名称", "东楼"}}));
    for (const auto &[box, word] : words) {
        EXPECT_EQ(items(combo(d, box)), QStringList{word}) << box;
        EXPECT_EQ(combo(d, box)->currentText(), QString()) << box; // emptied for the next room
    }
    // Windows opened later list the words and open with empty boxes.
    auto *again = openAdd();
    TFormxgfjxx change;
    for (const auto &[box, word] : words) {
        EXPECT_EQ(items(combo(again, box)), QStringList{word}) << box;
        EXPECT_EQ(combo(again, box)->currentText(), QString()) << box;
        EXPECT_EQ(items(combo(&change, box)), QStringList{word}) << box;
    }
}

TEST_F(RoomRegisterTest, CopyLastTakesTheNewestRoomNotTheSelectedOne)
{
    insertRoom("201", "旧房");
    insertRoom("202", "新房");
    exec("update zf_fjb set fjzxqk='精装',dbds=315.5,sbds=12,bzsm='带阳台',czlx='否' where fjbh='202'");
    auto *list = openList();
    dbhouse().qfjxx.first();
    auto *d = openAdd();
    ui::click(d, "复制上一条记录");
    EXPECT_EQ(edit(d, "Edit1")->text(), "202");
    EXPECT_EQ(combo(d, "ComboBox7")->currentText(), "新房");
    EXPECT_EQ(combo(d, "ComboBox2")->currentText(), "精装");
    EXPECT_EQ(edit(d, "Edit3")->text(), "20");
    EXPECT_EQ(edit(d, "Edit8")->text(), "315.5");
    EXPECT_EQ(edit(d, "Edit9")->text(), "12");
    EXPECT_EQ(combo(d, "ComboBox4")->currentText(), "否");
    EXPECT_EQ(combo(d, "ComboBox5")->currentText(), "带阳台");

    // The copied meter readings go with the next room.
    ui::type(edit(d, "Edit1"), "203");
    ui::click(d, "保存");
    EXPECT_EQ(value("select dbds from zf_fjb where fjbh='203'"), "315.5");
    EXPECT_EQ(listed(list).last(), "203");
    EXPECT_EQ(dbhouse().qfjxx.recNo(), 2); // the list's cursor on the new room
}

TEST_F(RoomRegisterTest, CopyLastWithAnEmptyRegisterEmptiesEveryBox)
{
    auto *d = openAdd();
    fillRequired(d);
    ui::click(d, "复制上一条记录");
    for (const char *box : {"Edit1", "Edit3"})
        EXPECT_EQ(edit(d, box)->text(), QString()) << box;
    for (const char *box : {"ComboBox7", "ComboBox1", "ComboBox4"})
        EXPECT_EQ(combo(d, box)->currentText(), QString()) << box;
}

TEST_F(RoomRegisterTest, LettingTypeStaysAfterASaveAndRefillEmptiesIt)
{
    auto *d = openAdd();
    fillRequired(d);
    combo(d, "ComboBox4")->setCurrentIndex(1);
    ui::click(d, "保存");
    EXPECT_EQ(combo(d, "ComboBox4")->currentText(), "否");
    EXPECT_EQ(edit(d, "Edit1")->text(), QString());
    EXPECT_TRUE(hasFocus(d, edit(d, "Edit1")));

    ui::type(edit(d, "Edit1"), "102");
    ui::type(combo(d, "ComboBox7"), "x");
    ui::click(d, "重填数据");
    EXPECT_EQ(combo(d, "ComboBox4")->currentText(), QString());
    EXPECT_EQ(edit(d, "Edit1")->text(), QString());
    EXPECT_EQ(combo(d, "ComboBox7")->currentText(), QString());
    EXPECT_TRUE(hasFocus(d, edit(d, "Edit1")));
}

TEST_F(RoomRegisterTest, EnterMovesThroughTheBoxesInEntryOrder)
{
    auto *d = openAdd();
    const char *order[] = {"Edit1",     "ComboBox7", "ComboBox1", "Edit3", "ComboBox2", "ComboBox3",
                           "ComboBox6", "Edit5",     "Edit6",     "Edit7", "ComboBox4", "ComboBox5"};
    for (size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget *box = ui::find(d, order[i]);
        box->setFocus();
        ui::key(box, Qt::Key_Return);
        EXPECT_TRUE(hasFocus(d, ui::find(d, order[i + 1]))) << "after " << order[i];
    }
    // Enter in the last box saves nothing.
    fillRequired(d);
    ui::key(combo(d, "ComboBox5"), Qt::Key_Return);
    EXPECT_EQ(count("zf_fjb"), 0);
    EXPECT_TRUE(prompts.notices().isEmpty());
}

TEST_F(RoomRegisterTest, SearchMatchesThePrefixOfNumberOrNameInCreationOrder)
{
    insertRoom("310", "B1");
    insertRoom("201", "1号楼");
    insertRoom("101", "A座");
    insertRoom("x1", "东1");
    auto *w = openList();
    EXPECT_EQ(listed(w), (QStringList{"310", "201", "101", "x1"}));
    ui::type(ui::find<QLineEdit>(w, "searchBox"), "1");
    ui::click(w, "查询");
    EXPECT_EQ(listed(w), (QStringList{"201", "101"}));
    EXPECT_EQ(w->grid()->model()->index(1, 0).data().toString(), "2"); // 序号
    ui::type(ui::find<QLineEdit>(w, "searchBox"), "");
    ui::click(w, "查询");
    EXPECT_EQ(listed(w).size(), 4);
}

TEST_F(RoomRegisterTest, AddingFromTheListKeepsTheSearchAndSelectsTheNewRoom)
{
    insertRoom("101", "A");
    insertRoom("201", "B");
    auto *w = openList();
    ui::type(ui::find<QLineEdit>(w, "searchBox"), "1");
    ui::click(w, "查询");
    ui::onNextModal<TFormxzfjxx>([&](TFormxzfjxx *d) {
        fillRequired(d, "150", "C");
        ui::click(d, "保存");
        fillRequired(d, "250", "D");
        ui::click(d, "保存");
        ui::click(d, "返回");
    });
    ui::click(w, "新增房间");
    EXPECT_EQ(count("zf_fjb"), 4);
    EXPECT_EQ(listed(w), (QStringList{"101", "150"}));
}

TEST_F(RoomRegisterTest, DeleteRefusesALetRoomAndDeletesAnIdleOneLeavingItsBooking)
{
    insertRoom("101", "A", "已租");
    insertRoom("102", "B");
    insertBooking("102");
    auto *w = openList();
    ui::click(w, "删除房间");
    EXPECT_EQ(prompts.notices(), QStringList{"此房间正在出租或预租不能删除！"});
    EXPECT_EQ(count("zf_fjb"), 2);

    dbhouse().qfjxx.setRecNo(1);
    prompts.answer(false);
    ui::click(w, "删除房间");
    EXPECT_EQ(prompts.questions(), QStringList{"您确定要删除房间号为：102 的房间吗？"});
    EXPECT_EQ(prompts.records.last().title, "询问");
    EXPECT_EQ(count("zf_fjb"), 2);

    prompts.answer(true);
    ui::click(w, "删除房间");
    EXPECT_EQ(rows("select fjbh from zf_fjb"), (QList<QStringList>{{"101"}}));
    EXPECT_EQ(count("zf_ydb", "fjbh='102'"), 1);
    EXPECT_EQ(listed(w), QStringList{"101"});
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(RoomRegisterTest, EditKeepsTheNumberAndTheLeaseAndLearnsTheNewName)
{
    insertRoom("101", "A");
    insertRoom("102", "B", "已租");
    exec("update zf_fjb set ksrq='2024-01-01',dqrq='2024-06-30',yjrq='2024-06-27',yfsl=6,zqts=182,rs=2,"
         "fkiid=7,fkxm='张三',fjydzt='预定',dbds=50 where fjbh='102'");
    const QString leaseBefore = rows("select fjbh,fjzt,fjydzt,ksrq,dqrq,yjrq,yfsl,zqts,rs,fkiid,fkxm,sffj "
                                     "from zf_fjb where fjbh='102'")
                                    .first()
                                    .join('|');
    auto *w = openList();
    dbhouse().qfjxx.setRecNo(1);
    ui::onNextModal<TFormxgfjxx>([&](TFormxgfjxx *d) {
        EXPECT_EQ(edit(d, "Edit1")->text(), "102");
        EXPECT_TRUE(edit(d, "Edit1")->isReadOnly());
        EXPECT_EQ(edit(d, "Edit8")->text(), "50");
        ui::setText(combo(d, "ComboBox7"), " 新名字 ");
        ui::type(edit(d, "Edit7"), "1500");
        ui::click(d, "保存");
    });
    emit w->grid()->rowActivated(1); // a double-click on the row
    EXPECT_EQ(rows("select fjmc,yzjg,dbds from zf_fjb where fjbh='102'"),
              (QList<QStringList>{{"新名字", "1500", "50"}}));
    EXPECT_EQ(rows("select fjbh,fjzt,fjydzt,ksrq,dqrq,yjrq,yfsl,zqts,rs,fkiid,fkxm,sffj from zf_fjb "
                   "where fjbh='102'")
                  .first()
                  .join('|'),
              leaseBefore);
    EXPECT_EQ(value("select fjmc from zf_fjb where fjbh='101'"), "A");
    EXPECT_EQ(count("zf_fjfzszb", "fzbz='房间名称' and fznr='新名字'"), 1);
    EXPECT_EQ(dbhouse().qfjxx.field("fjbh").asString(), "102"); // the cursor back on the edited row
}

TEST_F(RoomRegisterTest, EditRunsTheSameChecksAsAdding)
{
    insertRoom("101", "A");
    auto *w = openList();
    ui::onNextModal<TFormxgfjxx>([&](TFormxgfjxx *d) {
        ui::type(combo(d, "ComboBox1"), "");
        ui::click(d, "保存");
        EXPECT_EQ(prompts.lastNotice(), "房间类型不能为空！");
        ui::setText(combo(d, "ComboBox1"), "套间");
        ui::type(edit(d, "Edit5"), "x");
        EXPECT_THROW(d->saveClick(), ConversionError);
        ui::click(d, "返回");
    });
    ui::click(w, "修改房间");
    EXPECT_EQ(value("select fjlx from zf_fjb"), "单间");
}

TEST_F(RoomRegisterTest, ClosingTheListClosesItsStatement)
{
    insertRoom("101", "A");
    QPointer<TFormfjxx> w = openList();
    EXPECT_TRUE(dbhouse().qfjxx.isOpen());
    ui::click(w, "返回");
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dbhouse().qfjxx.isOpen());
    EXPECT_TRUE(w.isNull());
}

} // namespace
