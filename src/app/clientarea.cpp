#include "app/clientarea.h"

#include "common/prompter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>
#include <QRandomGenerator>

namespace {
// One row of houses along the bottom edge: simple blocks with pitched roofs and lit windows.
void paintStreet(QPainter &p, const QSize &size)
{
    const int ground = size.height() - size.height() / 10;
    QRandomGenerator rng(20240305); // the same street at every size
    int x = -20;
    while (x < size.width()) {
        const int w = 90 + int(rng.bounded(90));
        const int h = size.height() / 6 + int(rng.bounded(size.height() / 5 + 1));
        const QRect body(x, ground - h, w, h);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(176, 196, 214, 150));
        p.drawRect(body);
        QPainterPath roof;
        roof.moveTo(x - 6, ground - h);
        roof.lineTo(x + w / 2, ground - h - w / 3);
        roof.lineTo(x + w + 6, ground - h);
        roof.closeSubpath();
        p.setBrush(QColor(150, 170, 192, 150));
        p.drawPath(roof);
        p.setBrush(QColor(255, 246, 214, 170));
        for (int wy = ground - h + 14; wy + 16 < ground - 6; wy += 28)
            for (int wx = x + 12; wx + 14 < x + w - 8; wx += 26)
                if (rng.bounded(3) != 0)
                    p.drawRect(wx, wy, 14, 16);
        x += w + 14 + int(rng.bounded(20));
    }
    p.setBrush(QColor(196, 210, 222));
    p.drawRect(0, ground, size.width(), size.height() - ground);
}
} // namespace

ClientArea::ClientArea(QWidget *parent) : QMdiArea(parent)
{
    setObjectName("clientArea");
}

QPixmap ClientArea::background()
{
    const QSize size = viewport()->size();
    if (m_cache.size() == size)
        return m_cache;
    m_cache = QPixmap(size);
    QPainter p(&m_cache);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(221, 234, 246));
    sky.setColorAt(1, QColor(248, 251, 253));
    p.fillRect(QRect(QPoint(0, 0), size), sky);
    paintStreet(p, size);
    QFont f = font();
    f.setPointSize(qMax(14, size.width() / 40));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(90, 120, 150, 120));
    p.drawText(QRect(0, size.height() / 6, size.width(), size.height() / 5), Qt::AlignCenter, applicationTitle());
    return m_cache;
}

void ClientArea::paintEvent(QPaintEvent *event)
{
    QPainter p(viewport());
    p.drawPixmap(event->rect(), background(), event->rect());
}

void ClientArea::resizeEvent(QResizeEvent *event)
{
    QMdiArea::resizeEvent(event);
    viewport()->update();
}
