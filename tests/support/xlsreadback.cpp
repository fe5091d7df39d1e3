#include "support/xlsreadback.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

#include <gtest/gtest.h>

QStringList readXls(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("xls2csv"), {"-d", "utf-8", "-q", "0", "-c", ",", path});
    EXPECT_TRUE(p.waitForFinished(120000)) << "xls2csv did not finish";
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QString out = QString::fromUtf8(p.readAllStandardOutput());
    // Each sheet ends with a form feed.
    if (out.endsWith('\f'))
        out.chop(1);
    QStringList lines = out.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QList<QStringList> readXlsCells(const QString &path)
{
    static const char *script = R"PY(
import json, sys, xlrd
s = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)
print(json.dumps([[str(s.cell_value(r, c)) for c in range(s.ncols)] for r in range(s.nrows)]))
)PY";
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {"-c", script, path});
    EXPECT_TRUE(p.waitForFinished(120000)) << "xlrd did not finish";
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QList<QStringList> rows;
    const QJsonArray sheet = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
    for (const QJsonValue &row : sheet) {
        QStringList cells;
        for (const QJsonValue &cell : row.toArray())
            cells << cell.toString();
        rows << cells;
    }
    return rows;
}
