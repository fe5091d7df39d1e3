#include "leasing/leaseform.h"
#include "common/buddylabel.h"
#include "common/clock.h"
#include "common/datebox.h"
#include "common/loggedinoperator.h"
#include "common/namedbutton.h"
#include "common/prompter.h"
#include "common/serialnumber.h"
#include "common/values.h"
#include "db/dberror.h"
#include "db/tdbhouse.h"
#include "leasing/leaseroom.h"
#include "leasing/metercarryover.h"
#include "leasing/rent.h"
#include "leasing/tformfjsf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
QLineEdit *lineEdit(QWidget *parent, const QString &name, bool readOnly = false)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(readOnly);
    e->setMinimumWidth(150);
    return e;
}

QLineEdit *hiddenEdit(QWidget *parent, const QString &name, const QString &accessible)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setAccessibleName(accessible);
    e->setVisible(false);
    return e;
}

void keepRoomWhenHidden(QWidget *w)
{
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

LeaseUnit unitOf(const QRadioButton *month)
{
    return month->isChecked() ? LeaseUnit::Months : LeaseUnit::Days;
}
} // namespace

LeaseForm::LeaseForm(LeaseWindow window, const QString &title, QWidget *parent) : QDialog(parent), m_window(window)
{
    setWindowTitle(title);
    setModal(true);
    // Boxes the operator cannot type into look it.
    setStyleSheet(QStringLiteral("QLineEdit[readOnly=\"true\"] { background: #eeeeee; }"));
    buildForm();
    buildButtons();
}

void LeaseForm::buildForm()
{
    auto *outer = new QVBoxLayout(this);
    m_grid = new QGridLayout;
    m_grid->setHorizontalSpacing(10);
    m_grid->setVerticalSpacing(6);
    outer->addLayout(m_grid);

    Edit1 = lineEdit(this, "Edit1", true);
    Edit2 = lineEdit(this, "Edit2", true);
    Edit18 = lineEdit(this, "Edit18", true);
    editsgdh = lineEdit(this, "editsgdh");
    Edit3 = lineEdit(this, "Edit3");
    Edit16 = lineEdit(this, "Edit16");
    Edit6 = new DateBox("Edit6", this);
    Edit7 = new DateBox("Edit7", this);
    Edit7->lineEdit()->setAccessibleName(QStringLiteral("合同到期"));
    Edit14 = lineEdit(this, "Edit14", true);
    editysje = lineEdit(this, "editysje");
    editzkje = lineEdit(this, "editzkje");
    editssje = lineEdit(this, "editssje");
    Edit8 = lineEdit(this, "Edit8");
    Edit9 = lineEdit(this, "Edit9");
    Edit10 = lineEdit(this, "Edit10");
    Edit15 = hiddenEdit(this, "Edit15", QStringLiteral("房间类型"));
    editfkiid = hiddenEdit(this, "editfkiid", QStringLiteral("房客编号"));
    editzdlsh = hiddenEdit(this, "editzdlsh", QStringLiteral("自动流水号"));

    rb1 = new QRadioButton(QStringLiteral("按月"), this);
    rb1->setObjectName("rb1");
    rb2 = new QRadioButton(QStringLiteral("按天"), this);
    rb2->setObjectName("rb2");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setAccessibleName(QStringLiteral("月份数量"));
    ComboBox1->setMinimumWidth(70);
    unitLabel = new QLabel(QStringLiteral("月"), this);
    unitLabel->setObjectName("unitLabel");
    cb1 = new QCheckBox(QStringLiteral("按月租"), this);
    cb1->setObjectName("cb1");

    addLabel(QStringLiteral("房间编号"), Edit1, 0, 0);
    addLabel(QStringLiteral("房间名称"), Edit2, 0, 2);
    addLabel(QStringLiteral("租价"), Edit18, 1, 0);
    addLabel(QStringLiteral("手工单号"), editsgdh, 1, 2);
    addLabel(QStringLiteral("房客姓名"), Edit3, 2, 0);
    addLabel(QStringLiteral("房客人数"), Edit16, 2, 2);
    addLabel(QStringLiteral("合同起始"), Edit6->lineEdit(), 3, 0, Edit6);
    auto *term = new QHBoxLayout;
    term->addWidget(rb1);
    term->addWidget(rb2);
    term->addWidget(ComboBox1);
    term->addWidget(unitLabel);
    term->addSpacing(6);
    term->addWidget(Edit7, 1);
    m_grid->addLayout(term, 3, 2, 1, 2);
    addLabel(QStringLiteral("租期天数"), Edit14, 4, 0);
    m_grid->addWidget(cb1, 4, 3);
    addLabel(QStringLiteral("应收租金"), editysje, 5, 0);
    addLabel(QStringLiteral("折扣金额"), editzkje, 5, 2);
    receivedLabel = addLabel(QStringLiteral("实收金额"), editssje, 6, 0);
    electricityLabel = addLabel(QStringLiteral("开租时电表度数"), Edit8, 7, 0);
    waterLabel = addLabel(QStringLiteral("开租时水表度数"), Edit9, 7, 2);
    addLabel(QStringLiteral("单据备注"), Edit10, 8, 0, nullptr, 3);

    // The ">>>" buttons come and go with the focus; the form keeps their room so it does not jump.
    for (DateBox *date : {Edit6, Edit7})
        keepRoomWhenHidden(date->pickerButton());
    Edit6->setNextFocus(ComboBox1);
    Edit7->setNextFocus(editysje);
    Edit6->lineEdit()->installEventFilter(this);
    Edit7->lineEdit()->installEventFilter(this);
    connect(Edit6, &DateBox::datePicked, this, [this] { datePicked(); });
    connect(Edit7, &DateBox::datePicked, this, [this] { datePicked(); });
    // Only the operator's clicks switch the mode; the caller sets the radios without it.
    connect(rb1, &QRadioButton::clicked, this, &LeaseForm::rb1Click);
    connect(rb2, &QRadioButton::clicked, this, &LeaseForm::rb2Click);
    // The count changes when the operator types or chooses it, not when the form fills the list.
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, &LeaseForm::ComboBox1Change);
    connect(ComboBox1, &QComboBox::textActivated, this, &LeaseForm::ComboBox1Change);
    connect(Edit14, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (!t.isEmpty())
            leaseDaysChanged();
    });
    connect(editysje, &QLineEdit::textChanged, this, [this] { rentDueChanged(); });
    connect(editzkje, &QLineEdit::textChanged, this, [this] { discountChanged(); });
}

