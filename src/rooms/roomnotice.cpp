#include "rooms/roomnotice.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

RoomNotice::RoomNotice(const QString &title, const QString &text, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_title(title),
      m_text(text),
      m_closeTimer(new QTimer(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName("roomNotice");
    setWindowTitle(title);
    setFixedSize(noticeWidth, noticeHeight);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("RoomNotice { background: #fffbe6; border: 1px solid #8a6d3b; }"
                                 "#noticeTitle { background: #8a6d3b; color: white; font-weight: bold; padding: 4px; }"
                                 "#noticeText { padding: 4px; }"));

    auto *titleLabel = new QLabel(title, this);
    titleLabel->setObjectName("noticeTitle");
    // The lines are stored with "\r\n"; a label breaks on "\n" alone.
    auto *textLabel = new QLabel(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
    textLabel->setObjectName("noticeText");
    textLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    textLabel->setWordWrap(true);
    textLabel->setAccessibleName(title);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(titleLabel);
    layout->addWidget(textLabel, 1);

    m_closeTimer->setSingleShot(true);
    m_closeTimer->setInterval(lifetimeMs);
    connect(m_closeTimer, &QTimer::timeout, this, &QWidget::close);
}

void RoomNotice::popUp()
{
    QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect free = screen->availableGeometry();
        move(free.right() - noticeWidth + 1, free.bottom() - noticeHeight + 1);
    }
    show();
    m_closeTimer->start();
}

// The labels leave mouse presses to the notice, so a click anywhere on it closes it.
void RoomNotice::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    close();
}
