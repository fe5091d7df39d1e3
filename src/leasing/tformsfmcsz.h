// Fee items: the catalogue of things a room can be charged for, with name and default unit
// price; save adds an item or changes the price of an existing one, delete spares the system items.
#pragma once
#include <QWidget>

class QLineEdit;
class ResultGrid;

class TFormsfmcsz : public QWidget
{
    Q_OBJECT
public:
    explicit TFormsfmcsz(QWidget *parent = nullptr);

    // The items charging gives a fixed meaning; they cannot be deleted.
    static bool isSystemItem(const QString &name);

public slots:
    void FormShow();
    void saveClick();
    void deleteClick();
    void gridCellClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadItems();
    void resetFields();
    bool nameExists(const QString &name);

    QLineEdit *m_name;
    QLineEdit *m_price;
    ResultGrid *m_grid;
    bool m_shown = false;
};