void LeaseForm::buildButtons()
{
    computeButton = namedButton(this, QStringLiteral("计算租金"), "computeButton");
    saveButton = namedButton(this, QStringLiteral("保存"), "saveButton");
    backButton = namedButton(this, QStringLiteral("返回"), "backButton");
    connect(computeButton, &QPushButton::clicked, this, &LeaseForm::computeRent);
    connect(saveButton, &QPushButton::clicked, this, &LeaseForm::save);
    connect(backButton, &QPushButton::clicked, this, &LeaseForm::back);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(computeButton);
    row->addWidget(saveButton);
    row->addWidget(backButton);
    static_cast<QVBoxLayout *>(layout())->addSpacing(8);
    static_cast<QVBoxLayout *>(layout())->addLayout(row);
}

QLabel *LeaseForm::addLabel(const QString &caption, QWidget *buddy, int row, int column, QWidget *placed, int span)
{
    auto *label = buddyLabel(caption, buddy, this);
    m_grid->addWidget(label, row, column);
    m_grid->addWidget(placed ? placed : buddy, row, column + 1, 1, span);
    return label;
}

int LeaseForm::nextRow() const
{
    return m_grid->rowCount();
}

// ---- What the caller fills in ----

void LeaseForm::setRoom(const QString &fjbh, const QString &fjmc, const QString &fjlx)
{
    Edit1->setText(fjbh);
    Edit2->setText(fjmc);
    Edit15->setText(fjlx);
}

void LeaseForm::setLetByMonth(bool byMonth)
{
    cb1->setChecked(byMonth);
    // Clearing a radio of a group needs the group's exclusivity lifted for a moment.
    rb1->setAutoExclusive(false);
    rb2->setAutoExclusive(false);
    rb1->setChecked(byMonth);
    rb2->setChecked(false);
    rb1->setAutoExclusive(true);
    rb2->setAutoExclusive(true);
}

void LeaseForm::setPrice(double price)
{
    Edit18->setText(formatNumber(price));
}

void LeaseForm::setTenant(const QString &fkxm, int fkiid)
{
    Edit3->setText(fkxm);
    editfkiid->setText(QString::number(fkiid));
}

void LeaseForm::setOccupants(int rs)
{
    Edit16->setText(QString::number(rs));
}

void LeaseForm::setStartDate(const QDate &date)
{
    Edit6->setText(dateText(date));
}

void LeaseForm::setEndDate(const QDate &date)
{
    Edit7->setText(dateText(date));
}

