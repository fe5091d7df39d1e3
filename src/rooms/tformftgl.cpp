#include "rooms/tformftgl.h"
#include "rooms/captionlabel.h"
#include "rooms/renewalreadings.h"
#include "rooms/roomnotice.h"
#include "rooms/roomnoticetext.h"

#include "common/clock.h"
#include "common/namedbutton.h"
#include "common/processflags.h"
#include "common/programfolder.h"
#include "common/prompter.h"
#include "db/dberror.h"
#include "db/tdbhouse.h"
#include "leasing/tformczxzgl.h"
#include "leasing/tformfjsf.h"
#include "leasing/tformtzgl.h"
#include "leasing/tformxzgl.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int refreshIntervalMs = 8000;
constexpr int thumbnailSize = 70;
const QString idle = QStringLiteral("空闲");

void begin(Statement &q, const QString &sql)
{
    q.close();
    q.clear();
    q.add(sql);
}
} // namespace

// Whatever way a lease action ends, the board shows the rooms as they are now and refreshes again.
class TFormftgl::RebuildAtEnd
{
public:
    explicit RebuildAtEnd(TFormftgl &board) : m_board(board) {}
    ~RebuildAtEnd()
    {
        m_board.rebuild();
        m_board.Timer1->start();
    }
    RebuildAtEnd(const RebuildAtEnd &) = delete;
    RebuildAtEnd &operator=(const RebuildAtEnd &) = delete;

private:
    TFormftgl &m_board;
};

