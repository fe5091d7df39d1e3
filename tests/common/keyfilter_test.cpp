// The number and password filters, typed key by key into a line edit.
#include "common/keyfilter.h"
#include "support/roomlettest.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

class KeyFilterTest : public RoomletTest
{
};

// Types key by key; QTest knows keys only for ASCII, so other characters come as key events
// carrying just their text, as an input method delivers them.
void typeKeys(QLineEdit *box, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClicks(box, QString(c));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

TEST_F(KeyFilterTest, FiltersKeepTheCharactersOfANumber)
{
    const struct {
        bool password;
        QString typed; // "\b" is Backspace
        QString expected;
    } cases[] = {
        {false, "1-2.3.4", "1-2.3.4"},       // the order of the characters is not checked
        {false, "1a2 b3", "123"},            // letters and blanks are swallowed
        {false, "12,5+e二", "125"},          // so are other signs and Chinese characters
        {false, "123\b\b4", "14"},           // Backspace works
        {true, "9-8.7x y", "9-8.7"},
        {true, "42\b3", "43"},
    };
    for (const auto &c : cases) {
        QLineEdit box;
        c.password ? installPasswordFilter(&box) : installNumberFilter(&box);
        typeKeys(&box, c.typed);
        EXPECT_EQ(box.text(), c.expected) << c.typed.toStdString() << (c.password ? " (password)" : "");
    }
}

TEST_F(KeyFilterTest, EnterAndEscapeAreNotSwallowed)
{
    for (bool password : {false, true}) {
        QDialog dialog;
        auto *box = new QLineEdit(&dialog);
        (new QVBoxLayout(&dialog))->addWidget(box);
        password ? installPasswordFilter(box) : installNumberFilter(box);
        dialog.show();
        box->setFocus();
        QSignalSpy enter(box, &QLineEdit::returnPressed);
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(enter.count(), 1) << password;
        if (password) {
            // Escape still closes a password dialog.
            QTest::keyClick(box, Qt::Key_Escape);
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(dialog.result(), QDialog::Rejected);
        }
    }
}

} // namespace

// An editable combo box holds the focus and hands keys to its line edit past that edit's own
// filters, so keys typed at the box itself must be filtered too.
TEST_F(KeyFilterTest, ComboBoxKeysAreFilteredWhereThePersonTypes)
{
    QComboBox box;
    box.setEditable(true);
    installNumberFilter(&box);
    QTest::keyClicks(&box, "1a2.5x");
    EXPECT_EQ(box.currentText(), "12.5");
}
