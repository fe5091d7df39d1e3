#include "db/dberror.h"
#include "db/numbertext.h"
#include "db/schema.h"
#include "db/tdbhouse.h"
#include "support/roomlettest.h"

#include <QFile>

class StatementTest : public RoomletTest
{
};

TEST_F(StatementTest, ParametersAndTextComparisonIgnoreCase)
{
    auto &q = db->qcx;
    q.close();
    q.clear();
    q.add("select * from userk where dm=:TJ1 ");
    q.param("tj1") = "ADMIN";
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.field("DM").asString(), "admin");
    EXPECT_EQ(q.field("userid").asString(), "001");
}

TEST_F(StatementTest, LikeIsAPrefixMatchOnEitherColumn)
{
    exec("insert into zf_fjb(fjbh,fjmc) values('101','东楼'),('a1','1号'),('201','x1')");
    auto &q = db->qfjxx;
    q.close();
    q.clear();
    q.add("select * from zf_fjb where (fjbh like :fjbh or fjmc like :fjmc)");
    q.add(" order by iid ");
    q.param("fjbh") = "1%";
    q.param("fjmc") = "1%";
    q.open();
    ASSERT_EQ(q.recordCount(), 2);
    EXPECT_EQ(q.fieldAt(0, "fjbh").asString(), "101");
    EXPECT_EQ(q.fieldAt(1, "fjbh").asString(), "a1");
    EXPECT_EQ(q.field("fjydzt").asString(), "空闲") << "a new room is not booked";
}

TEST_F(StatementTest, DatesAreWholeDaysAndRangesIncludeBothEnds)
{
    auto &ins = db->qins;
    for (const QDate &d : {QDate(2024, 1, 1), QDate(2024, 1, 31), QDate(2024, 2, 1)}) {
        ins.close();
        ins.clear();
        ins.add("insert into zf_cwb(bz,rq,je) values('收入',:rq,:je)");
        ins.param("rq") = d;
        ins.param("je") = 1.5;
        ins.execSQL();
    }
    auto &q = db->qsum;
    q.close();
    q.clear();
    q.add("select sum(je) as expr1001, count(*) as expr1002 from zf_cwb where rq>= :rq0 and rq<= :rq1");
    q.param("rq0") = QDate(2024, 1, 1);
    q.param("rq1") = QDate(2024, 1, 31);
    q.open();
    EXPECT_EQ(q.field("expr1001").asString(), "3");
    EXPECT_EQ(q.field("expr1002").asInteger(), 2);

    q.close();
    q.clear();
    q.add("select sum(ssje) as expr1001 from zf_fjsfmxlsb");
    q.open();
    EXPECT_TRUE(q.field("expr1001").isNull());
    EXPECT_EQ(q.field("expr1001").asFloat(), 0) << "a sum over no rows reads as 0";

    q.close();
    q.clear();
    q.add("select rq from zf_cwb order by rq");
    q.open();
    EXPECT_EQ(q.field("rq").asDate(), QDate(2024, 1, 1));
}

TEST_F(StatementTest, CursorMovesAndLocate)
{
    exec("insert into zf_sfxmb(sfmc,sflx,dj) values('网费','网费',30)");
    auto &q = db->qsfxm;
    q.close();
    q.clear();
    q.add("select * from zf_sfxmb order by iid");
    q.open();
    ASSERT_EQ(q.recordCount(), 5);
    EXPECT_EQ(q.recNo(), 0);
    q.last();
    EXPECT_EQ(q.field("sfmc").asString(), "网费");
    q.next();
    EXPECT_TRUE(q.eof());
    EXPECT_TRUE(q.locate("sfmc", "水费"));
    EXPECT_EQ(q.field("dj").asString(), "5");
    EXPECT_FALSE(q.locate("sfmc", "没有"));
    EXPECT_THROW(q.field("nosuch"), DbError);
}

TEST_F(StatementTest, ErrorsCarryTheEngineTextAndUnboundParametersAreRefused)
{
    auto &q = db->qcx;
    q.close();
    q.clear();
    q.add("select * from nosuchtable");
    try {
        q.open();
        FAIL();
    } catch (const DbError &e) {
        EXPECT_TRUE(e.text().contains("nosuchtable"));
    }
    q.close();
    q.clear();
    q.add("select * from zf_fjb where fjbh= :fjbh ");
    EXPECT_THROW(q.open(), DbError);
    EXPECT_FALSE(q.isOpen());
}

