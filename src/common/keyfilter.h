// Key filters that keep number and password boxes to the characters they may hold. A refused
// character is swallowed without a message; keys that type nothing (Enter, Tab, arrows) pass.
#pragma once
#include <QObject>

class QWidget;

class KeyFilter : public QObject
{
    Q_OBJECT
public:
    // Amount: digits, "." and Backspace (no sign); Digits: digits and Backspace only.
    enum class Kind { Number, Password, Amount, Digits };
    KeyFilter(Kind kind, QObject *parent) : QObject(parent), m_kind(kind) {}

    // Whether the typed character goes into the box: digits, "-", "." and Backspace;
    // the password filter also lets Escape through.
    static bool accepts(Kind kind, QChar c);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Kind m_kind;
};

// Installs the filter on a line edit, or on the line edit of an editable combo box.
void installNumberFilter(QWidget *box);
void installPasswordFilter(QWidget *box);
// Amounts that cannot be negative (rent due, discount, received).
void installAmountFilter(QWidget *box);
// Whole counts (occupants).
void installDigitFilter(QWidget *box);
