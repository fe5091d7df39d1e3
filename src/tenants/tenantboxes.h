// The boxes of one tenant row, shared by the registration and the edit dialog: captions, the
// word lists, the Enter order, emptying them, filling them from a row and binding them to a
// statement.
#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLineEdit;
class Statement;

class TenantBoxes : public QWidget
{
    Q_OBJECT
public:
    // The edit dialog also shows the residence flag (是否入住).
    enum class Residence { Hidden, Shown };
    explicit TenantBoxes(Residence residence, QWidget *parent = nullptr);

    // The ethnic groups offered in 民族; a card read may put another word there.
    static const QStringList &ethnicGroups();

    // Empties every box.
    void clear();
    // Copies the columns of row's current row into the boxes, as text.
    void fillFrom(const Statement &row);
    // Binds :fkxm ... :bzsm to the box texts as typed, :pyzjh to the initials of the name and,
    // when the residence box is shown, :sfrz to its text.
    void bindTo(Statement &statement) const;

    QLineEdit *nameBox() const { return m_name; }
    QComboBox *residenceBox() const { return m_residence; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Box {
        QString column;
        QWidget *widget;
    };
    QLineEdit *addLine(const QString &caption, const char *name, const QString &column);
    QComboBox *addList(const QString &caption, const char *name, const QString &column, const QStringList &items,
                       bool editable);
    void place(const QString &caption, QWidget *box);
    void focusAfter(QObject *watched);
    static QString textOf(QWidget *box);

    QList<Box> m_boxes; // in the order Enter moves through them
    QLineEdit *m_name = nullptr;
    QComboBox *m_residence = nullptr;
    int m_placed = 0;
};
