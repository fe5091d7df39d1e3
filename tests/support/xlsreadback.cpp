#include "support/xlsreadback.h"

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
