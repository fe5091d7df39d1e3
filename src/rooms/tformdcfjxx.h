// Room picker: a modal list of the rooms the caller looked up; the room under the cursor when it
// closes is the one taken.
#pragma once
#include <QDialog>

class ResultGrid;

class TFormdcfjxx : public QDialog
{
    Q_OBJECT
public:
    // Shows the rows of qfjcx, which the caller has opened.
    explicit TFormdcfjxx(QWidget *parent = nullptr);
    ResultGrid *grid() const { return m_grid; }

private:
    ResultGrid *m_grid;
};
