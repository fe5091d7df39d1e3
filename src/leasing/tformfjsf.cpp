#include "leasing/tformfjsf.h"
#include "common/buddylabel.h"
#include "common/clock.h"
#include "common/datebox.h"
#include "common/enterchain.h"
#include "common/keyfilter.h"
#include "common/loggedinoperator.h"
#include "common/namedbutton.h"
#include "common/processflags.h"
#include "common/prompter.h"
#include "common/resultgrid.h"
#include "common/serialnumber.h"
#include "common/tglobal.h"
#include "common/values.h"
#include "db/dberror.h"
#include "db/tdbhouse.h"
#include "leasing/chargearithmetic.h"
#include "leasing/metercarryover.h"
#include "leasing/settlement.h"
#include "leasing/tformjsgl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString Deposit = QStringLiteral("押金");
const QString Power = QStringLiteral("电费");
const QString Water = QStringLiteral("水费");
const QString PropertyFee = QStringLiteral("物业管理费");

enum Page { PendingPage, PendingMeterPage, SettledPage, SettledMeterPage, OccupancyPage };

QLineEdit *lineEdit(QWidget *parent, const QString &name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

QRadioButton *radio(QWidget *parent, const QString &caption, const QString &name)
{
    auto *r = new QRadioButton(caption, parent);
    r->setObjectName(name);
    return r;
}

// A caption label in front of a box, and a remark after it when there is one.
void addRow(QGridLayout *grid, int row, int column, const QString &caption, QWidget *box, const QString &after = {})
{
    grid->addWidget(buddyLabel(caption, box, box->parentWidget()), row, column);
    grid->addWidget(box, row, column + 1);
    if (!after.isEmpty())
        grid->addWidget(new QLabel(after, box->parentWidget()), row, column + 2);
}

// Lines of the first page: room, item, price, quantity, amount, date and who entered them.
GridColumns lineColumns(const QString &dateField)
{
    return {GridColumn::rowNumberColumn(),
            {QStringLiteral("房间编号"), QStringLiteral("fjbh"), 70},
            {QStringLiteral("房间名称"), QStringLiteral("fjmc"), 80},
            {QStringLiteral("房间类型"), QStringLiteral("fjlx"), 70},
            {QStringLiteral("收费名称"), QStringLiteral("fymc"), 80},
            {QStringLiteral("单价"), QStringLiteral("dj"), 60},
            {QStringLiteral("数量"), QStringLiteral("sl"), 60},
            {QStringLiteral("金额"), QStringLiteral("ssje"), 70},
            {QStringLiteral("收费日期"), dateField, 80},
            {QStringLiteral("操作员"), QStringLiteral("czy"), 60},
            {QStringLiteral("手工单号"), QStringLiteral("sgdh"), 70},
            {QStringLiteral("费用年份"), QStringLiteral("nf"), 60},
            {QStringLiteral("费用月份"), QStringLiteral("yf"), 60}};
}

// Lines of the two meter pages, with the readings of both meters; the radios show one pair.
GridColumns meterColumns(const QString &dateField)
{
    return {{QStringLiteral("手工单号"), QStringLiteral("sgdh"), 70},
            {QStringLiteral("房间编号"), QStringLiteral("fjbh"), 70},
            {QStringLiteral("房间名称"), QStringLiteral("fjmc"), 80},
            {QStringLiteral("房间类型"), QStringLiteral("fjlx"), 70},
            {QStringLiteral("费用名称"), QStringLiteral("fymc"), 70},
            {QStringLiteral("上次电表数"), QStringLiteral("scdbsl"), 80},
            {QStringLiteral("本次电表数"), QStringLiteral("bcdbsl"), 80},
            {QStringLiteral("上次水表数"), QStringLiteral("scsbsl"), 80, false},
            {QStringLiteral("本次水表数"), QStringLiteral("bcsbsl"), 80, false},
            {QStringLiteral("数量"), QStringLiteral("sl"), 60},
            {QStringLiteral("单价"), QStringLiteral("dj"), 60},
            {QStringLiteral("应收金额"), QStringLiteral("ysfje"), 70},
            {QStringLiteral("折扣金额"), QStringLiteral("zkje"), 70},
            {QStringLiteral("实收金额"), QStringLiteral("ssje"), 70},
            {QStringLiteral("操作员"), QStringLiteral("czy"), 60},
            {QStringLiteral("年份"), QStringLiteral("nf"), 50},
            {QStringLiteral("月份"), QStringLiteral("yf"), 50},
            {QStringLiteral("登记日期"), dateField, 80}};
}

// "电费" shows the electricity readings at width 80 and hides the water readings; "水费" the reverse.
void showMeterColumns(ResultGrid *grid, bool power)
{
    const GridColumns &columns = grid->gridColumns();
    for (int c = 0; c < columns.size(); ++c) {
        const QString &f = columns[c].field;
        const bool powerColumn = f == QLatin1String("scdbsl") || f == QLatin1String("bcdbsl");
        const bool waterColumn = f == QLatin1String("scsbsl") || f == QLatin1String("bcsbsl");
        if (!powerColumn && !waterColumn)
            continue;
        const bool shown = powerColumn == power;
        grid->setColumnHidden(c, !shown);
        if (shown)
            grid->setColumnWidth(c, 80);
    }
}

void begin(Statement &q, const QString &sql)
{
    q.close();
    q.clear();
    q.add(sql);
}

QString thisYear()
{
    return today().toString(QStringLiteral("yyyy"));
}

QString thisMonth()
{
    return today().toString(QStringLiteral("MM"));
}

void setQuietly(QLineEdit *box, const QString &text)
{
    const QSignalBlocker quiet(box);
    box->setText(text);
}

} // namespace

