// Room list: search, add, edit, delete and export the rooms of the register.
#pragma once
#include <QWidget>

class QLineEdit;
class ResultGrid;

class TFormfjxx : public QWidget
{
    Q_OBJECT
public:
    explicit TFormfjxx(QWidget *parent = nullptr);
    ResultGrid *grid() const { return m_grid; }

public slots:
    // Lists every room.
    void FormShow();
    void searchClick();
    void addClick();
    void editClick();
    void deleteClick();
    void exportClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *m_search;
    ResultGrid *m_grid;
    bool m_shown = false;
};
