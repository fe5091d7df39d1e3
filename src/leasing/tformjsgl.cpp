#include "leasing/tformjsgl.h"
#include "common/buddylabel.h"
#include "common/keyfilter.h"
#include "common/namedbutton.h"
#include "common/processflags.h"
#include "common/prompter.h"
#include "common/values.h"
#include "leasing/chargearithmetic.h"
#include "leasing/settlement.h"
#include "leasing/settlementreceipt.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLineEdit *box(QWidget *parent, const char *name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}
} // namespace

TFormjsgl::TFormjsgl(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Formjsgl"));
    setWindowTitle(QStringLiteral("收费结算"));

    m_due = box(this, "ysjeBox");
    m_due->setReadOnly(true);
    m_discount = box(this, "zkjeBox");
    m_received = box(this, "ssjeBox");
    m_cash = box(this, "sxBox");
    m_change = box(this, "zlBox");
    m_change->setReadOnly(true);
    m_note = box(this, "bzBox");
    m_fjbh = box(this, "fjbhBox");
    m_zdlsh = box(this, "zdlshBox");
    m_sgdh = box(this, "sgdhBox");
    for (QLineEdit *hidden : {m_fjbh, m_zdlsh, m_sgdh})
        hidden->hide();
    for (QLineEdit *number : {m_due, m_discount, m_received, m_cash})
        installNumberFilter(number);

    auto *form = new QFormLayout;
    const std::pair<const char *, QLineEdit *> rows[] = {
        {"应收金额", m_due}, {"折扣金额", m_discount}, {"实收金额", m_received},
        {"收现", m_cash},    {"找零", m_change},      {"备注", m_note}};
    for (const auto &[caption, edit] : rows) {
        form->addRow(buddyLabel(QString::fromUtf8(caption), edit, this), edit);
    }

    auto *print = namedButton(this, QStringLiteral("打印单据"), QStringLiteral("printButton"));
    auto *ok = namedButton(this, QStringLiteral("确定"), QStringLiteral("okButton"));
    auto *cancel = namedButton(this, QStringLiteral("取消"), QStringLiteral("cancelButton"));
    connect(print, &QPushButton::clicked, this, &TFormjsgl::printClick);
    connect(ok, &QPushButton::clicked, this, &TFormjsgl::okClick);
    connect(cancel, &QPushButton::clicked, this, &TFormjsgl::cancelClick);
    connect(m_discount, &QLineEdit::textChanged, this, &TFormjsgl::discountChanged);
    connect(m_cash, &QLineEdit::textChanged, this, &TFormjsgl::cashChanged);
    // The change follows the received amount too, whichever box was typed in first.
    connect(m_received, &QLineEdit::textChanged, this, &TFormjsgl::cashChanged);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_fjbh);
    layout->addWidget(m_zdlsh);
    layout->addWidget(m_sgdh);
    layout->addLayout(buttons);
}

void TFormjsgl::setUp(const QString &fjbh, double total, const QString &serial, const QString &sgdh)
{
    m_due->setText(formatNumber(total));
    m_discount->setText(QStringLiteral("0"));
    m_received->setText(formatNumber(total));
    m_fjbh->setText(fjbh);
    m_zdlsh->setText(serial);
    m_sgdh->setText(sgdh);
}

void TFormjsgl::discountChanged()
{
    if (const auto received = differenceText(m_due->text(), m_discount->text()))
        m_received->setText(*received);
}

void TFormjsgl::cashChanged()
{
    if (const auto change = differenceText(m_cash->text(), m_received->text()))
        m_change->setText(*change);
}

bool TFormjsgl::amountsPresent(bool focusOnFault)
{
    if (m_due->text().isEmpty()) {
        prompter().notice(QStringLiteral("应收金额不能为空！"));
        if (focusOnFault)
            m_due->setFocus();
        return false;
    }
    if (focusOnFault && m_discount->text().isEmpty())
        m_discount->setText(QStringLiteral("0"));
    if (m_received->text().isEmpty()) {
        prompter().notice(QStringLiteral("实收金额不能为空！"));
        if (focusOnFault)
            m_received->setFocus();
        return false;
    }
    return true;
}

void TFormjsgl::printClick()
{
    if (!amountsPresent(false))
        return;
    const ReceiptTexts texts{m_due->text(), m_discount->text(), m_received->text(), m_note->text()};
    receiptLayout(readReceiptContent(m_fjbh->text(), texts))->preview(this);
}

// Every value is converted and the receipt read before anything is written; the settlement then
// commits as one step, and only after that the receipt is printed, so cancelling or failing the
// print cannot leave the charges half settled.
void TFormjsgl::okClick()
{
    if (!amountsPresent(true))
        return;
    const SettlementAmounts amounts{toFloat(m_due->text()), toFloat(m_discount->text()), toFloat(m_received->text())};
    const ReceiptTexts texts{m_due->text(), m_discount->text(), m_received->text(), m_note->text()};
    const ReceiptContent receipt = readReceiptContent(m_fjbh->text(), texts);
    if (!Settlement(m_fjbh->text()).settle(amounts)) {
        prompter().notice(QStringLiteral("没有收费记录要结算！"));
        reject();
        return;
    }
    processFlags().settled = true;
    if (prompter().ask(QStringLiteral("您确定要打印单据吗？"), QStringLiteral("询问")))
        receiptLayout(receipt)->print(this);
    accept();
}

void TFormjsgl::cancelClick()
{
    processFlags().settled = false;
    reject();
}