TFormfjsf::TFormfjsf(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Formfjsf"));
    setWindowTitle(QStringLiteral("出租收费管理"));

    editfjbh = lineEdit(this, QStringLiteral("editfjbh"));
    editfjmc = lineEdit(this, QStringLiteral("editfjmc"));
    editfjlx = lineEdit(this, QStringLiteral("editfjlx"));
    editfkiid = lineEdit(this, QStringLiteral("editfkiid"));
    for (QLineEdit *hidden : {editfjbh, editfjmc, editfjlx, editfkiid})
        hidden->hide();

    spSkinGroupBox2 = new QGroupBox(QStringLiteral("收费明细表(双击可删除一条记录)"), this);
    spSkinGroupBox2->setObjectName(QStringLiteral("spSkinGroupBox2"));
    pages = new QTabWidget(spSkinGroupBox2);
    pages->setObjectName(QStringLiteral("pageControl"));
    pages->addTab(buildPendingPage(), QStringLiteral("收费明细表"));
    pages->addTab(buildPendingMeterPage(), QStringLiteral("水电收费明细表"));
    pages->addTab(buildSettledPage(), QStringLiteral("已结算明细"));
    pages->addTab(buildSettledMeterPage(), QStringLiteral("已结算水电收费明细表"));
    pages->addTab(buildOccupancyPage(), QStringLiteral("用户入住信息"));
    connect(pages, &QTabWidget::currentChanged, this, &TFormfjsf::pageChanged);
    auto *right = new QVBoxLayout(spSkinGroupBox2);
    right->addWidget(pages);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(buildEntryGroup());
    layout->addWidget(spSkinGroupBox2, 1);
    resize(1180, 640);
}

TFormfjsf::~TFormfjsf()
{
    closeStatements();
}

QWidget *TFormfjsf::buildEntryGroup()
{
    auto *group = new QGroupBox(QStringLiteral("收费项目录入后，再点收费结算收款"), this);
    group->setObjectName(QStringLiteral("spSkinGroupBox1"));

    itemBox = new QComboBox(group);
    itemBox->setObjectName(QStringLiteral("itemBox"));
    itemBox->setEditable(true);
    itemBox->setInsertPolicy(QComboBox::NoInsert);
    connect(itemBox, &QComboBox::currentTextChanged, this, &TFormfjsf::itemChanged);
    auto *itemRow = new QGridLayout;
    addRow(itemRow, 0, 0, QStringLiteral("项目名称"), itemBox);
    itemRow->setColumnStretch(1, 1);

    ordinaryPanel = new QWidget(group);
    ordinaryPanel->setObjectName(QStringLiteral("ordinaryPanel"));
    sgdhBox = lineEdit(ordinaryPanel, QStringLiteral("sgdhBox"));
    priceBox = lineEdit(ordinaryPanel, QStringLiteral("priceBox"));
    quantityBox = lineEdit(ordinaryPanel, QStringLiteral("quantityBox"));
    amountBox = lineEdit(ordinaryPanel, QStringLiteral("amountBox"));
    yearBox = lineEdit(ordinaryPanel, QStringLiteral("yearBox"));
    monthBox = lineEdit(ordinaryPanel, QStringLiteral("monthBox"));
    auto *ordinary = new QGridLayout(ordinaryPanel);
    ordinary->setContentsMargins(0, 0, 0, 0);
    addRow(ordinary, 0, 0, QStringLiteral("手工单号"), sgdhBox);
    addRow(ordinary, 1, 0, QStringLiteral("单价"), priceBox);
    addRow(ordinary, 2, 0, QStringLiteral("数量"), quantityBox);
    addRow(ordinary, 3, 0, QStringLiteral("金额"), amountBox);
    addRow(ordinary, 4, 0, QStringLiteral("费用所属年份"), yearBox, QStringLiteral("(可不填)"));
    addRow(ordinary, 5, 0, QStringLiteral("费用所属月份"), monthBox, QStringLiteral("(可不填)"));
    // The month of an ordinary item takes any key.
    for (QLineEdit *number : {priceBox, quantityBox, amountBox, yearBox})
        installNumberFilter(number);
    connect(priceBox, &QLineEdit::textChanged, this, &TFormfjsf::recomputeAmount);
    connect(quantityBox, &QLineEdit::textChanged, this, &TFormfjsf::recomputeAmount);
    new EnterChain({sgdhBox, priceBox, quantityBox, amountBox, yearBox, monthBox}, this);

    meterPanel = new QWidget(group);
    meterPanel->setObjectName(QStringLiteral("meterPanel"));
    meterYearBox = lineEdit(meterPanel, QStringLiteral("meterYearBox"));
    meterMonthBox = lineEdit(meterPanel, QStringLiteral("meterMonthBox"));
    meterSgdhBox = lineEdit(meterPanel, QStringLiteral("meterSgdhBox"));
    previousBox = lineEdit(meterPanel, QStringLiteral("previousBox"));
    currentBox = lineEdit(meterPanel, QStringLiteral("currentBox"));
    usageBox = lineEdit(meterPanel, QStringLiteral("usageBox"));
    meterPriceBox = lineEdit(meterPanel, QStringLiteral("meterPriceBox"));
    meterAmountBox = lineEdit(meterPanel, QStringLiteral("meterAmountBox"));
    auto *previousButton = namedButton(meterPanel, QStringLiteral("上月度数"), QStringLiteral("previousReadingButton"));
    connect(previousButton, &QPushButton::clicked, this, &TFormfjsf::previousReadingClick);
    auto *meter = new QGridLayout(meterPanel);
    meter->setContentsMargins(0, 0, 0, 0);
    addRow(meter, 0, 0, QStringLiteral("费用所属年份"), meterYearBox);
    addRow(meter, 1, 0, QStringLiteral("费用所属月份"), meterMonthBox);
    meter->addWidget(previousButton, 1, 2);
    addRow(meter, 2, 0, QStringLiteral("手工单号"), meterSgdhBox);
    addRow(meter, 3, 0, QStringLiteral("上月度数"), previousBox);
    addRow(meter, 4, 0, QStringLiteral("本月度数"), currentBox);
    addRow(meter, 5, 0, QStringLiteral("实际用量"), usageBox);
    addRow(meter, 6, 0, QStringLiteral("单价"), meterPriceBox);
    addRow(meter, 7, 0, QStringLiteral("金额"), meterAmountBox);
    for (QLineEdit *number : {meterYearBox, meterMonthBox, previousBox, currentBox, usageBox, meterPriceBox, meterAmountBox})
        installNumberFilter(number);
    connect(previousBox, &QLineEdit::textChanged, this, &TFormfjsf::recomputeUsage);
    connect(currentBox, &QLineEdit::textChanged, this, &TFormfjsf::recomputeUsage);
    connect(usageBox, &QLineEdit::textChanged, this, &TFormfjsf::recomputeMeterAmount);
    connect(meterPriceBox, &QLineEdit::textChanged, this, &TFormfjsf::recomputeMeterAmount);
    new EnterChain({meterSgdhBox, previousBox, currentBox, usageBox, meterPriceBox, meterAmountBox, meterYearBox,
                    meterMonthBox},
                   this);
    meterPanel->hide();

    auto *back = namedButton(group, QStringLiteral("返回"), QStringLiteral("backButton"));
    auto *save = namedButton(group, QStringLiteral("保存>>"), QStringLiteral("saveButton"));
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &TFormfjsf::saveClick);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(save);

    auto *column = new QVBoxLayout(group);
    column->addLayout(itemRow);
    column->addWidget(ordinaryPanel);
    column->addWidget(meterPanel);
    column->addStretch();
    column->addLayout(buttons);
    group->setFixedWidth(320);
    return group;
}

