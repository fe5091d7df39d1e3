#include "common/qtprompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QtPrompter qtPrompter;
Prompter *installed = nullptr;

QWidget *parentWindow()
{
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information: return QMessageBox::Information;
    case Prompter::Icon::Warning: return QMessageBox::Warning;
    case Prompter::Icon::Critical: return QMessageBox::Critical;
    case Prompter::Icon::Question: return QMessageBox::Question;
    case Prompter::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

Prompter &prompter()
{
    return installed ? *installed : qtPrompter;
}

void setPrompter(Prompter *p)
{
    installed = p;
}

QString applicationTitle()
{
    return QStringLiteral("禾川房屋出租管理系统");
}

void QtPrompter::notice(const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(boxIcon(icon), title.isEmpty() ? applicationTitle() : title, text, QMessageBox::Ok,
                    parentWindow());
    box.exec();
}

bool QtPrompter::ask(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parentWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtPrompter::saveFile(const QString &caption, const QString &dir, const QString &filter)
{
    // Our own question about an existing file comes afterwards, so Qt's is switched off.
    return QFileDialog::getSaveFileName(parentWindow(), caption, dir, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtPrompter::openFile(const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(parentWindow(), caption, dir, filter);
}

QString QtPrompter::chooseFolder(const QString &caption, const QString &dir)
{
    return QFileDialog::getExistingDirectory(parentWindow(), caption, dir);
}

bool QtPrompter::inputText(const QString &caption, const QString &label, QString *text)
{
    bool ok = false;
    const QString v = QInputDialog::getText(parentWindow(), caption, label, QLineEdit::Normal, *text, &ok);
    if (ok)
        *text = v;
    return ok;
}
