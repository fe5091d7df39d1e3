// Drivers that act on windows as a person does: find by objectName or caption, type, click,
// press keys, and act on the next modal dialog without blocking the test.
#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace ui {

// The child of root with this objectName (or root itself); fails the test when absent.
template <class T = QWidget>
T *find(QWidget *root, const QString &name)
{
    if (root && root->objectName() == name)
        if (auto t = qobject_cast<T *>(root))
            return t;
    T *w = root ? root->findChild<T *>(name) : nullptr;
    EXPECT_NE(w, nullptr) << "no widget named " << name.toStdString();
    return w;
}

// The button whose caption, without '&' and surrounding blanks, is caption.
QAbstractButton *button(QWidget *root, const QString &caption);
void click(QWidget *root, const QString &captionOrName);

// Replaces a box's text as typing would (key by key, so key filters apply).
void type(QWidget *box, const QString &text);
// Sets a box's text directly (no key filter).
void setText(QWidget *box, const QString &text);
QString text(QWidget *box);
void key(QWidget *w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier);

// Runs action on the next modal dialog of class T once it is up, then returns; the caller
// then starts what opens the dialog. Fails the test when none appears within timeoutMs.
template <class T>
void onNextModal(std::function<void(T *)> action, int timeoutMs = 5000)
{
    auto *timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, action, timeoutMs] {
        auto *d = qobject_cast<T *>(QApplication::activeModalWidget());
        if (d) {
            timer->stop();
            timer->deleteLater();
            action(d);
            return;
        }
        if ((*waited += 10) > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal dialog of class " << T::staticMetaObject.className();
            if (QWidget *m = QApplication::activeModalWidget())
                m->close();
        }
    });
    timer->start();
}

} // namespace ui
