#include "rooms/roomdialog.h"
#include "rooms/captionlabel.h"
#include "rooms/roomvocabulary.h"

#include "common/namedbutton.h"
#include "common/prompter.h"
#include "common/values.h"
#include "db/statement.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

RoomDialog::RoomDialog(const QString &title, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(title);
    setModal(true);

    // Created in the order the focus moves through them.
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    ComboBox7 = wordBox("ComboBox7");
    ComboBox1 = wordBox("ComboBox1");
    Edit3 = numberBox("Edit3");
    ComboBox2 = wordBox("ComboBox2");
    ComboBox3 = wordBox("ComboBox3");
    ComboBox6 = wordBox("ComboBox6");
    Edit5 = numberBox("Edit5");
    Edit6 = numberBox("Edit6");
    Edit7 = numberBox("Edit7");
    ComboBox4 = new QComboBox(this);
    ComboBox4->setObjectName("ComboBox4");
    ComboBox4->addItems({QStringLiteral("是"), QStringLiteral("否")});
    ComboBox4->setCurrentIndex(-1);
    ComboBox5 = wordBox("ComboBox5");
    Edit8 = numberBox("Edit8");
    Edit9 = numberBox("Edit9");

    auto *form = new QGridLayout;
    buildForm(form);
    m_hints = new QVBoxLayout;
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    auto *main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addLayout(m_hints);
    main->addLayout(m_buttons);
}

QLineEdit *RoomDialog::numberBox(const char *name)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(name);
    return box;
}

QComboBox *RoomDialog::wordBox(const char *name)
{
    auto *box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(true);
    // The list grows only by saving a room, and what is typed is saved as typed.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMinimumWidth(160);
    return box;
}

void RoomDialog::buildForm(QGridLayout *form)
{
    auto row = [&](int r, int c, const QString &caption, QWidget *box) {
        QLabel *label = captionLabel(caption, box, this);
        form->addWidget(label, r, c);
        form->addWidget(box, r, c + 1);
        return label;
    };
    row(0, 0, QStringLiteral("房间编号"), Edit1);
    row(1, 0, QStringLiteral("房间名称"), ComboBox7);
    row(2, 0, QStringLiteral("房间类型"), ComboBox1);
    row(3, 0, QStringLiteral("房间面积"), Edit3);
    row(4, 0, QStringLiteral("装修状况"), ComboBox2);
    row(5, 0, QStringLiteral("房间设施"), ComboBox3);
    row(6, 0, QStringLiteral("房间用途"), ComboBox6);
    row(0, 2, QStringLiteral("租期到提前报警天数"), Edit5);
    form->addWidget(new QLabel(QStringLiteral("(填0房屋到期会报警提示)"), this), 1, 3);
    row(2, 2, QStringLiteral("日租价格"), Edit6);
    row(3, 2, QStringLiteral("月租价格"), Edit7);
    row(4, 2, QStringLiteral("是否按月出租"), ComboBox4);
    row(5, 2, QStringLiteral("房间备注"), ComboBox5);
    // The meter readings travel with a copied room but are not shown.
    for (QWidget *w : {static_cast<QWidget *>(row(6, 2, QStringLiteral("电表度数"), Edit8)),
                       static_cast<QWidget *>(Edit8),
                       static_cast<QWidget *>(row(7, 2, QStringLiteral("水表度数"), Edit9)),
                       static_cast<QWidget *>(Edit9)})
        w->setVisible(false);
}

QPushButton *RoomDialog::addButton(const QString &caption, const char *name)
{
    // Enter in a box must never press a button.
    auto *b = namedButton(this, caption, name);
    m_buttons->addWidget(b);
    return b;
}

void RoomDialog::addHint(const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setStyleSheet("color: #a00000;");
    m_hints->addWidget(label);
}

QList<QComboBox *> RoomDialog::vocabularyBoxes() const
{
    return {ComboBox1, ComboBox2, ComboBox3, ComboBox6, ComboBox5, ComboBox7};
}

QList<QLineEdit *> RoomDialog::numberBoxes() const
{
    return {Edit3, Edit5, Edit6, Edit7, Edit8, Edit9};
}

