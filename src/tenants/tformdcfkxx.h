// Tenant picker: lists the tenants not in residence, finds them by name or pinyin initials,
// registers a new one on the spot; the chosen tenant is the current row of qdcfk.
#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class ResultGrid;

class TFormdcfkxx : public QDialog
{
    Q_OBJECT
public:
    explicit TFormdcfkxx(QWidget *parent = nullptr);

    // Opens qdcfk on every tenant not in residence.
    static void openFreeTenants();
    // What a caller does: opens qdcfk, clears the confirmation flag and shows the picker
    // modally. True when a tenant was chosen; fkxm and iid are then in qdcfk's current row.
    static bool chooseTenant(QWidget *parent);

public slots:
    void searchClick();
    void addClick();
    void okClick();
    void backClick();
    void gridCellClick();

private:
    QLineEdit *m_search;
    QLabel *m_photo;
    ResultGrid *m_grid;
};