void LeaseForm::setCount(int count)
{
    ComboBox1->setCurrentText(QString::number(count));
}

void LeaseForm::setLeaseDays(int days)
{
    Edit14->setText(QString::number(days));
}

void LeaseForm::setNote(const QString &note)
{
    Edit10->setText(note);
}

LeaseFormTexts LeaseForm::texts() const
{
    LeaseFormTexts f;
    f.roomNumber = Edit1->text();
    f.tenantName = Edit3->text();
    f.tenantId = editfkiid->text();
    f.occupants = Edit16->text();
    f.startDate = Edit6->text();
    f.count = ComboBox1->currentText();
    f.endDate = Edit7->text();
    f.price = Edit18->text();
    f.leaseDays = Edit14->text();
    f.rentDue = editysje->text();
    f.discount = editzkje->text();
    f.received = editssje->text();
    f.electricity = Edit8->text();
    f.water = Edit9->text();
    f.monthlyRent = cb1->isChecked();
    f.monthTerm = rb1->isChecked();
    return f;
}

QString LeaseForm::serialNumber() const
{
    return editzdlsh->text();
}

void LeaseForm::setIfDifferent(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}

// The defaults the checks filled in are shown in their boxes.
// No arithmetic runs on them: the amounts stay the ones the checks took.
void LeaseForm::writeBack(const LeaseFormTexts &f)
{
    for (auto [box, text] : {std::pair{Edit16, f.occupants}, std::pair{Edit18, f.price},
                             std::pair{Edit14, f.leaseDays}, std::pair{editzkje, f.discount}}) {
        const QSignalBlocker quiet(box);
        setIfDifferent(box, text);
    }
}

// ---- Arithmetic ----

void LeaseForm::rb1Click()
{
    modeClicked(LeaseUnit::Months);
}

void LeaseForm::rb2Click()
{
    modeClicked(LeaseUnit::Days);
}

void LeaseForm::modeClicked(LeaseUnit unit)
{
    unitLabel->setText(leaseUnitLabel(unit));
    ComboBox1->clear();
    ComboBox1->addItems(leaseCountItems(unit));
    ComboBox1->setCurrentText(defaultLeaseCount(unit));
    cb1->setChecked(unit == LeaseUnit::Months);
    if (Edit6->text().isEmpty())
        Edit6->setText(dateText(today()));
    if (auto term = leaseTermFromCount(Edit6->text(), ComboBox1->currentText(), unit); term && term->ok()) {
        Edit7->setText(term->endDate);
        Edit14->setText(term->leaseDays);
    }
    const LeaseRoom room = readLeaseRoom(Edit1->text());
    setPrice(unit == LeaseUnit::Months ? room.monthlyPrice : room.dailyPrice);
}

bool LeaseForm::followCount()
{
    const auto term = leaseTermFromCount(Edit6->text(), ComboBox1->currentText(), unitOf(rb1));
    if (!term)
        return false;
    if (!term->ok()) {
        prompter().notice(term->message);
        return false;
    }
    Edit7->setText(term->endDate);
    Edit14->setText(term->leaseDays);
    return true;
}

void LeaseForm::ComboBox1Change()
{
    if (followCount() && countChangePricesRent())
        computeRent();
}

void LeaseForm::followDates()
{
    if (auto days = leaseDaysText(Edit6->text(), Edit7->text()))
        Edit14->setText(*days);
}

void LeaseForm::Edit6Exit()
{
    followDates();
}

void LeaseForm::Edit7Exit()
{
    followDates();
}

void LeaseForm::datePicked()
{
    followDates();
}

void LeaseForm::computeRent()
{
    LeaseFormTexts f = texts();
    computeRentDue(f, readLeaseRoom(Edit1->text()));
    setIfDifferent(Edit14, f.leaseDays);
    editysje->setText(f.rentDue);
}

void LeaseForm::followReceived()
{
    if (auto received = receivedText(editysje->text(), editzkje->text()))
        editssje->setText(*received);
}

void LeaseForm::rentDueChanged()
{
    followReceived();
}

void LeaseForm::discountChanged()
{
    followReceived();
}

// ---- Opening ----

void LeaseForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void LeaseForm::resetCountToOneMonth()
{
    unitLabel->setText(leaseUnitLabel(LeaseUnit::Months));
    ComboBox1->clear();
    ComboBox1->addItems(leaseCountItems(LeaseUnit::Months));
    ComboBox1->setCurrentText(defaultLeaseCount(LeaseUnit::Months));
}

void LeaseForm::makeSerialNumber()
{
    editzdlsh->setText(nextSerialXZ());
}

