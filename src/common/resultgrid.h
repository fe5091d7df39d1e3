// Read-only grid over a statement object: whole-row selection, the selected row is the
// statement's current row and the other way round.
#pragma once
#include "common/gridcolumn.h"

#include <QTableView>

class Statement;
class StatementModel;

class ResultGrid : public QTableView
{
    Q_OBJECT
public:
    explicit ResultGrid(QWidget *parent = nullptr);

    void bind(Statement &statement, const GridColumns &columns);
    Statement *statement() const;
    StatementModel *statementModel() const { return m_model; }
    const GridColumns &gridColumns() const;

signals:
    // Double-click or Enter on a row.
    void rowActivated(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void followStatement(int row);
    StatementModel *m_model = nullptr;
};
