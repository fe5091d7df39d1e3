#include "common/keyfilter.h"
#include "common/watchkeys.h"

#include <QWidget>

#include <QKeyEvent>

bool KeyFilter::accepts(Kind kind, QChar c)
{
    if (c.isDigit() && c.unicode() < 128)
        return true;
    if (c == QChar(8))
        return true;
    if (kind == Kind::Digits)
        return false;
    if (kind == Kind::Amount)
        return c == '.';
    if (c == '-' || c == '.' || c == QChar(8))
        return true;
    return kind == Kind::Password && c == QChar(27);
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        // Shortcuts with Ctrl (copy, paste, undo) are not typed characters.
        if (!text.isEmpty() && text[0].isPrint() && !(key->modifiers() & Qt::ControlModifier)) {
            for (QChar c : text)
                if (!accepts(m_kind, c))
                    return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

namespace {
void install(QWidget *box, KeyFilter::Kind kind)
{
    watchKeys(box, new KeyFilter(kind, box));
}
} // namespace

void installNumberFilter(QWidget *box)
{
    install(box, KeyFilter::Kind::Number);
}

void installPasswordFilter(QWidget *box)
{
    install(box, KeyFilter::Kind::Password);
}

void installAmountFilter(QWidget *box)
{
    install(box, KeyFilter::Kind::Amount);
}

void installDigitFilter(QWidget *box)
{
    install(box, KeyFilter::Kind::Digits);
}