QWidget *TFormfjsf::buildPendingPage()
{
    auto *page = new QWidget;
    pendingGrid = new ResultGrid(page);
    pendingGrid->setObjectName(QStringLiteral("pendingGrid"));
    pendingGrid->bind(dbhouse().qsfmxlsb, lineColumns(QStringLiteral("jzrq")));
    connect(pendingGrid, &ResultGrid::rowActivated, this, &TFormfjsf::deleteClick);

    auto *remove = namedButton(page, QStringLiteral("删除"), QStringLiteral("deleteButton"));
    auto *settle = namedButton(page, QStringLiteral("收费结算收款"), QStringLiteral("settleButton"));
    connect(remove, &QPushButton::clicked, this, &TFormfjsf::deleteClick);
    connect(settle, &QPushButton::clicked, this, &TFormfjsf::settleClick);

    sb1 = new QStatusBar(page);
    sb1->setObjectName(QStringLiteral("sb1"));
    sb1->setSizeGripEnabled(false);
    auto *caption = new QLabel(QStringLiteral("总金额"), sb1);
    caption->setObjectName(QStringLiteral("sb1Caption"));
    sb1Total = new QLabel(QStringLiteral("0"), sb1);
    sb1Total->setObjectName(QStringLiteral("sb1Total"));
    sb1Total->setMinimumWidth(120);
    sb1->addWidget(caption);
    sb1->addWidget(sb1Total);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addWidget(settle);
    buttons->addStretch();
    auto *hints = new QVBoxLayout;
    for (const QString &hint : {QStringLiteral("提示：收费单录入好后请单击“收费结算收款”"),
                                QStringLiteral("没有结算的费用可以在欠费查询里查询到！"),
                                QStringLiteral("房间退租时点收费结算收款后，房间状态变空闲！")}) {
        auto *label = new QLabel(hint, page);
        label->setStyleSheet(QStringLiteral("color: #a00000"));
        hints->addWidget(label);
    }
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(pendingGrid, 1);
    layout->addLayout(buttons);
    layout->addLayout(hints);
    layout->addWidget(sb1);
    return page;
}

QWidget *TFormfjsf::buildPendingMeterPage()
{
    auto *page = new QWidget;
    pendingMeterGrid = new ResultGrid(page);
    pendingMeterGrid->setObjectName(QStringLiteral("pendingMeterGrid"));
    pendingMeterGrid->bind(dbhouse().qsdcx, meterColumns(QStringLiteral("jzrq")));
    pendingPower = radio(page, Power, QStringLiteral("pendingPowerRadio"));
    pendingWater = radio(page, Water, QStringLiteral("pendingWaterRadio"));
    pendingPower->setChecked(true);
    connect(pendingPower, &QRadioButton::clicked, this, &TFormfjsf::pendingMeterRadioClick);
    connect(pendingWater, &QRadioButton::clicked, this, &TFormfjsf::pendingMeterRadioClick);
    auto *radios = new QHBoxLayout;
    radios->addWidget(pendingPower);
    radios->addWidget(pendingWater);
    radios->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(radios);
    layout->addWidget(pendingMeterGrid, 1);
    return page;
}

