// The folder of the program file, ending in '/': data, settings, pictures and help live there.
#pragma once
#include <QString>

QString programFolder();
// Tests point the program folder at a temporary folder; an empty text restores the default.
void setProgramFolder(const QString &folder);
// The program file's name without its extension ("roomlet"), which names the settings file.
QString programBaseName();
