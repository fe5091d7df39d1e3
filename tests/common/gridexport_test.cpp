// Grid export: what lands in the workbook (read back with xls2csv), the questions on the way,
// file names, failures that keep the old file, and the grid left where it was.
#include "common/gridexport.h"
#include "common/resultgrid.h"
#include "support/roomlettest.h"
#include "support/xlsreadback.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString tooMany = QStringLiteral("需要导出的数据过大，Excel最大只能容纳65536行,是否还要继续？");
const QString overwrite = QStringLiteral("该文件已经存在，要覆盖吗？");

class GridExportTest : public RoomletTest
{
protected:
    void SetUp() override
    {
        RoomletTest::SetUp();
        QDir().mkpath(out());
        grid = new ResultGrid; // deleted with the other top-level widgets by the fixture
    }

    QString out() const { return folder() + "export/"; }

    // Three rooms with a Chinese name (xls2csv misreads characters whose UTF-16 low byte is 0 or 1,
    // such as 一 U+4E00, taking them for the flags of a continued string, so the texts avoid them), an amount, a hidden field and nulls in two places.
    void openRooms(const GridColumns &columns)
    {
        exec("create table t_exp (fjbh text, fjmc text, je real, hidden text, bz text)");
        exec("insert into t_exp values ('101','东区二号',1500.5,'甲','押金'), ('102',null,1500.0,'乙','电费'),"
             " ('103','西区',0.1+0.2,'丙',null)");
        open("select * from t_exp order by fjbh", columns);
    }

    static GridColumns roomColumns()
    {
        return {GridColumn::rowNumberColumn(), {"房间编号", "fjbh"}, {"房间名称", "fjmc"}, {"金额", "je"},
                {"隐藏", "hidden", 80, false}, {"备注", "bz"}};
    }

    // rows numbered 1..n, each with a long Chinese text of its own (about 130 bytes a cell).
    void openNumbered(int n)
    {
        exec("create table if not exists t_big (n integer, txt text)");
        exec("delete from t_big");
        exec(QString("insert into t_big with recursive c(n) as (select 1 union all select n+1 from c where n < %1)"
                     " select n, n || replace(hex(zeroblob(30)), '00', '房间') from c").arg(n));
        open("select * from t_big order by n", {GridColumn::rowNumberColumn(), {"编号", "n"}, {"内容", "txt"}});
    }

    static QString numberedLine(int n) { return QString("%1,%1%2").arg(n).arg(QString("房间").repeated(30)); }

    void open(const QString &sql, const GridColumns &columns)
    {
        auto &q = db->qcx;
        q.close();
        q.clear();
        q.add(sql);
        q.open();
        grid->bind(q, columns);
    }

    // Exports to the chosen name, answering the questions that come with the given answers.
    void exportTo(const QString &chosen, std::initializer_list<bool> answers = {})
    {
        for (bool a : answers)
            prompts.answer(a);
        prompts.answerFile(chosen);
        exportGrid(*grid);
        EXPECT_TRUE(prompts.allAnswered());
    }