QWidget *TFormfjsf::buildSettledPage()
{
    auto *page = new QWidget;
    fromDate = new DateBox(QStringLiteral("fromDateBox"), page);
    toDate = new DateBox(QStringLiteral("toDateBox"), page);
    fromDate->setNextFocus(toDate->lineEdit());
    auto *query = namedButton(page, QStringLiteral("查询"), QStringLiteral("settledQueryButton"));
    auto *remove = namedButton(page, QStringLiteral("删除整张收费单据"), QStringLiteral("deleteReceiptButton"));
    connect(query, &QPushButton::clicked, this, &TFormfjsf::settledQueryClick);
    connect(remove, &QPushButton::clicked, this, &TFormfjsf::deleteReceiptClick);
    auto *from = new QLabel(QStringLiteral("收费日期从"), page);
    from->setBuddy(fromDate->lineEdit());
    fromDate->lineEdit()->setAccessibleName(from->text());
    auto *to = new QLabel(QStringLiteral("到"), page);
    to->setBuddy(toDate->lineEdit());
    toDate->lineEdit()->setAccessibleName(QStringLiteral("收费日期到"));
    auto *filter = new QHBoxLayout;
    filter->addWidget(from);
    filter->addWidget(fromDate);
    filter->addWidget(to);
    filter->addWidget(toDate);
    filter->addWidget(query);
    filter->addWidget(remove);
    filter->addStretch();

    settledGrid = new ResultGrid(page);
    settledGrid->setObjectName(QStringLiteral("settledGrid"));
    settledGrid->bind(dbhouse().qyjscx, lineColumns(QStringLiteral("sfrq")));

    sb2 = new QStatusBar(page);
    sb2->setObjectName(QStringLiteral("sb2"));
    sb2->setSizeGripEnabled(false);
    auto *caption = new QLabel(QStringLiteral("总金额"), sb2);
    sb2Total = new QLabel(QStringLiteral("0"), sb2);
    sb2Total->setObjectName(QStringLiteral("sb2Total"));
    sb2Total->setMinimumWidth(120);
    sb2->addWidget(caption);
    sb2->addWidget(sb2Total);
    sb2->addWidget(new QLabel(QStringLiteral("提示：只有admin用户才能删除已结算的记录"), sb2));

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(filter);
    layout->addWidget(settledGrid, 1);
    layout->addWidget(sb2);
    return page;
}

QWidget *TFormfjsf::buildSettledMeterPage()
{
    auto *page = new QWidget;
    settledYearBox = lineEdit(page, QStringLiteral("settledYearBox"));
    settledMonthBox = lineEdit(page, QStringLiteral("settledMonthBox"));
    for (QLineEdit *box : {settledYearBox, settledMonthBox})
        installDigitFilter(box);
    settledPower = radio(page, Power, QStringLiteral("settledPowerRadio"));
    settledWater = radio(page, Water, QStringLiteral("settledWaterRadio"));
    settledPower->setChecked(true);
    connect(settledPower, &QRadioButton::clicked, this, &TFormfjsf::settledMeterRadioClick);
    connect(settledWater, &QRadioButton::clicked, this, &TFormfjsf::settledMeterRadioClick);
    auto *query = namedButton(page, QStringLiteral("查询"), QStringLiteral("settledMeterQueryButton"));
    connect(query, &QPushButton::clicked, this, &TFormfjsf::settledMeterQueryClick);

    auto *filter = new QGridLayout;
    addRow(filter, 0, 0, QStringLiteral("年份"), settledYearBox);
    addRow(filter, 0, 2, QStringLiteral("月份"), settledMonthBox);
    filter->addWidget(settledPower, 0, 4);
    filter->addWidget(settledWater, 0, 5);
    filter->addWidget(query, 0, 6);
    filter->setColumnStretch(7, 1);

    settledMeterGrid = new ResultGrid(page);
    settledMeterGrid->setObjectName(QStringLiteral("settledMeterGrid"));
    settledMeterGrid->bind(dbhouse().qbl, meterColumns(QStringLiteral("sfrq")));
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(filter);
    layout->addWidget(settledMeterGrid, 1);
    return page;
}

QWidget *TFormfjsf::buildOccupancyPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    auto field = [&](const QString &name) {
        QLineEdit *e = lineEdit(page, name);
        e->setReadOnly(true);
        return e;
    };
    occRoom = field(QStringLiteral("occRoomBox"));
    occName = field(QStringLiteral("occNameBox"));
    occPrice = field(QStringLiteral("occPriceBox"));
    occTenant = field(QStringLiteral("occTenantBox"));
    occPeople = field(QStringLiteral("occPeopleBox"));
    occStart = field(QStringLiteral("occStartBox"));
    occEnd = field(QStringLiteral("occEndBox"));
    occDays = field(QStringLiteral("occDaysBox"));
    occPower = field(QStringLiteral("occPowerBox"));
    occWater = field(QStringLiteral("occWaterBox"));
    occNote = field(QStringLiteral("occNoteBox"));
    occDeposit = field(QStringLiteral("occDepositBox"));
    occDeposit->hide();
    occMonthly = new QCheckBox(QStringLiteral("按月租"), page);
    occMonthly->setObjectName(QStringLiteral("occMonthlyBox"));
    occMonthly->setEnabled(false);
    addRow(grid, 0, 0, QStringLiteral("房间编号"), occRoom);
    addRow(grid, 0, 2, QStringLiteral("房间名称"), occName);
    grid->addWidget(occMonthly, 1, 0);
    addRow(grid, 1, 2, QStringLiteral("租价"), occPrice);
    addRow(grid, 2, 0, QStringLiteral("房客姓名"), occTenant);
    addRow(grid, 2, 2, QStringLiteral("住户人数"), occPeople);
    addRow(grid, 3, 0, QStringLiteral("合同起始"), occStart);
    addRow(grid, 3, 2, QStringLiteral("结束日期"), occEnd);
    addRow(grid, 4, 0, QStringLiteral("租期天数"), occDays);
    addRow(grid, 5, 0, QStringLiteral("开租时电表度数"), occPower);
    addRow(grid, 5, 2, QStringLiteral("开租时水表度数"), occWater);
    addRow(grid, 6, 0, QStringLiteral("备注"), occNote);
    grid->addWidget(occDeposit, 7, 0);
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(4, 1);
    return page;
}

void TFormfjsf::closeStatements()
{
    if (!hasDbhouse())
        return;
    for (Statement *q : {&dbhouse().qsfmxlsb, &dbhouse().qsdcx, &dbhouse().qyjscx, &dbhouse().qbl, &dbhouse().qzj})
        q->close();
}

// ---- Opening ------------------------------------------------------------------------------

void TFormfjsf::chargeRoom(const QString &fjbh, QWidget *parent)
{
    TFormfjsf window(parent);
    window.prepareForRoom(fjbh);
    window.exec();
    window.closeStatements();
}

