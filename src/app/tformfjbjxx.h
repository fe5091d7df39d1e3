// Expiry alarm window: the rooms whose warning date has come, with export to a spreadsheet.
#pragma once
#include <QWidget>

class QGroupBox;
class QPushButton;
class ResultGrid;

class TFormfjbjxx : public QWidget
{
    Q_OBJECT
public:
    explicit TFormfjbjxx(QWidget *parent = nullptr);

    ResultGrid *grid() const { return m_grid; }

public slots:
    // "导出Excel"
    void exportClick();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QGroupBox *m_frame;
    ResultGrid *m_grid;
    QPushButton *m_export;
};