TFormftgl::TFormftgl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("TFormftgl");
    setWindowTitle(QStringLiteral("房间出租续租退租管理"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(refreshIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &TFormftgl::Timer1Timer);

    new QVBoxLayout(this);
    buildToolbar();
    buildList();
    loadPictures();
}

TFormftgl::~TFormftgl() = default;

void TFormftgl::buildToolbar()
{
    auto *bar = new QHBoxLayout;
    // A caption written as two adjacent labels, read as one.
    auto twoLabels = [&](const QString &first, const QString &second, QComboBox *box) {
        auto *pair = new QHBoxLayout;
        pair->setSpacing(0);
        pair->addWidget(new QLabel(first, this));
        pair->addWidget(captionLabel(second, box, this));
        box->setAccessibleName(first + QString(second).remove(QChar(0xFF1A)));
        bar->addLayout(pair);
        bar->addWidget(box);
    };
    auto button = [&](const QString &caption, const char *name, void (TFormftgl::*slot)()) {
        auto *b = namedButton(this, caption, name);
        connect(b, &QPushButton::clicked, this, slot);
        bar->addWidget(b);
    };

    usageFilter = new QComboBox(this);
    usageFilter->setObjectName("usageFilter");
    usageFilter->setMinimumContentsLength(6);
    twoLabels(QStringLiteral("按房间用"), QStringLiteral("途分类："), usageFilter);
    button(QStringLiteral("分类查询"), "classifyButton", &TFormftgl::classifyClick);

    roomNumberBox = new QComboBox(this);
    roomNumberBox->setObjectName("roomNumberBox");
    roomNumberBox->setEditable(true);
    roomNumberBox->setInsertPolicy(QComboBox::NoInsert);
    roomNumberBox->setMinimumContentsLength(8);
    twoLabels(QStringLiteral("输入房"), QStringLiteral("间号"), roomNumberBox);

    button(QStringLiteral("快速查询"), "quickSearchButton", &TFormftgl::quickSearchClick);
    button(QStringLiteral("房间出租"), "rentButton", &TFormftgl::rentClick);
    button(QStringLiteral("房间收费"), "chargeButton", &TFormftgl::chargeClick);
    button(QStringLiteral("房间续租"), "renewButton", &TFormftgl::renewClick);
    button(QStringLiteral("退租管理"), "checkOutButton", &TFormftgl::checkOutClick);
    button(QStringLiteral("出租取消"), "cancelLeaseButton", &TFormftgl::cancelLeaseClick);
    button(QStringLiteral("刷新房间"), "refreshButton", &TFormftgl::refreshClick);
    auto *back = namedButton(this, QStringLiteral("返回"), "returnButton");
    connect(back, &QPushButton::clicked, this, &QWidget::close);
    bar->addWidget(back);
    bar->addStretch();
    static_cast<QVBoxLayout *>(layout())->addLayout(bar);
}

void TFormftgl::buildList()
{
    m_thumbnails = new QListWidget(this);
    m_thumbnails->setObjectName("thumbnails");
    m_thumbnails->setAccessibleName(QStringLiteral("房间"));
    m_thumbnails->setViewMode(QListView::IconMode);
    m_thumbnails->setIconSize(QSize(thumbnailSize, thumbnailSize));
    m_thumbnails->setGridSize(QSize(thumbnailSize + 30, thumbnailSize + 34));
    m_thumbnails->setMovement(QListView::Static);
    m_thumbnails->setResizeMode(QListView::Adjust);
    m_thumbnails->setUniformItemSizes(true);
    m_thumbnails->setWordWrap(true);
    m_thumbnails->setSelectionMode(QAbstractItemView::SingleSelection);
    m_thumbnails->viewport()->installEventFilter(this);
    connect(m_thumbnails, &QListWidget::itemSelectionChanged, this, &TFormftgl::selectionChanged);
    connect(m_thumbnails, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { itemClicked(m_thumbnails->row(item)); });
    connect(m_thumbnails, &QListWidget::itemDoubleClicked, this, [this] { chargeSelected(true); });
    static_cast<QVBoxLayout *>(layout())->addWidget(m_thumbnails, 1);
}

// The three pictures are read once; every rebuild shares them.
void TFormftgl::loadPictures()
{
    for (RoomPicture p : {RoomPicture::Idle, RoomPicture::Let, RoomPicture::Booked}) {
        QPixmap picture(programFolder() + pictureFile(p));
        if (!picture.isNull())
            picture = picture.scaled(thumbnailSize, thumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        m_pictures[size_t(p)] = QIcon(picture);
    }
}

void TFormftgl::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TFormftgl::closeEvent(QCloseEvent *event)
{
    Timer1->stop();
    closeNotice();
    for (Statement *q : {&dbhouse().qcx4, &dbhouse().qls, &dbhouse().qtc, &dbhouse().qs, &dbhouse().qd})
        q->close();
    QWidget::closeEvent(event);
}

// ---- Opening and rebuilding ----

void TFormftgl::FormShow()
{
    m_position = -1;
    fillUsageFilter();
    fillRoomNumbers();
    usageFilter->setCurrentIndex(0);
    rebuild();
    Timer1->start();
}

void TFormftgl::fillUsageFilter()
{
    auto &q = dbhouse().qcx;
    begin(q, QStringLiteral("select * from zf_fjfzszb where fzbz= :fzbz order by iid"));
    q.param(QStringLiteral("fzbz")) = QStringLiteral("房间用途");
    q.open();
    QStringList items = {QStringLiteral("所有")};
    for (int r = 0; r < q.recordCount(); ++r)
        items << q.fieldAt(r, QStringLiteral("fznr")).asString();
    q.close();
    usageFilter->clear();
    usageFilter->addItems(items);
}

void TFormftgl::fillRoomNumbers()
{
    auto &q = dbhouse().qcx;
    begin(q, QStringLiteral("select * from zf_fjb  order by iid"));
    q.open();
    QStringList numbers;
    numbers.reserve(q.recordCount());
    for (int r = 0; r < q.recordCount(); ++r)
        numbers << q.fieldAt(r, QStringLiteral("fjbh")).asString();
    q.close();
    roomNumberBox->clear();
    roomNumberBox->addItems(numbers);
    roomNumberBox->setCurrentIndex(-1);
    roomNumberBox->setEditText(QString());
}

void TFormftgl::rebuild(bool restoreScroll)
{
    const int item = usageFilter->currentIndex();
    if (item < 0)
        return;
    try {
        auto &q = dbhouse().qcx4;
        if (item == 0) {
            begin(q, QStringLiteral("select * from zf_fjb order by iid"));
        } else {
            begin(q, QStringLiteral("select * from zf_fjb where fjyt= :fjyt order by iid"));
            q.param(QStringLiteral("fjyt")) = usageFilter->currentText();
        }
        q.open();
        fillThumbnails(q, q.recordCount(), restoreScroll);
    } catch (const std::exception &) {
        // A refresh that fails leaves the board as it was; the next one tries again.
    }
}

void TFormftgl::fillThumbnails(const Statement &q, int maxRows, bool restoreScroll)
{
    const RowSet &rows = q.rows();
    const int fjbh = rows.columnIndex(QStringLiteral("fjbh")), fjyt = rows.columnIndex(QStringLiteral("fjyt")),
              fjzt = rows.columnIndex(QStringLiteral("fjzt")), fjydzt = rows.columnIndex(QStringLiteral("fjydzt"));
    if (maxRows > 0 && (fjbh < 0 || fjyt < 0 || fjzt < 0 || fjydzt < 0))
        throw DbError(QStringLiteral("zf_fjb: 字段不全"));

    // Painting waits until the list, its selection and its scroll position are all back, so the
    // person sees one finished picture instead of an empty list filling up.
    m_thumbnails->setUpdatesEnabled(false);
    m_programSelects = true;
    m_thumbnails->clear();
    for (int r = 0; r < maxRows; ++r) {
        const RoomPicture picture =
            roomPicture(rows.field(r, fjzt).asString(), rows.field(r, fjydzt).asString());
        auto *item = new QListWidgetItem(m_pictures[size_t(picture)],
                                         thumbnailCaption(rows.field(r, fjbh).asString(), rows.field(r, fjyt).asString()));
        item->setData(Qt::UserRole, int(picture));
        m_thumbnails->addItem(item);
    }
    selectRemembered();
    if (restoreScroll) {
        m_thumbnails->doItemsLayout();
        m_thumbnails->horizontalScrollBar()->setValue(m_scroll.x());
        m_thumbnails->verticalScrollBar()->setValue(m_scroll.y());
    }
    m_programSelects = false;
    m_thumbnails->setUpdatesEnabled(true);
}

// The position, not the room: after the list changed another room may stand there.
void TFormftgl::selectRemembered()
{
    if (m_position >= 0 && m_position < m_thumbnails->count())
        m_thumbnails->setCurrentRow(m_position);
}

void TFormftgl::Timer1Timer()
{
    Timer1->stop();
    if (usageFilter->currentIndex() < 0)
        usageFilter->setCurrentIndex(0);
    rebuild(true);
    Timer1->start();
}

void TFormftgl::refreshClick()
{
    Timer1->stop();
    rebuild();
    Timer1->start();
}

void TFormftgl::classifyClick()
{
    if (usageFilter->currentIndex() < 0)
        usageFilter->setCurrentIndex(0);
    Timer1->stop();
    rebuild();
    Timer1->start();
}

// The found room alone stays on the board: the refresh stays off until the operator asks for
// the whole board again.
void TFormftgl::quickSearchClick()
{
    const QString fjbh = roomNumberBox->currentText();
    if (fjbh.isEmpty()) {
        prompter().notice(QStringLiteral("房间号不能为空！"));
        return;
    }
    Timer1->stop();
    try {
        auto &q = dbhouse().qcx4;
        begin(q, QStringLiteral("select * from zf_fjb where fjbh= :fjbh "));
        q.param(QStringLiteral("fjbh")) = fjbh;
        q.open();
        // A number that is not in the register leaves the board empty.
        fillThumbnails(q, std::min(1, q.recordCount()), false);
    } catch (const std::exception &) {
    }
}

// ---- Selecting a room ----

void TFormftgl::selectionChanged()
{
    if (m_programSelects)
        return;
    const QList<QListWidgetItem *> selected = m_thumbnails->selectedItems();
    if (!selected.isEmpty())
        userSelected(m_thumbnails->row(selected.first()));
}

// A click on the room that is already selected shows its details again.
void TFormftgl::itemClicked(int row)
{
    if (row >= 0 && row == m_rowAtPress)
        userSelected(row);
}

bool TFormftgl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_thumbnails->viewport() && event->type() == QEvent::MouseButtonPress)
        m_rowAtPress = hasSelection() ? m_thumbnails->currentRow() : -1;
    return QWidget::eventFilter(watched, event);
}

