// Tenant list: search by name or telephone with the residence filter, add, edit, delete,
// photo display and export to a spreadsheet.
#pragma once
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class ResultGrid;

class TFormfkcx : public QWidget
{
    Q_OBJECT
public:
    explicit TFormfkcx(QWidget *parent = nullptr);

public slots:
    void FormShow();
    void addClick();
    void editClick();
    void deleteClick();
    void exportClick();
    void searchClick();
    void gridCellClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showRowCount();
    bool hasRows() const;

    QLineEdit *m_search;
    QComboBox *m_residence;
    QLabel *m_photo;
    ResultGrid *m_grid;
    QLabel *m_count;
    bool m_shown = false;
};
