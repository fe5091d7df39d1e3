// Reads a workbook back with xls2csv (catdoc), a reader that no one here wrote.
#pragma once
#include <QString>
#include <QStringList>

// The first sheet as xls2csv -d utf-8 prints it without quoting: one line per row, cells joined
// by commas, a row ending at its last non-empty cell. A failed read is a test failure.
QStringList readXls(const QString &path);
