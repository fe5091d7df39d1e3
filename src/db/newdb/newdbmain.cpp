// Makes a fresh database beside the program at build time; an existing database is never touched.
#include "db/dberror.h"
#include "db/schema.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: roomlet-newdb <path of qmvdemo.mdb>\n");
        return 2;
    }
    try {
        const QString path = QString::fromLocal8Bit(argv[1]);
        if (schema::createDatabase(path))
            std::printf("created %s\n", argv[1]);
    } catch (const DbError &e) {
        std::fprintf(stderr, "roomlet-newdb: %s\n", e.what());
        return 1;
    }
    return 0;
}
