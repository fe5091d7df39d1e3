#include "db/tdbhouse.h"
#include "db/schema.h"

namespace {
Tdbhouse *instance = nullptr;
}

Tdbhouse::Tdbhouse()
{
    setObjectName("dbhouse");
    instance = this;
}

Tdbhouse::~Tdbhouse()
{
    closeAll();
    if (instance == this)
        instance = nullptr;
}

QString Tdbhouse::databasePath(const QString &programFolder)
{
    return programFolder + "dat/qmvdemo.mdb";
}

void Tdbhouse::openDatabase(const QString &programFolder)
{
    closeAll();
    const QString path = databasePath(programFolder);
    adoacccon.connectionText = "Driver=SQLCipher;User ID=Admin;Data Source=" + path;
    adoacccon.open(path, schema::password);
}

void Tdbhouse::closeAll()
{
    for (Statement *s : statements())
        s->close();
    adoacccon.close();
}

QList<Statement *> Tdbhouse::statements() const
{
    return findChildren<Statement *>(QString(), Qt::FindDirectChildrenOnly);
}

Tdbhouse &dbhouse()
{
    Q_ASSERT(instance);
    return *instance;
}

bool hasDbhouse()
{
    return instance != nullptr;
}
