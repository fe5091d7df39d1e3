#include "common/datebox.h"
#include "common/tbrdateform.h"
#include "common/values.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

DateBox::DateBox(const QString &editName, QWidget *parent) : QWidget(parent)
{
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(editName);
    m_button = new QToolButton(this);
    m_button->setObjectName(editName + "Button");
    m_button->setText(">>>");
    m_button->setFocusPolicy(Qt::StrongFocus);
    m_button->setVisible(false);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_button);
    setFocusProxy(m_edit);
    m_edit->installEventFilter(this);
    m_button->installEventFilter(this);
    connect(m_button, &QToolButton::clicked, this, &DateBox::pick);
}

QString DateBox::text() const
{
    return m_edit->text();
}

void DateBox::setText(const QString &text)
{
    m_edit->setText(text);
}

void DateBox::pick()
{
    QDate d;
    if (!TBrDateForm::pickDate(&d, window()))
        return;
    m_edit->setText(dateText(d));
    if (m_next)
        m_next->setFocus();
    emit datePicked();
}

bool DateBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        updateButton();
    return QWidget::eventFilter(watched, event);
}

void DateBox::updateButton()
{
    // Decided after the focus change has settled, so moving from the box to its own button
    // keeps the button.
    QMetaObject::invokeMethod(this, [this] {
        QWidget *f = QApplication::focusWidget();
        m_button->setVisible(f == m_edit || f == m_button);
    }, Qt::QueuedConnection);
}
