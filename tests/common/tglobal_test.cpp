// The settings file: defaults, round trip, the section header's letter case, other sections kept.
#include "common/tglobal.h"
#include "support/roomlettest.h"

#include <QFile>

namespace {

class TGlobalTest : public RoomletTest
{
protected:
    QString path() const { return folder() + "settings.ini"; }

    void writeIni(const QByteArray &text) const
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    QStringList iniLines() const
    {
        QFile f(path());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromUtf8(f.readAll()).split("\r\n");
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    static QStringList judge(const QString &strmj = "是", const QString &strdysd = "0")
    {
        return {"[Judge]", "server_name=127.0.0.1", "strfd=01", "strzdjf=1", "strlab1=", "strlab2=", "strlab3=",
                "strlab4=", "strmj=" + strmj, "strdysd=" + strdysd};
    }
};

TEST_F(TGlobalTest, WithoutAFileTheEndWritesTheDefaultsInOrder)
{
    ASSERT_FALSE(QFile::exists(path()));
    { TGlobal g(path()); }
    EXPECT_EQ(iniLines(), judge());
}

TEST_F(TGlobalTest, ChangedValuesComeBack)
{
    {
        TGlobal g(path());
        g.strmj = "否";
        g.strdysd = "1";
        g.strlab2 = "二楼 东";
        ASSERT_TRUE(g.save());
    }
    TGlobal g(path());
    EXPECT_EQ(g.strmj, "否");
    EXPECT_EQ(g.strdysd, "1");
    EXPECT_EQ(g.strlab2, "二楼 东");
    EXPECT_EQ(g.server_name, "127.0.0.1");
}

TEST_F(TGlobalTest, SectionNameIgnoresCaseAndOtherSectionsSurvive)
{
    writeIni("[Other]\r\na=1\r\n\r\n[JUDGE]\r\nstrmj=否\r\nstrdysd=1\r\n[Last]\r\nb=2\r\n");
    {
        TGlobal g(path());
        EXPECT_EQ(g.strmj, "否");
        EXPECT_EQ(g.strdysd, "1");
        EXPECT_EQ(g.strfd, "01");
        ASSERT_TRUE(g.save());
    }
    EXPECT_EQ(iniLines(), QStringList({"[Other]", "a=1", ""}) + judge("否", "1") + QStringList({"[Last]", "b=2"}));
}

} // namespace
