// The settlement dialog: confirms the amount due of a room's pending charges with a discount,
// works out the change, settles them into one receipt and prints it.
#pragma once
#include <QDialog>

class QLineEdit;

class TFormjsgl : public QDialog
{
    Q_OBJECT
public:
    explicit TFormjsgl(QWidget *parent = nullptr);

    // Due and received := the total, discount := "0", the room number, the fresh serial number
    // (kept hidden) and the manual receipt number of the first pending line.
    void setUp(const QString &fjbh, double total, const QString &serial, const QString &sgdh);

    QLineEdit *dueBox() const { return m_due; }
    QLineEdit *discountBox() const { return m_discount; }
    QLineEdit *receivedBox() const { return m_received; }
    QLineEdit *cashBox() const { return m_cash; }
    QLineEdit *changeBox() const { return m_change; }
    QLineEdit *noteBox() const { return m_note; }

public slots:
    void printClick();  // "打印单据"
    void okClick();     // "确定"
    void cancelClick(); // "取消"

private:
    void discountChanged();
    void cashChanged();
    // The texts stop the step with a message when due or received is empty.
    bool amountsPresent(bool focusOnFault);

    QLineEdit *m_due, *m_discount, *m_received, *m_cash, *m_change, *m_note;
    QLineEdit *m_fjbh, *m_zdlsh, *m_sgdh;
};