// The term shown on opening is counted in months whatever the mode: the list holds months then.
void LeaseForm::showOneTermFrom(const QDate &start)
{
    if (!isLeaseCount(ComboBox1->currentText()))
        ComboBox1->setCurrentText(QStringLiteral("1"));
    const QDate end = monthTermEnd(start, toInteger(ComboBox1->currentText()));
    Edit7->setText(dateText(end));
    Edit14->setText(QString::number(leaseDays(start, end)));
}

void LeaseForm::carryOverMeterReadings()
{
    Edit8->setText(leaseStartReading(Edit1->text(), Meter::Electricity));
    Edit9->setText(leaseStartReading(Edit1->text(), Meter::Water));
}

// ---- Saving ----

void LeaseForm::setFocusTo(LeaseBox box)
{
    QWidget *w = nullptr;
    switch (box) {
    case LeaseBox::TenantName: w = Edit3; break;
    case LeaseBox::Count: w = ComboBox1; break;
    case LeaseBox::StartDate: w = Edit6->lineEdit(); break;
    case LeaseBox::EndDate: w = Edit7->lineEdit(); break;
    case LeaseBox::Electricity: w = Edit8; break;
    case LeaseBox::Water: w = Edit9; break;
    case LeaseBox::RentDue: w = editysje; break;
    case LeaseBox::Received: w = editssje; break;
    case LeaseBox::None: break;
    }
    if (w)
        w->setFocus();
}

void LeaseForm::save()
{
    LeaseFormTexts f = texts();
    LeaseCheck check;
    try {
        check = checkLeaseForm(f, m_window);
    } catch (const ConversionError &) {
        writeBack(f);
        throw;
    }
    writeBack(f);
    if (!check.passed()) {
        prompter().notice(check.message);
        if (check.closeWindow)
            close();
        else
            setFocusTo(check.focus);
        return;
    }
    convertOwnValues();
    // Every statement of the step or none: a failure half-way leaves nothing written.
    {
        Transaction t(dbhouse().adoacccon);
        writeLease(check.values);
        t.commit();
    }
    afterSave(check.values);
}

void LeaseForm::back()
{
    close();
}

void LeaseForm::insertChargeLine(const LeaseValues &values, const ChargeLine &line)
{
    auto &q = dbhouse().qins;
    q.close();
    q.clear();
    if (line.checkOut) {
        q.add("insert into zf_fjsfmxlsb(zdlsh,sgdh,fjbh,Fjmc,Fjlx,Sflx,Fymc,scdbsl,Bcdbsl,scsbsl,Bcsbsl,dj,ySfje,Zkje,Ssje,czy,jzrq,sl,fkxm,fkiid,tzbz)");
        q.add(" values(:zdlsh,:sgdh,:fjbh,:fjmc,:fjlx,:Sflx,:fymc,:scdbsl,:bcdbsl,:scsbsl,:bcsbsl,:dj,:ysfje,:zkje,:ssje,:czy,:jzrq,:sl,:fkxm,:fkiid,:tzbz )");
        q.param("tzbz") = QStringLiteral("1");
    } else {
        q.add("insert into zf_fjsfmxlsb(zdlsh,sgdh,fjbh,Fjmc,Fjlx,Sflx,Fymc,scdbsl,Bcdbsl,scsbsl,Bcsbsl,dj,ySfje,Zkje,Ssje,czy,jzrq,sl,fkxm,fkiid )");
        q.add(" values(:zdlsh,:sgdh,:fjbh,:fjmc,:fjlx,:Sflx,:fymc,:scdbsl,:bcdbsl,:scsbsl,:bcsbsl,:dj,:ysfje,:zkje,:ssje,:czy,:jzrq,:sl,:fkxm,:fkiid )");
    }
    q.param("zdlsh") = editzdlsh->text();
    q.param("sgdh") = editsgdh->text();
    q.param("fjbh") = Edit1->text();
    q.param("fjmc") = Edit2->text();
    q.param("fjlx") = Edit15->text();
    q.param("Sflx") = line.feeName;
    q.param("fymc") = line.feeName;
    q.param("scdbsl") = 0.0;
    q.param("bcdbsl") = 0.0;
    q.param("scsbsl") = 0.0;
    q.param("bcsbsl") = 0.0;
    q.param("dj") = line.unitPrice;
    q.param("ysfje") = line.due;
    q.param("zkje") = line.discount;
    q.param("ssje") = line.received;
    q.param("czy") = loggedInOperator().code;
    q.param("jzrq") = today();
    q.param("sl") = line.quantity;
    q.param("fkxm") = Edit3->text();
    q.param("fkiid") = values.tenantId;
    q.execSQL();
}