void RoomDialog::fillVocabularies()
{
    const QStringList &categories = RoomVocabulary::categories();
    const QList<QComboBox *> boxes = vocabularyBoxes();
    for (int i = 0; i < categories.size(); ++i)
        RoomVocabulary::fill(boxes[i], categories[i]);
}

void RoomDialog::learnVocabularies() const
{
    const QStringList &categories = RoomVocabulary::categories();
    const QList<QComboBox *> boxes = vocabularyBoxes();
    for (int i = 0; i < categories.size(); ++i)
        RoomVocabulary::learn(categories[i], boxes[i]->currentText());
}

void RoomDialog::copyRoom(const Statement &room)
{
    auto text = [&](const char *column) { return room.field(column).asString(); };
    Edit1->setText(text("fjbh"));
    ComboBox7->setEditText(text("fjmc"));
    ComboBox1->setEditText(text("fjlx"));
    Edit3->setText(text("fjmj"));
    ComboBox2->setEditText(text("fjzxqk"));
    ComboBox3->setEditText(text("fjsb"));
    ComboBox6->setEditText(text("fjyt"));
    Edit5->setText(text("bjts"));
    Edit6->setText(text("rzjg"));
    Edit7->setText(text("yzjg"));
    Edit8->setText(text("dbds"));
    Edit9->setText(text("sbds"));
    ComboBox4->setCurrentIndex(ComboBox4->findText(text("czlx")));
    ComboBox5->setEditText(text("bzsm"));
}

void RoomDialog::clearBoxes(bool keepLetting)
{
    for (QLineEdit *box : numberBoxes())
        box->clear();
    Edit1->clear();
    for (QComboBox *box : vocabularyBoxes()) {
        box->setCurrentIndex(-1);
        box->clearEditText();
    }
    if (!keepLetting)
        ComboBox4->setCurrentIndex(-1);
}

bool RoomDialog::checkBoxes()
{
    auto refuse = [](QWidget *box, const QString &message) {
        prompter().notice(message);
        box->setFocus();
        return false;
    };
    // Room number and name are saved trimmed, so a box of blanks counts as empty.
    if (Edit1->text().trimmed().isEmpty())
        return refuse(Edit1, QStringLiteral("房间编号不能为空！"));
    if (ComboBox7->currentText().trimmed().isEmpty())
        return refuse(ComboBox7, QStringLiteral("房间名称不能为空！"));
    if (ComboBox1->currentText().isEmpty())
        return refuse(ComboBox1, QStringLiteral("房间类型不能为空！"));
    if (ComboBox4->currentText().isEmpty())
        return refuse(ComboBox4, QStringLiteral("是否按月出租不能为空！"));
    for (QLineEdit *box : numberBoxes())
        if (box->text().isEmpty())
            box->setText(QStringLiteral("0"));
    Edit1->setText(Edit1->text().trimmed());
    ComboBox7->setEditText(ComboBox7->currentText().trimmed());
    return true;
}

void RoomDialog::bindRoom(Statement &q) const
{
    // Every conversion first, so a bad number stops the save before a parameter is set.
    const double fjmj = toFloat(Edit3->text());
    const int bjts = toInteger(Edit5->text());
    const double rzjg = toFloat(Edit6->text());
    const double yzjg = toFloat(Edit7->text());
    const double dbds = toFloat(Edit8->text());
    const double sbds = toFloat(Edit9->text());
    q.param("fjbh") = Edit1->text();
    q.param("fjmc") = ComboBox7->currentText();
    q.param("fjlx") = ComboBox1->currentText();
    q.param("fjmj") = fjmj;
    q.param("fjzxqk") = ComboBox2->currentText();
    q.param("fjsb") = ComboBox3->currentText();
    q.param("fjyt") = ComboBox6->currentText();
    q.param("bjts") = bjts;
    q.param("rzjg") = rzjg;
    q.param("yzjg") = yzjg;
    q.param("dbds") = dbds;
    q.param("sbds") = sbds;
    q.param("czlx") = ComboBox4->currentText();
    q.param("bzsm") = ComboBox5->currentText();
}
