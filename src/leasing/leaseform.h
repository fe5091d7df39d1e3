// The lease form the renting-out, renewal and check-out windows share: room, tenant, term, rent,
// the date and rent arithmetic, the save checks and the hand-off to the charging window.
#pragma once
#include "leasing/leasechecks.h"
#include "leasing/leaseformtexts.h"
#include "leasing/leaseterms.h"
#include "leasing/leasevalues.h"

#include <QDate>
#include <QDialog>
#include <QString>

class DateBox;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class LeaseForm : public QDialog
{
    Q_OBJECT
public:
    // What the caller (the room status board) fills in before it shows the window. The same boxes
    // can be reached by objectName: Edit1 房间编号, Edit2 房间名称, Edit15 房间类型 (hidden), Edit18
    // 租价, cb1 按月租, rb1 按月, Edit3 房客姓名, editfkiid (hidden tenant id), Edit16 房客人数, Edit6
    // 合同起始, Edit7 end date, ComboBox1 count, Edit14 租期天数, Edit8/Edit9 readings, Edit10 单据备注.
    void setRoom(const QString &fjbh, const QString &fjmc, const QString &fjlx);
    // Ticks (or clears) both "按月租" and "按月" from the room's czlx ("是" = by the month). Runs no
    // mode switch: the count list and the price stay as they are.
    void setLetByMonth(bool byMonth);
    // The price box: yzjg when let by the month, rzjg otherwise.
    void setPrice(double price);
    void setTenant(const QString &fkxm, int fkiid);
    void setOccupants(int rs);
    // An invalid date leaves the box empty.
    void setStartDate(const QDate &date);
    void setEndDate(const QDate &date);
    void setCount(int count);
    void setLeaseDays(int days);
    void setNote(const QString &note);

    // The box texts as the arithmetic and the checks take them.
    LeaseFormTexts texts() const;
    // The hidden receipt serial number made when the window was shown.
    QString serialNumber() const;

public slots:
    // Radio "按月" / "按天" clicked by the operator: unit, count list, price, end date, lease days.
    void rb1Click();
    void rb2Click();
    // The count was typed or chosen.
    void ComboBox1Change();
    // Leaving the start or the end date box.
    void Edit6Exit();
    virtual void Edit7Exit();
    // "计算租金" ("计算租金金额" on check-out).
    void computeRent();
    // "保存": the checks, then every write of the window in one transaction.
    void save();
    // "返回".
    virtual void back();

protected:
    LeaseForm(LeaseWindow window, const QString &title, QWidget *parent);

    // What each window does when shown, once, before the operator sees it.
    virtual void FormShow() = 0;
    // The window's writes, run inside one transaction after every check passed and every value
    // was converted.
    virtual void writeLease(const LeaseValues &values) = 0;
    // After the writes were committed: the question, the hand-off or the closing.
    virtual void afterSave(const LeaseValues &values) = 0;
    // The lease days box received a text (renting out prices the rent then).
    virtual void leaseDaysChanged() {}
    // The rent due or the discount changed: the amount received follows.
    virtual void rentDueChanged();
    virtual void discountChanged();
    // Lease days after a date was picked with ">>>" (check-out counts end − start).
    virtual void datePicked();
    // Converts the window's own boxes before anything is written (a bad text throws).
    virtual void convertOwnValues() {}
    // Whether a count change prices the rent (not on check-out).
    virtual bool countChangePricesRent() const { return true; }

    // End date and lease days from the start date and the count; false after "数据格式不对！".
    bool followCount();
    // Lease days = end − start + 1 when both dates are there.
    void followDates();
    void followReceived();
    // Shared steps of the windows' FormShow.
    void resetCountToOneMonth();
    void makeSerialNumber();
    // End date and lease days for `count` months from the start date.
    void showOneTermFrom(const QDate &start);
    void carryOverMeterReadings();
    // The settlement hand-off: "没有收费记录要结算！", or the charging window for the room and then
    // the room, tenant and manual number boxes cleared.
    void settlementHandOff(int fkiid);
    // Writes the pending line of a lease window (rent, or on check-out also the deposit refund).
    struct ChargeLine {
        QString feeName; // Sflx and Fymc
        double unitPrice = 0;
        double quantity = 0;
        double due = 0;
        double discount = 0;
        double received = 0;
        bool checkOut = false; // tzbz "1"
    };
    void insertChargeLine(const LeaseValues &values, const ChargeLine &line);
    // Room row, pending rent line, history row and tenant flag of renting out and renewal.
    void writeLetting(const LeaseValues &values);
    void setTenantResident(int fkiid, bool resident);
    void setFocusTo(LeaseBox box);
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The form's rows for the windows' own boxes below the shared ones.
    QGridLayout *grid() const { return m_grid; }
    int nextRow() const;
    // A caption with its box at (row, column + 1); `placed` is what the grid holds when the box
    // sits inside another widget (a date box), span the columns it takes.
    QLabel *addLabel(const QString &caption, QWidget *buddy, int row, int column, QWidget *placed = nullptr,
                     int span = 1);

    LeaseWindow m_window;
    QLineEdit *Edit1, *Edit2, *Edit15, *Edit18, *editsgdh, *Edit3, *editfkiid, *Edit16;
    DateBox *Edit6, *Edit7;
    QRadioButton *rb1, *rb2;
    QComboBox *ComboBox1;
    QLabel *unitLabel;
    QLineEdit *Edit14, *editysje, *editzkje, *editssje, *Edit8, *Edit9, *Edit10, *editzdlsh;
    QLabel *receivedLabel, *electricityLabel, *waterLabel;
    QCheckBox *cb1;
    QPushButton *computeButton, *saveButton, *backButton;

private:
    void buildForm();
    void buildButtons();
    void modeClicked(LeaseUnit unit);
    void writeBack(const LeaseFormTexts &f);
    void setIfDifferent(QLineEdit *box, const QString &text);
    QGridLayout *m_grid = nullptr;
    bool m_shown = false;
};
