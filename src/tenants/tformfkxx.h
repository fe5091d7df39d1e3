// Registration of new tenants: the tenant's boxes, a photo frame and "保存"; the dialog stays open
// for the next tenant after each save.
#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class TenantBoxes;

class TFormfkxx : public QDialog
{
    Q_OBJECT
public:
    explicit TFormfkxx(QWidget *parent = nullptr);

    // Creates the dialog, empties its boxes and shows it modally (the list's and the picker's
    // "新增房客").
    static void registerTenants(QWidget *parent);

    TenantBoxes *boxes() const { return m_boxes; }
    // Empties every box; whoever opens the dialog does so first.
    void clearBoxes();

public slots:
    void saveClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void insertTenant();

    TenantBoxes *m_boxes;
    QLabel *Image1;
    QLabel *m_error;
};
