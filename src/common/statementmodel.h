// Table model showing the rows of a statement object through a list of grid columns; it follows
// the statement's open and close.
#pragma once
#include "common/gridcolumn.h"

#include <QAbstractTableModel>
#include <QPointer>

#include "db/statement.h"

class StatementModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    StatementModel(Statement &statement, const GridColumns &columns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    Statement *statement() const { return m_statement; }
    const GridColumns &gridColumns() const { return m_columns; }
    // The text of a cell as the grid shows it; a null field is empty.
    QString cellText(int row, int column) const;
    bool isNull(int row, int column) const;

private:
    void mapFields();

    QPointer<Statement> m_statement;
    GridColumns m_columns;
    QList<int> m_fieldIndex; // per grid column: index into the statement's columns, or -1
    bool m_resetting = false;
};