void TFormftgl::userSelected(int row)
{
    if (m_thumbnails->count() == 0 || row < 0)
        return;
    m_position = row;
    m_scroll = QPoint(m_thumbnails->horizontalScrollBar()->value(), m_thumbnails->verticalScrollBar()->value());
    showNotice(roomNumberOfCaption(m_thumbnails->item(row)->text()));
}

void TFormftgl::showNotice(const QString &fjbh)
{
    auto &q = dbhouse().qls;
    begin(q, QStringLiteral("select * from zf_fjb where fjbh= :fjbh "));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.open();
    auto &t = dbhouse().qtc;
    begin(t, QStringLiteral("select sum(ssje) as expr1001 from zf_fjsfmxb where fjbh= :fjbh and fkiid= :fkiid "));
    t.param(QStringLiteral("fjbh")) = fjbh;
    t.param(QStringLiteral("fkiid")) = q.field(QStringLiteral("fkiid")).asInteger();
    t.open();
    const RoomNoticeText content = roomNoticeText(q, t.field(QStringLiteral("expr1001")).asFloat());
    t.close();
    closeNotice();
    m_notice = new RoomNotice(content.title, content.text, this);
    m_notice->popUp();
}

RoomNotice *TFormftgl::notice() const
{
    return m_notice && m_notice->isVisible() ? m_notice.data() : nullptr;
}