void TFormfjsf::chargeLease(const QString &fjbh, const QString &fjmc, const QString &fjlx, int fkiid, QWidget *parent)
{
    TFormfjsf window(parent);
    window.prepare(fjbh, fjmc, fjlx, fkiid);
    window.exec();
    window.closeStatements();
}

void TFormfjsf::prepareForRoom(const QString &fjbh)
{
    auto &q = dbhouse().qmj;
    begin(q, QStringLiteral("select * from zf_fjb where fjbh= :fjbh"));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.open();
    const QString fjmc = q.field(QStringLiteral("fjmc")).asString();
    const QString fjlx = q.field(QStringLiteral("fjlx")).asString();
    const int fkiid = int(q.field(QStringLiteral("fkiid")).asInteger());
    q.close();
    prepare(fjbh, fjmc, fjlx, fkiid);
}

void TFormfjsf::prepare(const QString &fjbh, const QString &fjmc, const QString &fjlx, int fkiid)
{
    editfjbh->setText(fjbh);
    editfjmc->setText(fjmc);
    editfjlx->setText(fjlx);
    editfkiid->setText(QString::number(fkiid));
    spSkinGroupBox2->setTitle(QStringLiteral("房间号为") + fjbh + QStringLiteral(" ") + fjmc + QStringLiteral("的收费明细表"));
    refreshPendingTotal();
}

QString TFormfjsf::statusTotal() const
{
    return sb1Total->text();
}

void TFormfjsf::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormfjsf::FormShow()
{
    auto &q = dbhouse().qcx;
    begin(q, QStringLiteral("select distinct sfmc from zf_sfxmb order by sfmc"));
    q.open();
    {
        const QSignalBlocker quiet(itemBox);
        itemBox->clear();
        for (int r = 0; r < q.recordCount(); ++r)
            itemBox->addItem(q.fieldAt(r, QStringLiteral("sfmc")).asString());
        itemBox->setCurrentText(QString());
    }
    begin(q, QStringLiteral("select * from zf_sfxmb  where sfmc= :sfmc  "));
    q.param(QStringLiteral("sfmc")) = Deposit;
    q.open();
    const QString depositPrice = q.field(QStringLiteral("dj")).asString();
    q.close();

    openPendingLines();
    for (QLineEdit *box : {priceBox, quantityBox, amountBox, previousBox, currentBox, usageBox, meterPriceBox,
                           meterAmountBox, sgdhBox, meterSgdhBox})
        box->clear();

    itemBox->setFocus();
    itemBox->setCurrentText(Deposit);
    priceBox->setText(depositPrice);
    quantityBox->setText(QStringLiteral("1"));
    showMeterPanel(false);

    yearBox->setText(thisYear());
    meterYearBox->setText(thisYear());
    monthBox->setText(thisMonth());
    meterMonthBox->setText(thisMonth());
    refreshPendingTotal();
}

// ---- Entering a line ----------------------------------------------------------------------

bool TFormfjsf::meterShown() const
{
    return !meterPanel->isHidden();
}

void TFormfjsf::showMeterPanel(bool meter)
{
    meterPanel->setVisible(meter);
    ordinaryPanel->setVisible(!meter);
}

void TFormfjsf::itemChanged(const QString &item)
{
    if (item.isEmpty())
        return;
    auto &q = dbhouse().qcx;
    begin(q, QStringLiteral("select * from zf_sfxmb  where sfmc= :sfmc  "));
    q.param(QStringLiteral("sfmc")) = item;
    q.open();
    const QString price = q.field(QStringLiteral("dj")).asString();
    const double itemPrice = q.field(QStringLiteral("dj")).asFloat();
    q.close();

    if (item == Water || item == Power) {
        showMeterPanel(true);
        carryOverReading(item);
        return;
    }
    if (item == PropertyFee && global().strmj == QStringLiteral("是"))
        fillAreaQuantity(itemPrice);
    priceBox->setText(price);
    showMeterPanel(false);
}

// The previous reading of the meter: the last settled reading of the year typed or earlier, with
// its unit price; for a room that never settled this meter, the reading taken when it was let.
void TFormfjsf::carryOverReading(const QString &item)
{
    const Meter meter = item == Power ? Meter::Electricity : Meter::Water;
    const PreviousMeterReading previous = previousMeterReading(editfjbh->text(), meter, toInteger(meterYearBox->text()));
    previousBox->setText(previous.reading);
    if (previous.unitPrice)
        meterPriceBox->setText(*previous.unitPrice);
}

// The property-management fee by the room's floor area; a room that cannot be read keeps the
// quantity as it is.
void TFormfjsf::fillAreaQuantity(double itemPrice)
{
    try {
        auto &q = dbhouse().qmj;
        begin(q, QStringLiteral("select fjmj from zf_fjb where fjbh= :fjbh "));
        q.param(QStringLiteral("fjbh")) = editfjbh->text();
        q.open();
        const double area = q.field(QStringLiteral("fjmj")).asFloat();
        q.close();
        quantityBox->setText(formatNumber(area));
        amountBox->setText(formatNumber(cleanAmount(itemPrice * area)));
    } catch (const DbError &) {
    }
}

void TFormfjsf::recomputeAmount()
{
    if (const auto amount = productText(priceBox->text(), quantityBox->text()))
        amountBox->setText(*amount);
}

void TFormfjsf::recomputeUsage()
{
    if (const auto usage = differenceText(currentBox->text(), previousBox->text()))
        usageBox->setText(*usage);
}

void TFormfjsf::recomputeMeterAmount()
{
    if (const auto amount = productText(usageBox->text(), meterPriceBox->text()))
        meterAmountBox->setText(*amount);
}

void TFormfjsf::previousReadingClick()
{
    const QString item = itemBox->currentText();
    if (item != Water && item != Power)
        return;
    if (meterYearBox->text().isEmpty()) {
        prompter().notice(QStringLiteral("年份不能为空！"));
        meterYearBox->setFocus();
        return;
    }
    if (meterMonthBox->text().isEmpty()) {
        prompter().notice(QStringLiteral("月份不能为空！"));
        meterMonthBox->setFocus();
        return;
    }
    carryOverReading(item);
}

