// A date box: a line edit for yyyy-mm-dd with a small ">>>" button beside it that opens the
// date picker. The button is visible only while the box or the button has the focus; after OK
// the picked date is written into the box and the focus moves on to the next box.
#pragma once
#include <QWidget>

class QLineEdit;
class QToolButton;

class DateBox : public QWidget
{
    Q_OBJECT
public:
    // editName is the line edit's objectName (e.g. "Edit1"); the button is named editName + "Button".
    explicit DateBox(const QString &editName, QWidget *parent = nullptr);

    QLineEdit *lineEdit() const { return m_edit; }
    QToolButton *pickerButton() const { return m_button; }
    QString text() const;
    void setText(const QString &text);
    // Where the focus goes after a date was picked (from a start date to its end date).
    void setNextFocus(QWidget *next) { m_next = next; }

signals:
    // A date was picked with ">>>" and written into the box (after the focus moved on).
    void datePicked();

public slots:
    // Opens the picker; on OK writes the date and moves the focus on.
    void pick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateButton();
    QLineEdit *m_edit;
    QToolButton *m_button;
    QWidget *m_next = nullptr;
};