void TFormftgl::closeNotice()
{
    if (m_notice)
        m_notice->close();
}

bool TFormftgl::hasSelection() const
{
    const QListWidgetItem *item = m_thumbnails->currentItem();
    return item && item->isSelected();
}

QString TFormftgl::selectedCaption() const
{
    return hasSelection() ? m_thumbnails->currentItem()->text() : QString();
}

// ---- Reading the room ----

TFormftgl::Room TFormftgl::readRoom(const QString &fjbh) const
{
    auto &q = dbhouse().qcx;
    begin(q, QStringLiteral("select * from zf_fjb where fjbh= :fjbh "));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.open();
    auto text = [&q](const char *column) { return q.field(QString::fromLatin1(column)).asString(); };
    auto whole = [&q](const char *column) { return int(q.field(QString::fromLatin1(column)).asInteger()); };
    Room room;
    room.fjbh = fjbh;
    room.fjmc = text("fjmc");
    room.fjlx = text("fjlx");
    room.fjyt = text("fjyt");
    room.czlx = text("czlx");
    room.fjzt = text("fjzt");
    room.fjydzt = text("fjydzt");
    room.fkxm = text("fkxm");
    room.yzjg = q.field(QStringLiteral("yzjg")).asFloat();
    room.rzjg = q.field(QStringLiteral("rzjg")).asFloat();
    room.fkiid = whole("fkiid");
    room.rs = whole("rs");
    room.yfsl = whole("yfsl");
    room.zqts = whole("zqts");
    room.ksrq = q.field(QStringLiteral("ksrq")).asDate();
    room.dqrq = q.field(QStringLiteral("dqrq")).asDate();
    q.close();
    return room;
}

TFormftgl::Booking TFormftgl::readBooking(const QString &fjbh) const
{
    auto &q = dbhouse().qls;
    begin(q, QStringLiteral("select * from zf_ydb where fjbh= :fjbh   "));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.open();
    Booking b;
    b.yj = q.field(QStringLiteral("yj")).asFloat();
    b.ksrq = q.field(QStringLiteral("ksrq")).asDate();
    b.jsrq = q.field(QStringLiteral("jsrq")).asDate();
    b.tell = q.field(QStringLiteral("tell")).asString();
    b.bz = q.field(QStringLiteral("bz")).asString();
    q.close();
    return b;
}

// Pending check-out lines: the room is being checked out and is settled in the charging window.
bool TFormftgl::inCheckOut(const QString &fjbh) const
{
    auto &q = dbhouse().qcx;
    begin(q, QStringLiteral("select count(*) as expr1001 from zf_fjsfmxlsb where fjbh= :fjbh and tzbz= :tzbz "));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.param(QStringLiteral("tzbz")) = QStringLiteral("1");
    q.open();
    const bool pending = q.field(QStringLiteral("expr1001")).asInteger() != 0;
    q.close();
    return pending;
}

// ---- Charging ----