void TFormfjsf::saveClick()
{
    const QString item = itemBox->currentText();
    if (item.isEmpty()) {
        prompter().notice(QStringLiteral("项目名称不能为空！"));
        return;
    }
    auto &q = dbhouse().qcx;
    begin(q, QStringLiteral("select * from zf_sfxmb where sfmc= :sfmc "));
    q.param(QStringLiteral("sfmc")) = item;
    q.open();
    const QString sflx = q.field(QStringLiteral("sflx")).asString();
    begin(q, QStringLiteral("select fkxm from zf_fjb where fkiid= :fkiid "));
    q.param(QStringLiteral("fkiid")) = toInteger(editfkiid->text());
    q.open();
    const QString fkxm = q.field(QStringLiteral("fkxm")).asString();
    q.close();

    const bool saved = meterShown() ? saveMeterLine(item, sflx, fkxm) : saveOrdinaryLine(item, sflx, fkxm);
    if (!saved)
        return;
    openPendingLines();
    // The manual numbers, year and month stay for the next line of the same receipt.
    for (QLineEdit *box : {priceBox, quantityBox, amountBox, previousBox, currentBox, usageBox, meterPriceBox, meterAmountBox})
        box->clear();
    refreshPendingTotal();
}

// The columns every line of the window carries: number, room, item, operator, date and tenant.
void TFormfjsf::bindLineValues(Statement &q, const QString &item, const QString &sflx, const QString &fkxm)
{
    q.param(QStringLiteral("fjbh")) = editfjbh->text();
    q.param(QStringLiteral("fjmc")) = editfjmc->text();
    q.param(QStringLiteral("fjlx")) = editfjlx->text();
    q.param(QStringLiteral("sflx")) = sflx;
    q.param(QStringLiteral("fymc")) = item;
    q.param(QStringLiteral("zkje")) = 0.0;
    q.param(QStringLiteral("czy")) = loggedInOperator().code;
    q.param(QStringLiteral("jzrq")) = today();
    q.param(QStringLiteral("fkiid")) = toInteger(editfkiid->text());
    q.param(QStringLiteral("fkxm")) = fkxm;
}

bool TFormfjsf::saveMeterLine(const QString &item, const QString &sflx, const QString &fkxm)
{
    const std::pair<QLineEdit *, const char *> required[] = {
        {previousBox, "上月度数不能为空！"}, {meterYearBox, "年份不能为空！"},   {meterMonthBox, "月份不能为空！"},
        {currentBox, "本月度数不能为空！"},  {usageBox, "实际用量不能为空！"}, {meterPriceBox, "单价不能为空！"},
        {meterAmountBox, "金额不能为空！"}};
    for (const auto &[box, message] : required) {
        if (box->text().isEmpty()) {
            prompter().notice(QString::fromUtf8(message));
            box->setFocus();
            return false;
        }
    }
    // Every text is converted before the insert runs, so a bad one writes nothing.
    const double previous = toFloat(previousBox->text());
    const double current = toFloat(currentBox->text());
    const double usage = toFloat(usageBox->text());
    const double price = toFloat(meterPriceBox->text());
    const double amount = toFloat(meterAmountBox->text());
    const int year = toInteger(meterYearBox->text());
    const int month = toInteger(meterMonthBox->text());
    const bool power = item == Power;
    const QString serial = nextSerialSF(editfjbh->text());

    auto &q = dbhouse().qins;
    begin(q, QStringLiteral("insert into zf_fjsfmxlsb(zdlsh,sgdh,fjbh,Fjmc,Fjlx,Sflx,Fymc,scdbsl,Bcdbsl,scsbsl,Bcsbsl,sl,dj,ySfje,Zkje,Ssje,czy,jzrq,nf,yf,fkiid,fkxm)"));
    q.add(QStringLiteral(" values(:zdlsh,:sgdh,:fjbh,:fjmc,:fjlx,:sflx,:fymc,:scdbsl,:bcdbsl,:scsbsl,:bcsbsl,:sl,:dj,:ysfje,:zkje,:ssje,:czy,:jzrq,:nf,:yf,:fkiid,:fkxm )"));
    bindLineValues(q, item, sflx, fkxm);
    q.param(QStringLiteral("zdlsh")) = serial;
    q.param(QStringLiteral("sgdh")) = meterSgdhBox->text();
    q.param(QStringLiteral("scdbsl")) = power ? previous : 0.0;
    q.param(QStringLiteral("bcdbsl")) = power ? current : 0.0;
    q.param(QStringLiteral("scsbsl")) = power ? 0.0 : previous;
    q.param(QStringLiteral("bcsbsl")) = power ? 0.0 : current;
    q.param(QStringLiteral("sl")) = usage;
    q.param(QStringLiteral("dj")) = price;
    q.param(QStringLiteral("ysfje")) = amount;
    q.param(QStringLiteral("ssje")) = amount;
    q.param(QStringLiteral("nf")) = year;
    q.param(QStringLiteral("yf")) = month;
    q.execSQL();
    return true;
}

