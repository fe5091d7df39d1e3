// Reads a workbook back with xls2csv (catdoc), a reader that no one here wrote.
#pragma once
#include <QString>
#include <QList>
#include <QStringList>

// The first sheet as xls2csv -d utf-8 prints it without quoting: one line per row, cells joined
// by commas, a row ending at its last non-empty cell. A failed read is a test failure.
QStringList readXls(const QString &path);

// The first sheet read by a second, independent reader (python3-xlrd): one list of cell texts
// per row, in full sheet width. It reads the characters xls2csv misreads (those whose UTF-16 low
// byte is 0 or 1, such as 一 and 开), so cell-exact checks of Chinese text use it.
QList<QStringList> readXlsCells(const QString &path);
