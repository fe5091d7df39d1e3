#include "common/statementmodel.h"
#include "db/statement.h"

StatementModel::StatementModel(Statement &statement, const GridColumns &columns, QObject *parent)
    : QAbstractTableModel(parent), m_statement(&statement), m_columns(columns)
{
    connect(&statement, &Statement::aboutToChange, this, [this] {
        if (!m_resetting) {
            m_resetting = true;
            beginResetModel();
        }
    });
    auto finish = [this] {
        mapFields();
        if (m_resetting) {
            m_resetting = false;
            endResetModel();
        }
    };
    connect(&statement, &Statement::opened, this, finish);
    connect(&statement, &Statement::closed, this, finish);
    mapFields();
}

void StatementModel::mapFields()
{
    m_fieldIndex.clear();
    for (const GridColumn &c : m_columns)
        m_fieldIndex << (m_statement && !c.rowNumber ? m_statement->rows().columnIndex(c.field) : -1);
}

int StatementModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_statement || !m_statement->isOpen())
        return 0;
    return m_statement->recordCount();
}

int StatementModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString StatementModel::cellText(int row, int column) const
{
    if (column < 0 || column >= m_columns.size() || !m_statement)
        return QString();
    if (m_columns[column].rowNumber)
        return QString::number(row + 1);
    const int f = m_fieldIndex[column];
    return f < 0 ? QString() : m_statement->rows().field(row, f).asString();
}

bool StatementModel::isNull(int row, int column) const
{
    if (column < 0 || column >= m_columns.size() || !m_statement || m_columns[column].rowNumber)
        return false;
    const int f = m_fieldIndex[column];
    return f < 0 || m_statement->rows().isNull(row, f);
}

QVariant StatementModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    return {};
}

QVariant StatementModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_columns.size() ? m_columns[section].caption : QString();
    return {};
}
