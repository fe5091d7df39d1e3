// The date picker dialog and the date box with its ">>>" button.
#include "common/datebox.h"
#include "common/tbrdateform.h"
#include "support/roomlettest.h"
#include "support/ui.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

class DatePickerTest : public RoomletTest
{
protected:
    static QString labels(TBrDateForm *d)
    {
        return ui::find<QLabel>(d, "yearLabel")->text() + "/" + ui::find<QLabel>(d, "monthLabel")->text() + "/"
               + ui::find<QLabel>(d, "dayLabel")->text();
    }
    static QCalendarWidget *calendar(TBrDateForm *d) { return ui::find<QCalendarWidget>(d, "calendar"); }
    // The offscreen platform does not activate a new window by itself; keys go to the focus widget.
    static void activate(QWidget *w)
    {
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
    }
};

TEST_F(DatePickerTest, OpensOnTodayWithTheFocusOnTheCalendarAndOkReturnsTheDate)
{
    ui::onNextModal<TBrDateForm>([](TBrDateForm *d) {
        activate(d);
        EXPECT_EQ(d->windowTitle(), "选择日期");
        EXPECT_EQ(labels(d), "2024/3/5");
        EXPECT_EQ(d->date(), QDate(2024, 3, 5));
        QWidget *focus = QApplication::focusWidget();
        EXPECT_TRUE(focus == calendar(d) || calendar(d)->isAncestorOf(focus));
        ui::click(d, "下月&X");
        ui::click(d, "确定&Y");
    });
    QDate picked;
    EXPECT_TRUE(TBrDateForm::pickDate(&picked));
    EXPECT_EQ(picked, QDate(2024, 4, 5));
}

TEST_F(DatePickerTest, StepsMoveByMonthOrYearAndTheLabelsFollow)
{
    const struct {
        QDate from;
        QString button;
        QDate to;
    } cases[] = {
        {{2024, 1, 31}, "下月&X", {2024, 2, 29}}, // the target month is shorter: its last day
        {{2024, 3, 31}, "上月&S", {2024, 2, 29}},
        {{2024, 2, 29}, "上年&P", {2023, 2, 28}},
        {{2024, 2, 29}, "下年&N", {2025, 2, 28}},
        {{2024, 12, 15}, "下月&X", {2025, 1, 15}},
    };
    TBrDateForm form;
    for (const auto &c : cases) {
        calendar(&form)->setSelectedDate(c.from);
        ui::click(&form, c.button);
        EXPECT_EQ(form.date(), c.to) << c.button.toStdString() << " from " << c.from.toString().toStdString();
        EXPECT_EQ(labels(&form), c.to.toString("yyyy/M/d"));
    }
}

TEST_F(DatePickerTest, FirstEnterMovesToOkAndTheSecondAccepts)
{
    ui::onNextModal<TBrDateForm>([](TBrDateForm *d) {
        activate(d);
        ui::click(d, "上年&P");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(d->isVisible()) << "the first Enter closed the picker";
        EXPECT_EQ(QApplication::focusWidget(), ui::button(d, "确定&Y"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (d->isVisible()) {
            ADD_FAILURE() << "the second Enter did not accept";
            d->reject();
        }
    });
    QDate picked;
    EXPECT_TRUE(TBrDateForm::pickDate(&picked));
    EXPECT_EQ(picked, QDate(2023, 3, 5));
}

class DateBoxTest : public DatePickerTest
{
protected:
    void SetUp() override
    {
        DatePickerTest::SetUp();
        window = new QWidget;
        box = new DateBox("Edit1", window);
        next = new QLineEdit(window);
        auto *layout = new QHBoxLayout(window);
        layout->addWidget(box);
        layout->addWidget(next);
        box->setNextFocus(next);
        window->show();
        activate(window);
    }

    // Gives w the focus and lets the box decide about its button.
    static void focus(QWidget *w)
    {
        w->setFocus();
        QApplication::processEvents();
    }

    QWidget *window = nullptr; // deleted with the other top-level widgets by the fixture
    DateBox *box = nullptr;
    QLineEdit *next = nullptr;
};

TEST_F(DateBoxTest, PickerButtonShowsOnlyWhileTheBoxHasTheFocus)
{
    focus(next);
    EXPECT_FALSE(box->pickerButton()->isVisible());
    focus(box->lineEdit());
    EXPECT_TRUE(box->pickerButton()->isVisible());
    EXPECT_EQ(box->pickerButton()->text(), ">>>");
    focus(box->pickerButton());
    EXPECT_TRUE(box->pickerButton()->isVisible());
    focus(next);
    EXPECT_FALSE(box->pickerButton()->isVisible());
}

TEST_F(DateBoxTest, PickedDateIsWrittenAndTheFocusMovesOn)
{
    box->setText("2024-01-01");
    focus(box->lineEdit());
    ui::onNextModal<TBrDateForm>([](TBrDateForm *d) {
        ui::click(d, "下年&N");
        ui::click(d, "确定&Y");
    });
    box->pickerButton()->click();
    EXPECT_EQ(box->text(), "2025-03-05");
    EXPECT_EQ(window->focusWidget(), next);
}

TEST_F(DateBoxTest, ClosingWithoutADateLeavesTheBoxAsItWas)
{
    const std::function<void(TBrDateForm *)> ways[] = {
        [](TBrDateForm *d) { ui::click(d, "关闭&C "); },
        [](TBrDateForm *d) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); },
    };
    for (const auto &close : ways) {
        box->setText("2024-01-01");
        focus(box->lineEdit());
        ui::onNextModal<TBrDateForm>([close](TBrDateForm *d) {
            activate(d);
            ui::click(d, "下月&X");
            close(d);
            if (d->isVisible()) {
                ADD_FAILURE() << "the picker stayed open";
                d->accept();
            }
        });
        box->pick();
        EXPECT_EQ(box->text(), "2024-01-01");
    }
}

} // namespace
