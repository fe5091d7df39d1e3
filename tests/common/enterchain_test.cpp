// Enter along a fixed order of boxes: each box hands the focus to the next, an editable combo
// box whether the key reaches the box or its line edit, and the last box keeps it; the key never
// reaches the dialog's default button.
#include "common/enterchain.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

TEST(EnterChainTest, EnterMovesToTheNextBoxAndStaysInTheLast)
{
    QDialog dialog;
    auto *first = new QLineEdit(&dialog);
    auto *choice = new QComboBox(&dialog);
    choice->setEditable(true);
    auto *last = new QLineEdit(&dialog);
    auto *ok = new QPushButton(QStringLiteral("确定"), &dialog);
    ok->setDefault(true);
    auto *layout = new QVBoxLayout(&dialog);
    for (QWidget *w : {static_cast<QWidget *>(first), static_cast<QWidget *>(choice), static_cast<QWidget *>(last),
                       static_cast<QWidget *>(ok)})
        layout->addWidget(w);
    new EnterChain({first, choice, last}, &dialog);
    QSignalSpy pressed(ok, &QPushButton::clicked);
    dialog.show();

    first->setFocus();
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_EQ(dialog.focusWidget(), choice);
    for (QWidget *target : {static_cast<QWidget *>(choice), static_cast<QWidget *>(choice->lineEdit())}) {
        choice->setFocus();
        QTest::keyClick(target, Qt::Key_Enter);
        EXPECT_EQ(dialog.focusWidget(), last);
    }
    QTest::keyClick(last, Qt::Key_Return);
    EXPECT_EQ(dialog.focusWidget(), last);
    EXPECT_EQ(pressed.count(), 0);
    EXPECT_TRUE(dialog.isVisible());
}
