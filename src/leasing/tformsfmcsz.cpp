#include "leasing/tformsfmcsz.h"
#include "common/buddylabel.h"
#include "common/keyfilter.h"
#include "common/prompter.h"
#include "common/resultgrid.h"
#include "common/values.h"
#include "db/tdbhouse.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormsfmcsz::TFormsfmcsz(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("Formsfmcsz");
    setWindowTitle(QStringLiteral("收费项目名称设置"));

    m_name = new QLineEdit(this);
    m_name->setObjectName("sfmcBox");
    m_name->installEventFilter(this);
    auto *nameCaption = buddyLabel(QStringLiteral("收费项目名称"), m_name, this);

    m_price = new QLineEdit(this);
    m_price->setObjectName("djBox");
    installAmountFilter(m_price);
    auto *priceCaption = buddyLabel(QStringLiteral("单价"), m_price, this);

    auto *fields = new QGridLayout;
    fields->addWidget(nameCaption, 0, 0);
    fields->addWidget(m_name, 0, 1);
    fields->addWidget(priceCaption, 1, 0);
    fields->addWidget(m_price, 1, 1);

    auto *buttons = new QHBoxLayout;
    auto addButton = [&](const QString &text, const char *name, auto slot) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    addButton(QStringLiteral("保存"), "saveButton", &TFormsfmcsz::saveClick);
    addButton(QStringLiteral("删除"), "deleteButton", &TFormsfmcsz::deleteClick);
    addButton(QStringLiteral("返回"), "backButton", &QWidget::close);

    m_grid = new ResultGrid(this);
    m_grid->setObjectName("grid");
    m_grid->bind(dbhouse().qsfxm, {{"项目名称", "sfmc", 200}, {"单价", "dj", 90}});
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setFixedWidth(340);
    connect(m_grid, &ResultGrid::clicked, this, &TFormsfmcsz::gridCellClick);

    auto *notes = new QVBoxLayout;
    notes->addWidget(new QLabel(QStringLiteral("注：水费电费项目系统默认有了不用再在本窗体设置了"), this));
    notes->addWidget(new QLabel(QStringLiteral("系统默认物业管理费是按每平方面积来收费的！"), this));

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(buttons);
    left->addWidget(m_grid, 1);
    left->addLayout(notes);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addStretch(1);
}

bool TFormsfmcsz::isSystemItem(const QString &name)
{
    static const QStringList items = {QStringLiteral("物业管理费"), QStringLiteral("电费"), QStringLiteral("水费"),
                                      QStringLiteral("房租租金")};
    return items.contains(name);
}

void TFormsfmcsz::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TFormsfmcsz::closeEvent(QCloseEvent *event)
{
    dbhouse().qsfxm.close();
    QWidget::closeEvent(event);
}

bool TFormsfmcsz::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_name && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_price->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFormsfmcsz::FormShow()
{
    resetFields();
    loadItems();
}

void TFormsfmcsz::loadItems()
{
    auto &q = dbhouse().qsfxm;
    q.close();
    q.clear();
    q.add("select * from zf_sfxmb order by iid ");
    q.open();
}

void TFormsfmcsz::resetFields()
{
    m_name->clear();
    m_price->clear();
    m_name->setFocus();
}

// A name of blanks only is no name: it would be an item no one can tell from an empty line.
void TFormsfmcsz::saveClick()
{
    const QString name = m_name->text();
    if (name.trimmed().isEmpty()) {
        prompter().notice(QStringLiteral("收费项目名称不能为空！"));
        m_name->setFocus();
        return;
    }
    if (m_price->text().isEmpty()) {
        prompter().notice(QStringLiteral("单价不能为空！"));
        m_price->setFocus();
        return;
    }
    // Converted before anything is written: a price that is no number changes nothing.
    const double price = toFloat(m_price->text());
    auto &q = dbhouse().qins;
    q.close();
    q.clear();
    if (nameExists(name)) {
        // An existing item keeps its name and type; only its price changes.
        q.add("update zf_sfxmb set dj= :dj  where sfmc= :sfmc ");
    } else {
        q.add("insert into zf_sfxmb(sfmc,sflx,dj) values(:sfmc,:sflx,:dj )");
        q.param("sflx") = name;
    }
    q.param("sfmc") = name;
    q.param("dj") = price;
    q.execSQL();
    resetFields();
    loadItems();
}

bool TFormsfmcsz::nameExists(const QString &name)
{
    auto &q = dbhouse().qcx;
    q.close();
    q.clear();
    q.add("select count(*) as expr1001 from zf_sfxmb where sfmc= :sfmc ");
    q.param("sfmc") = name;
    q.open();
    const bool exists = q.field("expr1001").asInteger() != 0;
    q.close();
    return exists;
}

void TFormsfmcsz::deleteClick()
{
    auto &items = dbhouse().qsfxm;
    if (!items.isOpen() || items.isEmpty())
        return;
    const QString name = items.field("sfmc").asString();
    if (isSystemItem(name)) {
        prompter().notice(QStringLiteral("系统默认收费项目，不能删除！"));
        return;
    }
    if (!prompter().ask(QStringLiteral("您确定要删除此条记录吗？"), QStringLiteral("询问")))
        return;
    auto &q = dbhouse().qup;
    q.close();
    q.clear();
    q.add("delete from zf_sfxmb where sfmc= :sfmc ");
    q.param("sfmc") = name;
    q.execSQL();
    resetFields();
    loadItems();
}

void TFormsfmcsz::gridCellClick()
{
    const auto &items = dbhouse().qsfxm;
    if (!items.isOpen() || items.isEmpty())
        return;
    m_name->setText(items.field("sfmc").asString());
    m_price->setText(items.field("dj").asString());
}