bool TFormfjsf::saveOrdinaryLine(const QString &item, const QString &sflx, const QString &fkxm)
{
    if (yearBox->text().isEmpty())
        yearBox->setText(QStringLiteral("0"));
    if (monthBox->text().isEmpty())
        monthBox->setText(QStringLiteral("0"));
    if (priceBox->text().isEmpty()) {
        prompter().notice(QStringLiteral("单价不能为空！"));
        priceBox->setFocus();
        return false;
    }
    if (amountBox->text().isEmpty()) {
        prompter().notice(QStringLiteral("金额 不能为空！"));
        amountBox->setFocus();
        return false;
    }
    // A quantity left empty counts once; the amount the person sees is the one saved.
    if (quantityBox->text().isEmpty())
        setQuietly(quantityBox, QStringLiteral("1"));
    const double quantity = toFloat(quantityBox->text());
    const double price = toFloat(priceBox->text());
    const double amount = toFloat(amountBox->text());
    const int year = toInteger(yearBox->text());
    const int month = toInteger(monthBox->text());
    const QString serial = nextSerialSF(editfjbh->text());

    auto &q = dbhouse().qins;
    begin(q, QStringLiteral("insert into zf_fjsfmxlsb(zdlsh,sgdh,fjbh,Fjmc,Fjlx,Sflx,Fymc,scdbsl,Bcdbsl,scsbsl,Bcsbsl,sl,dj,ySfje,Zkje,Ssje,czy,jzrq,fkiid,nf,yf,fkxm)"));
    q.add(QStringLiteral(" values(:zdlsh,:sgdh,:fjbh,:fjmc,:fjlx,:sflx,:fymc,:scdbsl,:bcdbsl,:scsbsl,:bcsbsl,:sl,:dj,:ysfje,:zkje,:ssje,:czy,:jzrq,:fkiid,:nf,:yf,:fkxm )"));
    bindLineValues(q, item, sflx, fkxm);
    q.param(QStringLiteral("zdlsh")) = serial;
    q.param(QStringLiteral("sgdh")) = sgdhBox->text();
    for (const char *reading : {"scdbsl", "bcdbsl", "scsbsl", "bcsbsl"})
        q.param(QString::fromLatin1(reading)) = 0.0;
    q.param(QStringLiteral("sl")) = quantity;
    q.param(QStringLiteral("dj")) = price;
    q.param(QStringLiteral("ysfje")) = amount;
    q.param(QStringLiteral("ssje")) = amount;
    q.param(QStringLiteral("nf")) = year;
    q.param(QStringLiteral("yf")) = month;
    q.execSQL();
    return true;
}

// ---- Pending lines ------------------------------------------------------------------------

void TFormfjsf::openPendingLines()
{
    ::openPendingLines(dbhouse().qsfmxlsb, editfjbh->text());
}

void TFormfjsf::refreshPendingTotal()
{
    auto &q = dbhouse().qsum;
    begin(q, QStringLiteral("select sum(ssje) as expr1001 from zf_fjsfmxlsb where fjbh= :fjbh"));
    q.param(QStringLiteral("fjbh")) = editfjbh->text();
    q.open();
    sb1Total->setText(formatNumber(q.field(QStringLiteral("expr1001")).asFloat()));
    q.close();
}

void TFormfjsf::deleteClick()
{
    auto &q = dbhouse().qsfmxlsb;
    if (!q.isOpen() || q.isEmpty())
        return;
    if (!prompter().ask(QStringLiteral("您确定要删除收费名称为：") + q.field(QStringLiteral("fymc")).asString()
                        + QStringLiteral("记录吗？"),
                        QStringLiteral("询问")))
        return;
    auto &up = dbhouse().qup;
    begin(up, QStringLiteral("delete from zf_fjsfmxlsb where iid= :iid "));
    up.param(QStringLiteral("iid")) = q.field(QStringLiteral("iid")).asInteger();
    up.execSQL();
    openPendingLines();
    refreshPendingTotal();
}

void TFormfjsf::settleClick()
{
    const QString fjbh = editfjbh->text();
    const std::optional<SettlementStart> start = Settlement(fjbh).start();
    openPendingLines();
    // A receipt needs at least one line: without one it would be a receipt of nothing.
    if (!start) {
        prompter().notice(QStringLiteral("没有收费记录要结算！"));
        return;
    }
    processFlags().settled = false;
    {
        TFormjsgl dialog(this);
        dialog.setUp(fjbh, start->total, nextSerialSF(fjbh), start->sgdh);
        dialog.exec();
    }
    if (!processFlags().settled)
        return;
    refreshPendingTotal();
    openPendingLines();
    prompter().notice(QStringLiteral("收费成功！"));
}

// ---- The other pages ----------------------------------------------------------------------

void TFormfjsf::pageChanged(int page)
{
    switch (page) {
    case PendingMeterPage:
        pendingPower->setChecked(true);
        showMeterColumns(pendingMeterGrid, true);
        openPendingMeterLines(1);
        break;
    case SettledPage:
        fromDate->setText(dateText(today()));
        toDate->setText(dateText(today()));
        openSettledTotal(false);
        openSettledLines(false);
        break;
    case SettledMeterPage:
        settledYearBox->setText(thisYear());
        settledMonthBox->setText(thisMonth());
        break;
    case OccupancyPage:
        showOccupancy();
        break;
    default:
        break;
    }
}

void TFormfjsf::openPendingMeterLines(int blanks)
{
    auto &q = dbhouse().qsdcx;
    begin(q, QStringLiteral("select * from zf_fjsfmxlsb where fjbh= :fjbh and sflx= :sflx") + QString(blanks, ' ')
                 + QStringLiteral("order by iid "));
    q.param(QStringLiteral("fjbh")) = editfjbh->text();
    q.param(QStringLiteral("sflx")) = pendingPower->isChecked() ? Power : Water;
    q.open();
}

void TFormfjsf::pendingMeterRadioClick()
{
    const bool power = pendingPower->isChecked();
    showMeterColumns(pendingMeterGrid, power);
    openPendingMeterLines(power ? 2 : 3);
}

void TFormfjsf::openSettledLines(bool inDateRange)
{
    openSettled(dbhouse().qyjscx, inDateRange,
                QStringLiteral("select * from zf_fjsfmxb where sfrq>= :rq0 and sfrq<= :rq1 and fjbh= :fjbh and fkiid= :fkiid "),
                QStringLiteral("select * from zf_fjsfmxb where fjbh= :fjbh and fkiid= :fkiid order by iid "));
}

