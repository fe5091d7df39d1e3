#include "db/statement.h"
#include "db/connection.h"
#include "db/dberror.h"

#include <sqlcipher/sqlite3.h>

namespace {
bool isNameStart(QChar c) { return c.isLetter() || c == '_'; }
bool isNamePart(QChar c) { return c.isLetterOrNumber() || c == '_'; }

// Finalises the prepared statement on every path out.
struct StmtGuard {
    sqlite3_stmt *stmt = nullptr;
    ~StmtGuard() { sqlite3_finalize(stmt); }
};
} // namespace

Statement::Statement(Connection &connection, const QString &name, QObject *parent)
    : QObject(parent), m_connection(connection)
{
    setObjectName(name);
}

void Statement::close()
{
    if (!m_open)
        return;
    emit aboutToChange();
    m_rows.reset({});
    m_open = false;
    m_current = -1;
    m_eof = m_bof = true;
    emit closed();
}

void Statement::clear()
{
    m_pieces.clear();
    m_params.clear();
}

void Statement::add(const QString &piece)
{
    m_pieces << piece;
}

Param &Statement::param(const QString &name)
{
    return m_params[name.toLower()];
}

// Rewrites every :name outside quotes as a numbered placeholder; the names are returned in
// placeholder order (a name used twice keeps one number).
QString Statement::translated(QStringList *names) const
{
    const QString text = sql();
    QString out;
    out.reserve(text.size());
    QChar quote;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            out += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
            out += c;
        } else if (c == ':' && i + 1 < text.size() && isNameStart(text[i + 1])) {
            int j = i + 1;
            while (j < text.size() && isNamePart(text[j]))
                ++j;
            const QString name = text.mid(i + 1, j - i - 1).toLower();
            int index = names->indexOf(name);
            if (index < 0) {
                names->append(name);
                index = int(names->size()) - 1;
            }
            out += '?' + QString::number(index + 1);
            i = j - 1;
        } else {
            out += c;
        }
    }
    return out;
}

void Statement::runPrepared(bool collectRows)
{
    sqlite3 *db = m_connection.handle();
    if (!db)
        throw DbError(QStringLiteral("数据库没有连接"));
    QStringList names;
    const QByteArray text = translated(&names).toUtf8();
    StmtGuard g;
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &g.stmt, nullptr) != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(db)));
    if (!g.stmt)
        throw DbError(QStringLiteral("空的SQL语句"));

    for (int i = 0; i < names.size(); ++i) {
        auto it = m_params.find(names[i]);
        if (it == m_params.end() || !it->second.isSet())
            throw DbError(QStringLiteral("参数 %1 没有赋值").arg(names[i]));
        const Param::Value &v = it->second.value();
        const int n = i + 1;
        if (auto s = std::get_if<QString>(&v)) {
            const QByteArray u = s->toUtf8();
            sqlite3_bind_text(g.stmt, n, u.constData(), int(u.size()), SQLITE_TRANSIENT);
        } else if (auto d = std::get_if<double>(&v)) {
            sqlite3_bind_double(g.stmt, n, *d);
        } else if (auto k = std::get_if<qint64>(&v)) {
            sqlite3_bind_int64(g.stmt, n, *k);
        } else if (auto date = std::get_if<QDate>(&v)) {
            const QByteArray u = date->toString(Qt::ISODate).toUtf8();
            sqlite3_bind_text(g.stmt, n, u.constData(), int(u.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_null(g.stmt, n);
        }
    }

    RowSet rows;
    if (collectRows) {
        QStringList columns;
        for (int c = 0; c < sqlite3_column_count(g.stmt); ++c)
            columns << QString::fromUtf8(sqlite3_column_name(g.stmt, c));
        rows.reset(columns);
    }
    int rc;
    while ((rc = sqlite3_step(g.stmt)) == SQLITE_ROW) {
        if (!collectRows)
            continue;
        for (int c = 0; c < rows.columnCount(); ++c) {
            switch (sqlite3_column_type(g.stmt, c)) {
            case SQLITE_INTEGER: rows.appendInteger(sqlite3_column_int64(g.stmt, c)); break;
            case SQLITE_FLOAT: rows.appendReal(sqlite3_column_double(g.stmt, c)); break;
            case SQLITE_NULL: rows.appendNull(); break;
            default: {
                const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(g.stmt, c));
                rows.appendText(t, sqlite3_column_bytes(g.stmt, c));
            }
            }
        }
    }
    if (rc != SQLITE_DONE)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(db)));
    m_rowsAffected = collectRows ? 0 : sqlite3_changes(db);

    if (collectRows) {
        emit aboutToChange();
        m_rows = std::move(rows);
        m_open = true;
        m_current = m_rows.rowCount() > 0 ? 0 : -1;
        m_bof = true;
        m_eof = m_rows.rowCount() == 0;
        emit opened();
        emit currentChanged(m_current);
    }
}

void Statement::open()
{
    close();
    runPrepared(true);
}

void Statement::execSQL()
{
    runPrepared(false);
}

void Statement::reopen()
{
    close();
    open();
}

void Statement::setRecNo(int row)
{
    if (recordCount() == 0) {
        m_current = -1;
        m_eof = m_bof = true;
        return;
    }
    row = std::clamp(row, 0, recordCount() - 1);
    m_eof = m_bof = false;
    if (row != m_current) {
        m_current = row;
        emit currentChanged(row);
    }
}

void Statement::next()
{
    if (m_current + 1 >= recordCount()) {
        m_eof = true;
        return;
    }
    setRecNo(m_current + 1);
}

void Statement::prior()
{
    if (m_current <= 0) {
        m_bof = true;
        return;
    }
    setRecNo(m_current - 1);
}

bool Statement::locate(const QString &fieldName, const QString &value)
{
    const int c = columnOrThrow(fieldName);
    for (int r = 0; r < recordCount(); ++r) {
        if (m_rows.field(r, c).asString() == value) {
            setRecNo(r);
            return true;
        }
    }
    return false;
}

int Statement::columnOrThrow(const QString &name) const
{
    const int c = m_rows.columnIndex(name);
    if (c < 0)
        throw DbError(QStringLiteral("%1: 字段 '%2' 不存在").arg(objectName(), name));
    return c;
}

Field Statement::field(const QString &name) const
{
    return fieldAt(m_current, name);
}

Field Statement::fieldAt(int row, const QString &name) const
{
    if (!m_open)
        throw DbError(QStringLiteral("%1: 数据集没有打开").arg(objectName()));
    return m_rows.field(row, columnOrThrow(name));
}
