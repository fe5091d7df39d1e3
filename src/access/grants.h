// The operator's function grants applied to the main menu: granted entries enabled, the others
// disabled; the last top-level menu (help) is never touched.
#pragma once
#include <QString>
#include <QStringList>

class QMenuBar;

// Reads the grants of the operator from yhqxb and applies them. Throws DbError.
void applyGrants(QMenuBar &menu, const QString &operatorCode);
// Applies a list of granted names (yhqxb.funcename). With no names the menu stays as built.
void applyGrantNames(QMenuBar &menu, const QStringList &granted);
