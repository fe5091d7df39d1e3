// Editing one tenant: the tenant's boxes with the residence flag, saved by "修改保存".
#pragma once
#include <QDialog>

class QLineEdit;
class Statement;
class TenantBoxes;

class Tformxgfk : public QDialog
{
    Q_OBJECT
public:
    explicit Tformxgfk(QWidget *parent = nullptr);

    // Copies the boxes and the tenant number of row's current row.
    void fillFrom(const Statement &row);
    TenantBoxes *boxes() const { return m_boxes; }

public slots:
    void saveClick();

private:
    TenantBoxes *m_boxes;
    QLineEdit *m_iid; // hidden: the tenant number the save writes to
};