void LeaseForm::writeLetting(const LeaseValues &values)
{
    const LeaseRoom room = readLeaseRoom(Edit1->text());
    auto &up = dbhouse().qup;
    up.close();
    up.clear();
    up.add("update zf_fjb set fkxm= :fkxm,ksrq= :ksrq,dqrq= :dqrq,yjrq= :yjrq,dbds= :dbds,sbds= :sbds,bzsm= :bzsm,yfsl= :yfsl,zqts= :zqts,fjzt= :fjzt,rs= :rs,fkiid= :fkiid ");
    up.add(" where fjbh= :fjbh ");
    up.param("fkxm") = Edit3->text();
    up.param("ksrq") = values.startDate;
    up.param("dqrq") = values.endDate;
    up.param("yjrq") = warningDate(values.endDate, room.alarmDays);
    up.param("dbds") = values.electricity;
    up.param("sbds") = values.water;
    up.param("bzsm") = Edit10->text();
    up.param("yfsl") = values.count;
    up.param("zqts") = values.leaseDays;
    up.param("fjzt") = QStringLiteral("已租");
    up.param("rs") = values.occupants;
    up.param("fkiid") = values.tenantId;
    up.param("fjbh") = Edit1->text();
    up.execSQL();

    ChargeLine rent;
    rent.feeName = QStringLiteral("房租租金");
    // The unit price comes from the room row, not from the price box.
    rent.unitPrice = cb1->isChecked() ? room.monthlyPrice : room.dailyPrice;
    rent.quantity = cb1->isChecked() ? values.count : values.leaseDays;
    rent.due = values.rentDue;
    rent.discount = values.discount;
    rent.received = values.received;
    insertChargeLine(values, rent);

    auto &ins = dbhouse().qins;
    ins.close();
    ins.clear();
    ins.add("insert into zf_fjczbakb(fjbh,Fjmc,Fjlx,Ksrq,dqrq,dbds,sbds,fkxm,fkiid,rs )");
    ins.add(" values(:fjbh,:fjmc,:fjlx,:ksrq,:dqrq,:dbds,:sbds,:fkxm,:fkiid,:rs )");
    ins.param("fjbh") = Edit1->text();
    ins.param("fjmc") = Edit2->text();
    ins.param("fjlx") = Edit15->text();
    ins.param("ksrq") = values.startDate;
    ins.param("dqrq") = values.endDate;
    ins.param("dbds") = values.electricity;
    ins.param("sbds") = values.water;
    ins.param("fkxm") = Edit3->text();
    ins.param("fkiid") = values.tenantId;
    ins.param("rs") = values.occupants;
    ins.execSQL();

    setTenantResident(values.tenantId, true);
}

void LeaseForm::setTenantResident(int fkiid, bool resident)
{
    auto &up = dbhouse().qup;
    up.close();
    up.clear();
    up.add("update zf_fkxxb set sfrz= :sfrz where iid= :iid ");
    up.param("sfrz") = resident ? QStringLiteral("是") : QStringLiteral("否");
    up.param("iid") = fkiid;
    // The lease stands even when the tenant's flag cannot be written.
    try {
        up.execSQL();
    } catch (const DbError &) {
    }
}

void LeaseForm::settlementHandOff(int fkiid)
{
    auto &q = dbhouse().qcx;
    q.close();
    q.clear();
    q.add("select count(*) as expr1001 from zf_fjsfmxlsb where fjbh= :fjbh ");
    q.param("fjbh") = Edit1->text();
    q.open();
    const int pending = int(q.field("expr1001").asInteger());
    q.close();
    if (pending == 0) {
        prompter().notice(QStringLiteral("没有收费记录要结算！"));
        return;
    }
    TFormfjsf::chargeLease(Edit1->text(), Edit2->text(), Edit15->text(), fkiid, this);
    // The lease is settled: a second save would let the room again, so it is refused by the checks.
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    editsgdh->clear();
}

// ---- Keys and focus ----

void LeaseForm::keyPressEvent(QKeyEvent *event)
{
    // Esc does not throw away a lease being typed; the form closes by "返回" or its close box.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool LeaseForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // Leaving a date box for another box of the form, not for another window.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == Edit6->lineEdit())
                Edit6Exit();
            else if (watched == Edit7->lineEdit())
                Edit7Exit();
        }
    }
    return QDialog::eventFilter(watched, event);
}