void TFormftgl::chargeClick()
{
    chargeSelected(false);
}

void TFormftgl::chargeSelected(bool fromDoubleClick)
{
    if (!hasSelection())
        return;
    chargeRoom(roomNumberOfCaption(selectedCaption()), fromDoubleClick);
}

// The refresh keeps running behind the charging window.
void TFormftgl::chargeRoom(const QString &fjbh, bool fromDoubleClick)
{
    closeNotice();
    if (readRoom(fjbh).fjzt == idle) {
        prompter().notice(fromDoubleClick ? QStringLiteral("此房间还没有出租，不能收费,请先进行出租操作！")
                                          : QStringLiteral("此房间还没有出租，不能收费！"));
        return;
    }
    TFormfjsf::chargeRoom(fjbh, this);
}

// ---- Renting out ----

void TFormftgl::rentClick()
{
    if (!hasSelection()) {
        prompter().notice(QStringLiteral("请您先选择一个房间！"));
        return;
    }
    closeNotice();
    RebuildAtEnd atEnd(*this);
    const QString fjbh = roomNumberOfCaption(selectedCaption());
    if (inCheckOut(fjbh)) {
        prompter().notice(QStringLiteral("此房间已进入退租状态，需先进行退租结算处理"));
        chargeRoom(fjbh, false);
        return;
    }
    Timer1->stop();
    const Room room = readRoom(fjbh);
    if (room.fjzt != idle) {
        prompter().notice(QStringLiteral("此房间已租,请进行续租操作！"));
        return;
    }
    if (room.fjydzt == idle)
        rentOut(room);
    else
        rentOutBooked(room);
}

bool TFormftgl::rentOut(const Room &room, const Booking *booking)
{
    TFormczxzgl window(this);
    showRoomTerms(window, room);
    if (booking) {
        window.showBookingDeposit(booking->yj);
        window.setStartDate(booking->ksrq);
        window.setEndDate(booking->jsrq);
    }
    processFlags().roomLet = false;
    window.exec();
    return processFlags().roomLet;
}

void TFormftgl::showRoomTerms(LeaseForm &window, const Room &room)
{
    window.setRoom(room.fjbh, room.fjmc, room.fjlx);
    window.setLetByMonth(room.letByMonth());
    window.setPrice(room.price());
}

// A booked room is let to the guest who booked it: once the lease is saved the booking is done.
void TFormftgl::rentOutBooked(const Room &room)
{
    const Booking booking = readBooking(room.fjbh);
    if (!prompter().ask(QStringLiteral("此房间被预订了，请您确定是否是预订的客人来租房,预定客人信息电话：") + booking.tell +
                        QStringLiteral("  ") + booking.bz,
                        QStringLiteral("询问")))
        return;
    if (rentOut(room, &booking))
        removeBooking(room.fjbh);
}

void TFormftgl::removeBooking(const QString &fjbh)
{
    auto &q = dbhouse().qd;
    Transaction t(dbhouse().adoacccon);
    begin(q, QStringLiteral("delete from zf_ydb where fjbh= :fjbh  "));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.execSQL();
    begin(q, QStringLiteral("update zf_fjb set fjydzt= :fjydzt where fjbh= :fjbh "));
    q.param(QStringLiteral("fjydzt")) = idle;
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.execSQL();
    t.commit();
}

// ---- Renewal and check-out ----

void TFormftgl::renewClick()
{
    if (!hasSelection()) {
        prompter().notice(QStringLiteral("请您先选择一个房间！"));
        return;
    }
    const QString fjbh = roomNumberOfCaption(selectedCaption());
    if (inCheckOut(fjbh)) {
        prompter().notice(QStringLiteral("此房间已进入退租状态，需先进行退租结算处理"));
        chargeRoom(fjbh, false);
        return;
    }
    closeNotice();
    Timer1->stop();
    RebuildAtEnd atEnd(*this);
    const Room room = readRoom(fjbh);
    if (room.fjzt == idle) {
        prompter().notice(QStringLiteral("此房间还没有出租，不能续租！"));
        return;
    }
    renew(room);
}

