// The room-charging window: enters the pending charges of a let room and settles them into a receipt.
#pragma once

#include <QDialog>
#include <QString>

class DateBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class ResultGrid;
class Statement;

class TFormfjsf : public QDialog {
    Q_OBJECT
public:
    explicit TFormfjsf(QWidget *parent = nullptr);
    ~TFormfjsf() override;

    // Opens the window modally for a room, prepared from its room row: hidden number, name, type
    // and tenant id, the caption of the charge-lines frame and the pending total in the status bar.
    static void chargeRoom(const QString &fjbh, QWidget *parent = nullptr);

    // Opens the window modally with the four values a lease window hands over after its save.
    static void chargeLease(const QString &fjbh, const QString &fjmc, const QString &fjlx, int fkiid,
                            QWidget *parent = nullptr);

    // Fills the hidden values, the frame caption and the pending total for a room (without showing).
    void prepareForRoom(const QString &fjbh);
    void prepare(const QString &fjbh, const QString &fjmc, const QString &fjlx, int fkiid);

    // The second panel of the status bar sb1: the total of the room's pending lines.
    QString statusTotal() const;

public slots:
    void FormShow();
    void itemChanged(const QString &item);  // the item combo "项目名称"
    void previousReadingClick();            // "上月度数"
    void saveClick();                       // "保存>>"
    void deleteClick();                     // "删除", double-click on the pending grid
    void settleClick();                     // "收费结算收款"
    void pageChanged(int page);
    void pendingMeterRadioClick();          // "电费" / "水费" of "水电收费明细表"
    void settledQueryClick();               // "查询" of "已结算明细"
    void deleteReceiptClick();              // "删除整张收费单据"
    void settledMeterRadioClick();          // "电费" / "水费" of "已结算水电收费明细表"
    void settledMeterQueryClick();          // "查询" of "已结算水电收费明细表"

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildEntryGroup();
    QWidget *buildPendingPage();
    QWidget *buildPendingMeterPage();
    QWidget *buildSettledPage();
    QWidget *buildSettledMeterPage();
    QWidget *buildOccupancyPage();
    void closeStatements();

    bool meterShown() const;
    void showMeterPanel(bool meter);
    void carryOverReading(const QString &item);
    void fillAreaQuantity(double itemPrice);
    void recomputeAmount();
    void recomputeUsage();
    void recomputeMeterAmount();
    bool saveMeterLine(const QString &item, const QString &sflx, const QString &fkxm);
    bool saveOrdinaryLine(const QString &item, const QString &sflx, const QString &fkxm);
    void bindLineValues(Statement &q, const QString &item, const QString &sflx, const QString &fkxm);

    void openPendingLines();
    void refreshPendingTotal();
    void openPendingMeterLines(int blanks);
    void openSettledLines(bool inDateRange);
    void openSettledTotal(bool inDateRange);
    void openSettled(Statement &q, bool inDateRange, const QString &inRangeSql, const QString &allSql);
    void showOccupancy();

    QLineEdit *editfjbh, *editfjmc, *editfjlx, *editfkiid;
    QComboBox *itemBox;
    QWidget *ordinaryPanel, *meterPanel;
    QLineEdit *sgdhBox, *priceBox, *quantityBox, *amountBox, *yearBox, *monthBox;
    QLineEdit *meterYearBox, *meterMonthBox, *meterSgdhBox, *previousBox, *currentBox, *usageBox,
        *meterPriceBox, *meterAmountBox;
    QGroupBox *spSkinGroupBox2;
    QTabWidget *pages;
    ResultGrid *pendingGrid, *pendingMeterGrid, *settledGrid, *settledMeterGrid;
    QStatusBar *sb1, *sb2;
    QLabel *sb1Total, *sb2Total;
    QRadioButton *pendingPower, *pendingWater, *settledPower, *settledWater;
    DateBox *fromDate, *toDate;
    QLineEdit *settledYearBox, *settledMonthBox;
    QLineEdit *occRoom, *occName, *occPrice, *occTenant, *occPeople, *occStart, *occEnd, *occDays,
        *occPower, *occWater, *occNote, *occDeposit;
    QCheckBox *occMonthly;
};