    static void writeFile(const QString &path, const QByteArray &content)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    static QByteArray fileContent(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QStringList exportedFiles() const
    {
        QStringList names = QDir(out()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }

    ResultGrid *grid = nullptr;
};

TEST_F(GridExportTest, CellsAreTheGridsTextsWithoutTheFirstAndHiddenColumns)
{
    openRooms(roomColumns());
    db->qcx.setRecNo(1);

    exportTo(out() + "rooms.xls");

    EXPECT_EQ(readXls(out() + "rooms.xls"), QStringList({"房间编号,房间名称,金额,备注", "101,东区二号,1500.5,押金",
                                                         "102,,1500,电费", "103,西区,0.3"}));
    EXPECT_TRUE(prompts.notices().isEmpty()) << prompts.lastNotice().toStdString();
    ASSERT_FALSE(prompts.records.isEmpty());
    EXPECT_EQ(prompts.records.first().kind, "saveFile");
    EXPECT_EQ(prompts.records.first().text, "Excel文件(*.xls)");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "busy cursor left on";
    // The grid and its statement stay on the row they were on.
    EXPECT_EQ(db->qcx.recNo(), 1);
    EXPECT_EQ(grid->currentIndex().row(), 1);
}

TEST_F(GridExportTest, FirstColumnIsLeftOutAlsoWhenItHoldsData)
{
    openRooms({{"房间编号", "fjbh"}, {"房间名称", "fjmc"}, {"备注", "bz"}});
    exportTo(out() + "rooms.xls");
    EXPECT_EQ(readXls(out() + "rooms.xls"), QStringList({"房间名称,备注", "东区二号,押金", ",电费", "西区"}));
}

TEST_F(GridExportTest, XlsIsAppendedUnlessTheNameEndsInExactlyXls)
{
    openRooms(roomColumns());
    const struct {
        QString chosen, written;
    } cases[] = {{"report", "report.xls"}, {"report.XLS", "report.XLS.xls"}, {"plan.xls", "plan.xls"}};
    for (const auto &c : cases) {
        exportTo(out() + c.chosen);
        EXPECT_EQ(readXls(out() + c.written).value(1), "101,东区二号,1500.5,押金") << c.chosen.toStdString();
    }
    EXPECT_EQ(exportedFiles(), QStringList({"plan.xls", "report.XLS.xls", "report.xls"}));
}

TEST_F(GridExportTest, ExistingFileIsReplacedOnlyAfterYes)
{
    openRooms(roomColumns());
    const struct {
        QString chosen;
        bool yes;
    } cases[] = {{"old.xls", false}, {"old", false}, {"old", true}, {"old.xls", true}};
    for (const auto &c : cases) {
        const QString old = out() + "old.xls";
        writeFile(old, "the person's old file");
        prompts.clear();

        exportTo(out() + c.chosen, {c.yes});

        // Also the name without ".xls" asks, since it is old.xls that would be written.
        EXPECT_EQ(prompts.questions(), QStringList{overwrite}) << c.chosen.toStdString();
        EXPECT_EQ(prompts.records.last().title, "询问");
        if (c.yes)
            EXPECT_EQ(readXls(old).value(3), "103,西区,0.3") << c.chosen.toStdString();
        else
            EXPECT_EQ(fileContent(old), "the person's old file") << c.chosen.toStdString();
        EXPECT_EQ(exportedFiles(), QStringList{"old.xls"});
    }
}

TEST_F(GridExportTest, UnwritableFileShowsTheReasonAndKeepsTheOldFile)
{
    openRooms(roomColumns());

    exportTo(out() + "missing/rooms.xls");
    EXPECT_TRUE(prompts.lastNotice().startsWith("无法保存文件")) << prompts.lastNotice().toStdString();
    EXPECT_TRUE(prompts.lastNotice().contains("missing/rooms.xls")) << prompts.lastNotice().toStdString();
    EXPECT_FALSE(QFileInfo::exists(out() + "missing"));

    // A name at the length limit exists, but nothing can be written beside it under a longer
    // temporary name (this holds even for root, who ignores permissions).
    const QString longName = out() + QString(251, 'r') + ".xls";
    writeFile(longName, "the person's old file");
    prompts.clear();
    exportTo(longName, {true});
    EXPECT_EQ(prompts.notices().size(), 1);
    EXPECT_TRUE(prompts.lastNotice().startsWith("无法保存文件")) << prompts.lastNotice().toStdString();
    EXPECT_EQ(fileContent(longName), "the person's old file");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "busy cursor left on";
    EXPECT_EQ(exportedFiles().size(), 1);
}

// The header takes one sheet row, so from 65536 data rows on not all of them fit.
TEST_F(GridExportTest, AsksBeforeDroppingRowsAndNoWritesNothing)
{
    const struct {
        int rows;
        bool asked;
    } cases[] = {{65537, true}, {65536, true}, {65535, false}};
    for (const auto &c : cases) {
        openNumbered(c.rows);
        prompts.clear();
        if (c.asked) {
            prompts.answer(false);
            exportGrid(*grid);
            EXPECT_EQ(prompts.questions(), QStringList{tooMany}) << c.rows;
            EXPECT_EQ(prompts.records.size(), 1) << "no save dialog after No";
            EXPECT_EQ(prompts.records.first().title, "询问");
        } else {
            exportTo(QString()); // cancelled in the save dialog
            EXPECT_TRUE(prompts.questions().isEmpty());
        }
        EXPECT_TRUE(exportedFiles().isEmpty()) << c.rows;
    }
}

TEST_F(GridExportTest, YesWritesTheFirst65535RowsIntoALargeReadableWorkbook)
{
    openNumbered(65537);
    db->qcx.setRecNo(40000);

    exportTo(out() + "big", {true});

    const QString path = out() + "big.xls";
    EXPECT_GT(QFileInfo(path).size(), 7 * 1024 * 1024);
    const QStringList lines = readXls(path);
    ASSERT_EQ(lines.size(), 65536);
    EXPECT_EQ(lines[0], "编号,内容");
    EXPECT_EQ(lines[1], numberedLine(1));
    EXPECT_EQ(lines[32768], numberedLine(32768));
    EXPECT_EQ(lines[65535], numberedLine(65535));
    EXPECT_EQ(db->qcx.recNo(), 40000);
    EXPECT_EQ(grid->currentIndex().row(), 40000);
}

} // namespace
