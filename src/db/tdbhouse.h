// The data-access component: the one connection and the named statement objects every window
// borrows for its reads and writes.
#pragma once
#include "db/connection.h"
#include "db/statement.h"

#include <QObject>

class Tdbhouse : public QObject
{
    Q_OBJECT
public:
    Tdbhouse();
    ~Tdbhouse() override;

    // Opens dat/qmvdemo.mdb under the program folder (folder ends with '/'). Throws DbError.
    void openDatabase(const QString &programFolder);
    // Closes every statement object and the connection (backup and restore copy the file).
    void closeAll();
    static QString databasePath(const QString &programFolder);

    Connection adoacccon;
    Statement qcx{adoacccon, QStringLiteral("qcx"), this};
    Statement qins{adoacccon, QStringLiteral("qins"), this};
    Statement qup{adoacccon, QStringLiteral("qup"), this};
    Statement qsum{adoacccon, QStringLiteral("qsum"), this};
    Statement qsum2{adoacccon, QStringLiteral("qsum2"), this};
    Statement qy{adoacccon, QStringLiteral("qy"), this};
    Statement qlsh{adoacccon, QStringLiteral("qlsh"), this};
    Statement qyj{adoacccon, QStringLiteral("qyj"), this};
    Statement qydq{adoacccon, QStringLiteral("qydq"), this};
    Statement quserk{adoacccon, QStringLiteral("quserk"), this};
    Statement userk{adoacccon, QStringLiteral("userk"), this};
    Statement q1{adoacccon, QStringLiteral("q1"), this};
    Statement pub{adoacccon, QStringLiteral("pub"), this};
    Statement cx{adoacccon, QStringLiteral("cx"), this};
    Statement funk{adoacccon, QStringLiteral("funk"), this};
    Statement subfunk{adoacccon, QStringLiteral("subfunk"), this};
    Statement yhgrant{adoacccon, QStringLiteral("yhgrant"), this};
    Statement qed{adoacccon, QStringLiteral("qed"), this};
    Statement qfjxx{adoacccon, QStringLiteral("qfjxx"), this};
    Statement qcx4{adoacccon, QStringLiteral("qcx4"), this};
    Statement qls{adoacccon, QStringLiteral("qls"), this};
    Statement qtc{adoacccon, QStringLiteral("qtc"), this};
    Statement qd{adoacccon, QStringLiteral("qd"), this};
    Statement qs{adoacccon, QStringLiteral("qs"), this};
    Statement qfjyd{adoacccon, QStringLiteral("qfjyd"), this};
    Statement qfjcx{adoacccon, QStringLiteral("qfjcx"), this};
    Statement qfkcx{adoacccon, QStringLiteral("qfkcx"), this};
    Statement qdcfk{adoacccon, QStringLiteral("qdcfk"), this};
    Statement qsfmxlsb{adoacccon, QStringLiteral("qsfmxlsb"), this};
    Statement qyjscx{adoacccon, QStringLiteral("qyjscx"), this};
    Statement qsdcx{adoacccon, QStringLiteral("qsdcx"), this};
    Statement qbl{adoacccon, QStringLiteral("qbl"), this};
    Statement qmj{adoacccon, QStringLiteral("qmj"), this};
    Statement qzj{adoacccon, QStringLiteral("qzj"), this};
    Statement qsfxm{adoacccon, QStringLiteral("qsfxm"), this};
    Statement qhz{adoacccon, QStringLiteral("qhz"), this};
    Statement qdcmx{adoacccon, QStringLiteral("qdcmx"), this};
    Statement qsfmxcx{adoacccon, QStringLiteral("qsfmxcx"), this};
    Statement qc{adoacccon, QStringLiteral("qc"), this};
    Statement qczls{adoacccon, QStringLiteral("qczls"), this};
    Statement qczqk{adoacccon, QStringLiteral("qczqk"), this};
    Statement qqfsd{adoacccon, QStringLiteral("qqfsd"), this};
    Statement qcwcx{adoacccon, QStringLiteral("qcwcx"), this};
    Statement qfz{adoacccon, QStringLiteral("qfz"), this};

    QList<Statement *> statements() const;
};

// The program's one data-access component; it must have been created (by start-up or a test).
Tdbhouse &dbhouse();
bool hasDbhouse();
