#include "tenants/tenantboxes.h"
#include "common/watchkeys.h"
#include "common/buddylabel.h"
#include "db/statement.h"
#include "tenants/hzspell.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

TenantBoxes::TenantBoxes(Residence residence, QWidget *parent) : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    m_name = addLine(QStringLiteral("姓名"), "Edit1", "fkxm");
    addList(QStringLiteral("民族"), "ComboBox1", "mz", ethnicGroups(), true);
    addList(QStringLiteral("证件"), "ComboBox2", "zjlx",
            {QStringLiteral("身份证"), QStringLiteral("军官证"), QStringLiteral("驾驶证"), QStringLiteral("学生证")}, true);
    addLine(QStringLiteral("证件号码"), "Edit2", "zjhm");
    addList(QStringLiteral("性别"), "ComboBox3", "xb", {QStringLiteral("男"), QStringLiteral("女")}, true);
    addLine(QStringLiteral("户籍"), "Edit3", "fkhj");
    addLine(QStringLiteral("电话号码"), "Edit4", "dhhm");
    addLine(QStringLiteral("手机号码"), "Edit5", "sjhm");
    addLine(QStringLiteral("现行职业"), "Edit6", "zy");
    addLine(QStringLiteral("工作单位"), "Edit7", "zzdw");
    addLine(QStringLiteral("备注信息"), "Edit8", "bzsm");
    if (residence == Residence::Shown)
        // Only the two words: the flag decides whether the tenant can be picked and deleted.
        m_residence = addList(QStringLiteral("是否入住"), "ComboBox4", "sfrz", {QStringLiteral("是"), QStringLiteral("否")},
                              false);
    clear();
}

const QStringList &TenantBoxes::ethnicGroups()
{
    static const QStringList groups = {
        "汉族", "蒙古族", "回族", "藏族", "维吾尔族", "苗族", "壮族", "布依族", "朝鲜族", "满族",
        "侗族", "瑶族", "白族", "土家族", "哈尼族", "傣族", "黎族", "高山族", "拉祜族", "水族",
        "东乡族", "纳西族", "景颇族", "柯尔克孜族", "布朗族", "撒拉族", "毛难族", "仡佬族", "锡伯族", "阿昌族",
        "普米族", "塔吉克族", "怒族", "俄罗斯族", "鄂温克族", "德昂族", "保安族", "裕固族", "京族", "塔塔尔族",
        "独龙族", "基诺族"};
    return groups;
}

QLineEdit *TenantBoxes::addLine(const QString &caption, const char *name, const QString &column)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(name);
    box->installEventFilter(this);
    m_boxes.append({column, box});
    place(caption, box);
    return box;
}

QComboBox *TenantBoxes::addList(const QString &caption, const char *name, const QString &column,
                                const QStringList &items, bool editable)
{
    auto *box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(editable);
    box->addItems(items);
    box->setMaxVisibleItems(15);
    // Enter moves on; it must not add the typed word to the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    watchKeys(box, this);
    m_boxes.append({column, box});
    place(caption, box);
    return box;
}

// Two caption-box pairs a row; the remarks take a whole row of their own at the foot.
void TenantBoxes::place(const QString &caption, QWidget *box)
{
    auto *grid = static_cast<QGridLayout *>(layout());
    auto *label = buddyLabel(caption, box, this);
    const bool remarks = box->objectName() == QLatin1String("Edit8");
    if (remarks) {
        const int row = 100;
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1, 1, 3);
        return;
    }
    const int row = m_placed / 2, column = (m_placed % 2) * 2;
    grid->addWidget(label, row, column);
    grid->addWidget(box, row, column + 1);
    ++m_placed;
}

void TenantBoxes::clear()
{
    for (const Box &b : m_boxes) {
        if (auto *e = qobject_cast<QLineEdit *>(b.widget)) {
            e->clear();
        } else if (auto *c = qobject_cast<QComboBox *>(b.widget)) {
            c->setCurrentIndex(-1);
            if (c->isEditable())
                c->clearEditText();
        }
    }
}

void TenantBoxes::fillFrom(const Statement &row)
{
    for (const Box &b : m_boxes) {
        const QString value = row.field(b.column).asString();
        if (auto *e = qobject_cast<QLineEdit *>(b.widget)) {
            e->setText(value);
        } else if (auto *c = qobject_cast<QComboBox *>(b.widget)) {
            if (c->isEditable())
                c->setEditText(value);
            else
                c->setCurrentIndex(c->findText(value));
        }
    }
}

void TenantBoxes::bindTo(Statement &statement) const
{
    for (const Box &b : m_boxes)
        statement.param(b.column) = textOf(b.widget);
    statement.param("pyzjh") = HzSpell::initials(m_name->text());
}

QString TenantBoxes::textOf(QWidget *box)
{
    if (auto *e = qobject_cast<QLineEdit *>(box))
        return e->text();
    return static_cast<QComboBox *>(box)->currentText();
}

bool TenantBoxes::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusAfter(watched);
            // Taken here, so the dialog does not read it as a press of a button.
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TenantBoxes::focusAfter(QObject *watched)
{
    for (int i = 0; i < m_boxes.size(); ++i) {
        QWidget *box = m_boxes[i].widget;
        if (watched != box && watched->parent() != box)
            continue;
        if (i + 1 < m_boxes.size())
            m_boxes[i + 1].widget->setFocus();
        return;
    }
}