void TFormftgl::renew(const Room &room)
{
    TFormxzgl window(this);
    showRoomTerms(window, room);
    window.setTenant(room.fkxm, room.fkiid);
    window.setOccupants(room.rs);
    window.findChild<QLineEdit *>(QStringLiteral("Edit8"))->setText(lastSettledReading(room.fjbh, Meter::Electricity));
    window.findChild<QLineEdit *>(QStringLiteral("Edit9"))->setText(lastSettledReading(room.fjbh, Meter::Water));
    // The new period starts the day after the current one ends.
    window.setStartDate(room.dqrq.addDays(1));
    window.exec();
}

void TFormftgl::checkOutClick()
{
    if (!hasSelection()) {
        prompter().notice(QStringLiteral("请您先选择一个房间！"));
        return;
    }
    const QString fjbh = roomNumberOfCaption(selectedCaption());
    closeNotice();
    // The check-out lines are written already; they are settled in the charging window.
    if (inCheckOut(fjbh)) {
        chargeRoom(fjbh, false);
        rebuild();
        return;
    }
    RebuildAtEnd atEnd(*this);
    Timer1->stop();
    const Room room = readRoom(fjbh);
    if (room.fjzt != QStringLiteral("已租")) {
        prompter().notice(QStringLiteral("此房间不是已租状态，不能退租！"));
        return;
    }
    checkOut(room);
}

void TFormftgl::checkOut(const Room &room)
{
    TFormtzgl window(this);
    showRoomTerms(window, room);
    window.setTenant(room.fkxm, room.fkiid);
    window.setOccupants(room.rs);
    window.setStartDate(room.ksrq);
    window.setEndDate(room.dqrq);
    window.setCount(room.yfsl);
    window.setLeaseDays(room.zqts);
    window.setNote(QString());
    window.exec();
}

// ---- Cancelling a letting ----

void TFormftgl::cancelLeaseClick()
{
    if (!hasSelection()) {
        prompter().notice(QStringLiteral("请您先选择一个房间编号！"));
        return;
    }
    const QString caption = selectedCaption().trimmed();
    const QString fjbh = roomNumberOfCaption(caption);
    RebuildAtEnd atEnd(*this);
    Timer1->stop();
    if (!prompter().ask(QStringLiteral("您确定要取消房间号为：") + caption + QStringLiteral("的出租吗"),
                        QStringLiteral("询问")))
        return;
    const Room room = readRoom(fjbh);
    if (room.fjzt == idle) {
        prompter().notice(QStringLiteral("此房间号是空闲状态，不用取消！"));
        return;
    }
    cancelLetting(room);
}

// The letting is undone as if it had not happened: its charges, its history and the tenant's
// residence go; receipts already printed stay. All of it or nothing is written.
void TFormftgl::cancelLetting(const Room &room)
{
    auto &q = dbhouse().qup;
    Transaction t(dbhouse().adoacccon);
    begin(q, QStringLiteral("delete from zf_fjsfmxlsb where fjbh= :fjbh "));
    q.param(QStringLiteral("fjbh")) = room.fjbh;
    q.execSQL();
    for (const QString &table : {QStringLiteral("zf_fjsfmxb"), QStringLiteral("zf_fjczbakb")}) {
        begin(q, QStringLiteral("delete from %1 where fjbh= :fjbh and fkiid= :fkiid  ").arg(table));
        q.param(QStringLiteral("fjbh")) = room.fjbh;
        q.param(QStringLiteral("fkiid")) = room.fkiid;
        q.execSQL();
    }
    // The room's tenant by id: another tenant of the same name keeps his room.
    begin(q, QStringLiteral("update zf_fkxxb set sfrz= :sfrz where iid= :iid "));
    q.param(QStringLiteral("sfrz")) = QStringLiteral("否");
    q.param(QStringLiteral("iid")) = room.fkiid;
    q.execSQL();
    begin(q, QStringLiteral("update zf_fjb set fjzt= :fjzt,yjrq= :yjrq,fkxm= :fkxm where fjbh= :fjbh "));
    q.param(QStringLiteral("fjzt")) = idle;
    q.param(QStringLiteral("yjrq")) = today().addDays(900);
    q.param(QStringLiteral("fkxm")) = QString();
    q.param(QStringLiteral("fjbh")) = room.fjbh;
    q.execSQL();
    t.commit();
}
