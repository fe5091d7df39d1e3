#include "common/gridexport.h"
#include "common/prompter.h"
#include "common/resultgrid.h"
#include "common/statementmodel.h"
#include "common/xlswriter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHeaderView>
#include <QUrl>

namespace {
bool openExported = true;

// The busy cursor for the time of the work, restored however the work ends.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// The model columns that go into the sheet: in the order the grid shows them, the first one
// left out (in most lists it is the row number), hidden ones left out.
QList<int> exportedColumns(const ResultGrid &grid)
{
    const QHeaderView *header = grid.horizontalHeader();
    QList<int> columns;
    for (int visual = 1; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!grid.isColumnHidden(logical))
            columns << logical;
    }
    return columns;
}

// The file name the person chose, with ".xls" added unless it already ends in exactly ".xls".
QString workbookName(const QString &chosen)
{
    return chosen.endsWith(QStringLiteral(".xls")) ? chosen : chosen + QStringLiteral(".xls");
}

// Asks for the file; empty when the person cancelled or does not want an existing file replaced.
QString askFileName()
{
    const QString chosen = prompter().saveFile(QString(), QString(), QStringLiteral("Excel文件(*.xls)"));
    if (chosen.isEmpty())
        return QString();
    // The question is about the file that will really be written, so "report" does not
    // silently replace an existing "report.xls".
    const QString name = workbookName(chosen);
    if (QFileInfo::exists(name) && !prompter().ask(QStringLiteral("该文件已经存在，要覆盖吗？"), QStringLiteral("询问")))
        return QString();
    return name;
}

// Header row and at most MaxRows - 1 data rows, every field as the grid shows it, nulls empty.
XlsWriter sheetOf(const ResultGrid &grid)
{
    const StatementModel &model = *grid.statementModel();
    const GridColumns &gridColumns = model.gridColumns();
    const QList<int> columns = exportedColumns(grid);

    XlsWriter sheet;
    std::vector<std::optional<QString>> cells;
    for (int c : columns)
        cells.emplace_back(gridColumns[c].caption);
    sheet.addRow(cells);

    // The cells are read by row index, so the statement's current row (and the grid's) stays.
    const int rows = std::min(model.rowCount(), XlsWriter::MaxRows - 1);
    for (int r = 0; r < rows; ++r) {
        cells.clear();
        for (int c : columns) {
            if (model.isNull(r, c))
                cells.emplace_back(std::nullopt);
            else
                cells.emplace_back(model.cellText(r, c));
        }
        sheet.addRow(cells);
    }
    return sheet;
}
} // namespace

void setOpenExportedFiles(bool open)
{
    openExported = open;
}

void exportGrid(ResultGrid &grid)
{
    if (!grid.statementModel())
        return;
    // The header takes one sheet row, so from 65536 data rows on the last ones would be lost.
    if (grid.statementModel()->rowCount() > XlsWriter::MaxRows - 1
        && !prompter().ask(QStringLiteral("需要导出的数据过大，Excel最大只能容纳65536行,是否还要继续？"), QStringLiteral("询问")))
        return;

    const QString name = askFileName();
    if (name.isEmpty())
        return;

    QString error;
    bool saved = false;
    {
        BusyCursor busy;
        // The writer replaces an existing file only once the new one is complete, so a failed
        // write keeps the person's old file.
        saved = sheetOf(grid).save(name, &error);
    }
    if (!saved) {
        prompter().notice(error, QString(), Prompter::Icon::Warning);
        return;
    }
    if (openExported)
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(name).absoluteFilePath()));
}
