// One column of a result grid: caption, the field it shows, width, and whether it is shown.
#pragma once
#include <QList>
#include <QString>

struct GridColumn {
    QString caption;
    QString field; // empty for the row-number column
    int width = 80;
    bool visible = true;
    bool rowNumber = false;

    // The leading "序号" column that shows the 1-based position of the row.
    static GridColumn rowNumberColumn(int width = 40) { return {QStringLiteral("序号"), QString(), width, true, true}; }
};

using GridColumns = QList<GridColumn>;
