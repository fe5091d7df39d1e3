#include "support/ui.h"

#include <QAbstractSpinBox>
#include <QPlainTextEdit>
#include <QTest>

namespace ui {

namespace {
QString plain(QString caption)
{
    return caption.remove('&').trimmed();
}
} // namespace

QAbstractButton *button(QWidget *root, const QString &caption)
{
    const QString want = plain(caption);
    for (QAbstractButton *b : root->findChildren<QAbstractButton *>())
        if (plain(b->text()) == want || b->objectName() == caption)
            return b;
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
}

void click(QWidget *root, const QString &captionOrName)
{
    if (QAbstractButton *b = button(root, captionOrName)) {
        EXPECT_TRUE(b->isEnabled()) << "button disabled: " << captionOrName.toStdString();
        b->click();
    }
}

void type(QWidget *box, const QString &text)
{
    ASSERT_NE(box, nullptr);
    setText(box, QString());
    // Keys go where a person's keys go: to the focused box itself (an editable combo box
    // passes them on to its line edit).
    box->setFocus();
    QTest::keyClicks(box, text);
}

void setText(QWidget *box, const QString &text)
{
    ASSERT_NE(box, nullptr);
    if (auto *e = qobject_cast<QLineEdit *>(box))
        e->setText(text);
    else if (auto *c = qobject_cast<QComboBox *>(box))
        c->setCurrentText(text);
    else if (auto *p = qobject_cast<QPlainTextEdit *>(box))
        p->setPlainText(text);
    else
        ADD_FAILURE() << "not a text box: " << box->objectName().toStdString();
}

QString text(QWidget *box)
{
    if (auto *e = qobject_cast<QLineEdit *>(box))
        return e->text();
    if (auto *c = qobject_cast<QComboBox *>(box))
        return c->currentText();
    if (auto *p = qobject_cast<QPlainTextEdit *>(box))
        return p->toPlainText();
    ADD_FAILURE() << "not a text box";
    return QString();
}

void key(QWidget *w, int k, Qt::KeyboardModifiers mods)
{
    QTest::keyClick(w, Qt::Key(k), mods);
}

} // namespace ui