// The total stays open on qzj, so it can be worked out again for the same lines.
void TFormfjsf::openSettledTotal(bool inDateRange)
{
    auto &q = dbhouse().qzj;
    openSettled(q, inDateRange,
                QStringLiteral("select sum(ssje) as expr1001 from zf_fjsfmxb where sfrq>= :rq0 and sfrq<= :rq1 and fjbh= :fjbh and fkiid= :fkiid "),
                QStringLiteral("select sum(ssje) as expr1001  from zf_fjsfmxb where fjbh= :fjbh and fkiid= :fkiid "));
    sb2Total->setText(formatNumber(q.field(QStringLiteral("expr1001")).asFloat()));
}

// The lines and the total read the same settled lines of this lease: those charged within the
// dates typed, or all of them.
void TFormfjsf::openSettled(Statement &q, bool inDateRange, const QString &inRangeSql, const QString &allSql)
{
    if (inDateRange) {
        begin(q, inRangeSql);
        q.param(QStringLiteral("rq0")) = ::toDate(fromDate->text());
        q.param(QStringLiteral("rq1")) = ::toDate(toDate->text());
    } else {
        begin(q, allSql);
    }
    q.param(QStringLiteral("fjbh")) = editfjbh->text();
    q.param(QStringLiteral("fkiid")) = toInteger(editfkiid->text());
    q.open();
}

void TFormfjsf::settledQueryClick()
{
    openSettledLines(true);
    openSettledTotal(true);
}

void TFormfjsf::deleteReceiptClick()
{
    auto &q = dbhouse().qyjscx;
    if (!q.isOpen() || q.isEmpty())
        return;
    if (!loggedInOperator().isSuperuser()) {
        prompter().notice(QStringLiteral("您不是ADMIN用户，不能使用本功能！"));
        return;
    }
    const QString fjbh = q.field(QStringLiteral("fjbh")).asString();
    const QString zdlsh = q.field(QStringLiteral("zdlsh")).asString();
    if (!prompter().ask(QStringLiteral("您确定要删除房间号为") + fjbh + QStringLiteral("名称为 ")
                            + q.field(QStringLiteral("fjmc")).asString() + QStringLiteral(";自动流水号 ") + zdlsh
                            + QStringLiteral("的记录吗？"),
                        QStringLiteral("询问")))
        return;
    {
        // The lines and their receipt go together.
        Transaction t(dbhouse().adoacccon);
        auto &up = dbhouse().qup;
        for (const QString &table : {QStringLiteral("zf_fjsfmxb"), QStringLiteral("zf_fjsfhzb")}) {
            begin(up, QStringLiteral("delete from ") + table + QStringLiteral(" where zdlsh= :zdlsh and fjbh= :fjbh  "));
            up.param(QStringLiteral("zdlsh")) = zdlsh;
            up.param(QStringLiteral("fjbh")) = fjbh;
            up.execSQL();
        }
        t.commit();
    }
    q.reopen();
    // The total follows the lines that are left.
    auto &total = dbhouse().qzj;
    if (total.isOpen()) {
        total.reopen();
        sb2Total->setText(formatNumber(total.field(QStringLiteral("expr1001")).asFloat()));
    }
    prompter().notice(QStringLiteral("整张收费单据已删除成功！"));
}

void TFormfjsf::settledMeterRadioClick()
{
    showMeterColumns(settledMeterGrid, settledPower->isChecked());
    dbhouse().qbl.close();
}

void TFormfjsf::settledMeterQueryClick()
{
    auto &q = dbhouse().qbl;
    begin(q, QStringLiteral("select * from zf_fjsfmxb where fjbh= :fjbh and sflx= :sflx  "));
    const bool year = !settledYearBox->text().isEmpty();
    const bool month = !settledMonthBox->text().isEmpty();
    if (year)
        q.add(QStringLiteral(" and nf= :nf "));
    if (month)
        q.add(QStringLiteral(" and yf= :yf "));
    q.add(QStringLiteral(" and fkiid= :fkiid "));
    q.add(QStringLiteral(" order by  yf "));
    q.param(QStringLiteral("fjbh")) = editfjbh->text();
    q.param(QStringLiteral("sflx")) = settledPower->isChecked() ? Power : Water;
    if (year)
        q.param(QStringLiteral("nf")) = toInteger(settledYearBox->text());
    if (month)
        q.param(QStringLiteral("yf")) = toInteger(settledMonthBox->text());
    q.param(QStringLiteral("fkiid")) = toInteger(editfkiid->text());
    q.open();
}

void TFormfjsf::showOccupancy()
{
    auto &q = dbhouse().qmj;
    begin(q, QStringLiteral("select * from zf_fjb where fjbh= :fjbh "));
    q.param(QStringLiteral("fjbh")) = editfjbh->text();
    q.open();
    auto text = [&](const char *c) { return q.field(QString::fromLatin1(c)).asString(); };
    const bool monthly = text("czlx") == QStringLiteral("是");
    occRoom->setText(text("fjbh"));
    occName->setText(text("fjmc"));
    occMonthly->setChecked(monthly);
    occPrice->setText(monthly ? text("yzjg") : text("rzjg"));
    occTenant->setText(text("fkxm"));
    occPeople->setText(text("rs"));
    occStart->setText(dateText(q.field(QStringLiteral("ksrq")).asDate()));
    occEnd->setText(dateText(q.field(QStringLiteral("dqrq")).asDate()));
    occDays->setText(text("zqts"));
    occPower->setText(text("dbds"));
    occWater->setText(text("sbds"));
    occNote->setText(text("bzsm"));
    begin(q, QStringLiteral("select * from zf_ydb where fjbh= :fjbh   "));
    q.param(QStringLiteral("fjbh")) = editfjbh->text();
    q.open();
    occDeposit->setText(q.field(QStringLiteral("yj")).asString());
    q.close();
}