TEST_F(StatementTest, OperatorCodeIsTheOnlyEnforcedKey)
{
    EXPECT_THROW(exec("insert into userk(dm,pd,userid) values('ADMIN','2','002')"), DbError);
    EXPECT_NO_THROW(exec("insert into zf_sfxmb(sfmc,sflx,dj) values('押金','押金',1)"));
}

TEST_F(StatementTest, TransactionLeavesNothingHalfWritten)
{
    try {
        Transaction t(db->adoacccon);
        exec("insert into zf_sfxmb(sfmc,sflx,dj) values('网费','网费',30)");
        exec("insert into nosuchtable values(1)");
        t.commit();
    } catch (const DbError &) {
    }
    EXPECT_EQ(count("zf_sfxmb", "sfmc='网费'"), 0);
}

TEST_F(StatementTest, NewDatabaseHoldsTheDeliveredRows)
{
    EXPECT_EQ(count("zf_dyszb"), 1);
    EXPECT_EQ(value("select zleft from zf_dyszb"), "2");
    EXPECT_EQ(count("zf_sdfdjb"), 1);
    EXPECT_EQ(count("fcd"), 6);
    EXPECT_EQ(count("scd"), 17);
    EXPECT_EQ(count("yhqxb", "loginuser='admin'"), 23);
    EXPECT_EQ(rows("select pd,userid from userk where dm='admin'"), (QList<QStringList>{{"1", "001"}}));
    EXPECT_EQ(rows("select sfmc from zf_sfxmb order by iid"),
              (QList<QStringList>{{"押金"}, {"房租租金"}, {"水费"}, {"电费"}}));
    for (const char *t : {"zf_sdb", "zf_spjhb", "zf_fjczbakb", "zf_cwsmb"})
        EXPECT_EQ(count(t), 0) << t;
}

TEST_F(StatementTest, OpeningFailsForMissingWronglyKeyedOrDamagedFiles)
{
    Connection c;
    EXPECT_THROW(c.open(folder() + "none.mdb", schema::password), DbError);
    EXPECT_THROW(c.open(Tdbhouse::databasePath(folder()), "wrong"), DbError);
    EXPECT_FALSE(c.isOpen());

    QFile junk(folder() + "junk.mdb");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(8192, 'x'));
    junk.close();
    EXPECT_THROW(c.open(junk.fileName(), schema::password), DbError);
    EXPECT_FALSE(schema::createDatabase(junk.fileName())) << "an existing file is never replaced";
    EXPECT_EQ(QFile(junk.fileName()).size(), 8192);
}

TEST_F(StatementTest, SumsMatchTheirLinesLikeTheBuiltInSum)
{
    exec("create table t(v real, w integer)");
    exec("with recursive n(i) as (select 1 union all select i+1 from n where i<60) "
         "insert into t(v,w) select 0.1, 2 from n");
    EXPECT_EQ(rows("select sum(v), sum(w), typeof(sum(w)), sum(null) from t"),
              (QList<QStringList>{{"6", "120", "integer", ""}}));
    EXPECT_EQ(value("select sum(v) from t where v>1"), "") << "a sum over no rows is null";
}

TEST(NumberText, ShortestFormAndTwoDecimals)
{
    const struct {
        double v;
        const char *shortest, *twoDecimals;
    } cases[] = {
        {1500, "1500", "1500.00"}, {1500.5, "1500.5", "1500.50"}, {0.1 + 0.2, "0.3", "00.30"},
        {5, "5", "05.00"},         {-300, "-300", "-300.00"},     {1350.505, "1350.505", "1350.51"},
        {0, "0", "00.00"},         {-0.0, "0", "00.00"},          {123456789.12, "123456789.12", "123456789.12"},
        {0.00001, "0.00001", "00.00"}, {100.1 - 100.3, "-0.2", "-00.20"}, {1350.3 - 1200.1, "150.2", "150.20"}, {1e15, "1000000000000000", "1000000000000000.00"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(formatNumber(c.v), c.shortest) << c.v;
        EXPECT_EQ(format00(c.v), c.twoDecimals) << c.v;
    }
    EXPECT_EQ(cleanAmount(150 * 0.6), 90.0);
    EXPECT_EQ(cleanAmount(0.1 + 0.2), 0.3);
}
