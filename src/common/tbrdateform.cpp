#include "common/tbrdateform.h"
#include "common/clock.h"
#include "common/namedbutton.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TBrDateForm::TBrDateForm(QWidget *parent) : QDialog(parent)
{
    setObjectName("BrDateForm");
    setWindowTitle(QStringLiteral("选择日期"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    auto *steps = new QHBoxLayout;
    auto addStep = [&](const QString &caption, const char *name, void (TBrDateForm::*slot)()) {
        auto *b = namedButton(this, caption, name);
        connect(b, &QPushButton::clicked, this, slot);
        steps->addWidget(b);
    };
    addStep(QStringLiteral("上月&S"), "prevMonthButton", &TBrDateForm::prevMonth);
    addStep(QStringLiteral("下月&X"), "nextMonthButton", &TBrDateForm::nextMonth);
    addStep(QStringLiteral("上年&P"), "prevYearButton", &TBrDateForm::prevYear);
    addStep(QStringLiteral("下年&N"), "nextYearButton", &TBrDateForm::nextYear);

    auto *labels = new QHBoxLayout;
    auto addLabel = [&](QLabel *&value, const char *name, const QString &unit) {
        value = new QLabel(this);
        value->setObjectName(name);
        labels->addWidget(value);
        labels->addWidget(new QLabel(unit, this));
    };
    addLabel(m_year, "yearLabel", QStringLiteral("年"));
    addLabel(m_month, "monthLabel", QStringLiteral("月"));
    addLabel(m_day, "dayLabel", QStringLiteral("日"));
    steps->addLayout(labels);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName("calendar");
    m_calendar->setGridVisible(true);
    m_calendar->setSelectedDate(today());
    // Keys reach the calendar's inner day view (its focus proxy) and its year editor, not the
    // calendar widget itself.
    m_calendar->installEventFilter(this);
    for (QWidget *part : m_calendar->findChildren<QWidget *>())
        part->installEventFilter(this);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &TBrDateForm::showDate);
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, &TBrDateForm::showDate);
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);

    m_ok = namedButton(this, QStringLiteral("确定&Y"), "okButton");
    m_close = namedButton(this, QStringLiteral("关闭&C "), "closeButton");
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a fixed dialog frame
    layout->addLayout(steps);
    layout->addWidget(m_calendar);
    layout->addLayout(buttons);
    showDate();
    m_calendar->setFocus();
}

QDate TBrDateForm::date() const
{
    return m_calendar->selectedDate();
}

void TBrDateForm::showDate()
{
    const QDate d = m_calendar->selectedDate();
    m_year->setText(QString::number(d.year()));
    m_month->setText(QString::number(d.month()));
    m_day->setText(QString::number(d.day()));
}

// Month and year steps keep the day; where the target month is shorter, its last day is taken.
void TBrDateForm::prevMonth() { m_calendar->setSelectedDate(date().addMonths(-1)); }
void TBrDateForm::nextMonth() { m_calendar->setSelectedDate(date().addMonths(1)); }
void TBrDateForm::prevYear() { m_calendar->setSelectedDate(date().addYears(-1)); }
void TBrDateForm::nextYear() { m_calendar->setSelectedDate(date().addYears(1)); }

// Enter anywhere moves the focus to OK; a second Enter presses it.
void TBrDateForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (focusWidget() == m_ok)
            m_ok->click();
        else
            m_ok->setFocus();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TBrDateForm::eventFilter(QObject *watched, QEvent *event)
{
    // The calendar would take Enter as "activated" (OK at once); here it only moves the focus.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_ok->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TBrDateForm::pickDate(QDate *date, QWidget *parent)
{
    TBrDateForm form(parent);
    if (form.exec() != QDialog::Accepted)
        return false;
    *date = form.date();
    return true;
}
