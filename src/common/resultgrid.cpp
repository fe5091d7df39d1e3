#include "common/resultgrid.h"
#include "common/statementmodel.h"
#include "db/statement.h"

#include <QHeaderView>
#include <QKeyEvent>

ResultGrid::ResultGrid(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(22);
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex &i) { emit rowActivated(i.row()); });
}

void ResultGrid::bind(Statement &statement, const GridColumns &columns)
{
    delete m_model;
    m_model = new StatementModel(statement, columns, this);
    setModel(m_model);
    for (int c = 0; c < columns.size(); ++c) {
        setColumnWidth(c, columns[c].width);
        setColumnHidden(c, !columns[c].visible);
    }
    // A row chosen in the grid becomes the statement's current row.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &cur) {
        if (cur.isValid() && m_model->statement() && m_model->statement()->recNo() != cur.row())
            m_model->statement()->setRecNo(cur.row());
    });
    // And a row the statement moves to (open, locate, last) is selected in the grid.
    connect(&statement, &Statement::currentChanged, this, &ResultGrid::followStatement);
    followStatement(statement.recNo());
}

void ResultGrid::followStatement(int row)
{
    if (!m_model || row < 0 || row >= m_model->rowCount())
        return;
    if (currentIndex().row() == row)
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(m_model->index(row, column));
    scrollTo(m_model->index(row, column));
}

Statement *ResultGrid::statement() const
{
    return m_model ? m_model->statement() : nullptr;
}

const GridColumns &ResultGrid::gridColumns() const
{
    static const GridColumns none;
    return m_model ? m_model->gridColumns() : none;
}

void ResultGrid::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        emit rowActivated(currentIndex().row());
        return;
    }
    QTableView::keyPressEvent(event);
}
