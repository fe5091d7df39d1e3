// A named statement object: SQL text in pieces, named typed parameters, and after open()
// the rows with a current row that bound grids follow.
#pragma once
#include "db/field.h"
#include "db/param.h"
#include "db/rowset.h"

#include <QObject>
#include <QStringList>

#include <map>

class Connection;

class Statement : public QObject
{
    Q_OBJECT
public:
    Statement(Connection &connection, const QString &name, QObject *parent = nullptr);

    // Building the text.
    void close();
    void clear();
    void add(const QString &piece);
    QString sql() const { return m_pieces.join('\n'); }
    // Parameter names match without regard to case.
    Param &param(const QString &name);

    // Running it. Both throw DbError with the engine's text.
    void open();
    void execSQL();
    // Close and open again with the same text and parameters (a filter stays in force).
    void reopen();
    int rowsAffected() const { return m_rowsAffected; }

    // The open result.
    bool isOpen() const { return m_open; }
    bool isEmpty() const { return m_rows.rowCount() == 0; }
    int recordCount() const { return m_rows.rowCount(); }
    int columnCount() const { return m_rows.columnCount(); }
    QStringList columns() const { return m_rows.columns(); }
    const RowSet &rows() const { return m_rows; }

    // The current row: -1 when the result is empty.
    int recNo() const { return m_current; }
    void setRecNo(int row);
    void first() { setRecNo(0); }
    void last() { setRecNo(recordCount() - 1); }
    void next();
    void prior();
    // After next() passes the last row, eof() is true (the current row stays on the last).
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    // Moves to the first row whose field equals value (text compared exactly); false if none.
    bool locate(const QString &fieldName, const QString &value);

    // Fields of the current row; an empty result gives null fields. An unknown name throws.
    Field field(const QString &name) const;
    Field fieldAt(int row, const QString &name) const;
    bool hasField(const QString &name) const { return m_rows.columnIndex(name) >= 0; }

signals:
    void aboutToChange();
    void opened();
    void closed();
    void currentChanged(int row);

private:
    struct Prepared;
    QString translated(QStringList *names) const;
    void runPrepared(bool collectRows);
    int columnOrThrow(const QString &name) const;

    Connection &m_connection;
    QStringList m_pieces;
    std::map<QString, Param> m_params;
    RowSet m_rows;
    bool m_open = false;
    int m_current = -1;
    bool m_eof = true;
    bool m_bof = true;
    int m_rowsAffected = 0;
};
