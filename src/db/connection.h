// The one connection to the keyed database file, with transactions for multi-statement steps.
#pragma once
#include <QString>

struct sqlite3;

class Connection
{
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens an existing database file with its password. A missing file, a damaged file or a
    // wrong password throws DbError; the connection then stays closed.
    void open(const QString &path, const QString &password);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }
    sqlite3 *handle() const { return m_db; }

    // Runs statements without parameters (schema, pragmas). Throws DbError.
    void exec(const QString &sql);

    // Nested calls join the outermost transaction; only the outermost commit writes.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_depth > 0; }

    // Connection text in the form the settings and support window show.
    QString connectionText;

private:
    sqlite3 *m_db = nullptr;
    QString m_path;
    int m_depth = 0;
    bool m_rollbackOnly = false;
};

// Keeps a business step whole: rolls back unless commit() was reached.
class Transaction
{
public:
    explicit Transaction(Connection &c) : m_c(c) { m_c.begin(); }
    ~Transaction()
    {
        if (!m_done)
            m_c.rollback();
    }
    void commit()
    {
        m_done = true;
        m_c.commit();
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    Connection &m_c;
    bool m_done = false;
};
