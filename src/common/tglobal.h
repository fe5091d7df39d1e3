// The settings of the run, read from <program>.ini beside the program and written back at the end.
#pragma once
#include <QString>

class TGlobal
{
public:
    // Reads path (defaults for missing keys or file).
    explicit TGlobal(const QString &path);
    // Writes the settings back.
    ~TGlobal();

    // Writes the nine keys into section [Judge], keeping every other section of the file.
    // Returns false when the file cannot be written.
    bool save() const;
    QString path() const { return m_path; }

    QString server_name = QStringLiteral("127.0.0.1");
    QString strfd = QStringLiteral("01");
    QString strzdjf = QStringLiteral("1");
    QString strlab1, strlab2, strlab3, strlab4;
    // "是": the property-management fee is charged by the room's floor area.
    QString strmj = QStringLiteral("是");
    // "0": receipts leave the meter readings out; any other value prints them.
    QString strdysd = QStringLiteral("0");

private:
    void load();
    QString m_path;
};

// The one settings object of the run (created by start-up or a test).
TGlobal &global();
bool hasGlobal();
