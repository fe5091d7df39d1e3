#include "app/tformzxbz.h"

#include "common/programfolder.h"
#include "common/prompter.h"
#include "db/tdbhouse.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef ROOMLET_VERSION
#define ROOMLET_VERSION ""
#endif

namespace {
QString version()
{
    const QString v = QCoreApplication::applicationVersion();
    return v.isEmpty() ? QStringLiteral(ROOMLET_VERSION) : v;
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path).toHtmlEscaped();
}
} // namespace

TFormzxbz::TFormzxbz(QWidget *parent) : QWidget(parent)
{
    setObjectName("Formzxbz");
    setWindowTitle("在线帮助");
    setAttribute(Qt::WA_DeleteOnClose);

    auto *text = new QLabel(supportText());
    text->setObjectName("supportText");
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto *back = new QPushButton("返回");
    back->setObjectName("backButton");
    connect(back, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    auto *all = new QVBoxLayout(this);
    all->setContentsMargins(24, 20, 24, 16);
    all->addWidget(text, 1);
    all->addLayout(buttons);
}

QString TFormzxbz::supportText()
{
    const QString folder = programFolder();
    return QStringLiteral(
               "<h2>%1</h2>"
               "<p>版本：%2</p>"
               "<h3>如何获得帮助</h3>"
               "<p>按 F1 或选择菜单“帮助 → 帮助”，打开程序目录中的操作说明《禾川房屋出租操作说明.mht》。"
               "遇到问题时，请记下出现的提示文字和当时的操作步骤，再拨打主窗口标题栏上的服务电话。</p>"
               "<h3>数据存放位置</h3>"
               "<p>全部业务数据保存在一个数据库文件中：<br><b>%3</b></p>"
               "<h3>备份</h3>"
               "<p>“系统维护 → 数据备份恢复”默认把备份文件 qmvdemo.mdb 存放在：<br><b>%4</b><br>"
               "请定期把备份复制到另一台电脑或移动存储上。</p>")
        .arg(applicationTitle().toHtmlEscaped(), version().toHtmlEscaped(),
             shown(Tdbhouse::databasePath(folder)), shown(folder + "backup/"));
}
