// The database's tables, indexes and the rows a new database is delivered with.
#pragma once
#include <QString>

namespace schema {

// The fixed database password.
inline const char *const password = "k7m2p9r4t6w8";
// The default password of an operator saved without one (and of the delivered admin).
inline const char *const defaultPassword = "1";

// Creates a new keyed database at path with the whole schema and the delivered rows.
// Never touches an existing file: returns false when one is there. Throws DbError.
bool createDatabase(const QString &path);

// The schema as SQL text (tables and indexes).
QString tablesSql();
// The delivered rows as SQL text.
QString deliveredRowsSql();

} // namespace schema
