#include "app/tformfjbjxx.h"

#include "common/gridexport.h"
#include "common/resultgrid.h"
#include "db/tdbhouse.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFormfjbjxx::TFormfjbjxx(QWidget *parent) : QWidget(parent)
{
    setObjectName("Formfjbjxx");
    setWindowTitle("房间到期预警/报警信息");
    setAttribute(Qt::WA_DeleteOnClose);

    m_frame = new QGroupBox("预警房间");
    m_frame->setObjectName("GroupBox1");
    m_grid = new ResultGrid;
    m_grid->setObjectName("DBGrid1");
    m_grid->bind(dbhouse().qyj, {GridColumn::rowNumberColumn(),
                                 {"房间编号", "fjbh", 70},
                                 {"房间名称", "fjmc", 90},
                                 {"房间类型", "fjlx", 70},
                                 {"房间面积", "fjmj", 60},
                                 {"装修情况", "fjzxqk", 70},
                                 {"房间设施", "fjsb", 90},
                                 {"房间用途", "fjyt", 70},
                                 {"合同开始日期", "ksrq", 90},
                                 {"合同到期日期", "dqrq", 90},
                                 {"日租价格", "rzjg", 60},
                                 {"月租价格", "yzjg", 60},
                                 {"电表度数", "dbds", 60},
                                 {"水表度数", "sbds", 60},
                                 {"出租类型", "czlx", 60},
                                 {"房间状态", "fjzt", 60},
                                 {"备注说明", "bzsm", 120},
                                 {"月份数量", "yfsl", 60},
                                 {"租期天数", "zqts", 60}});
    m_export = new QPushButton("导出Excel");
    m_export->setObjectName("exportButton");
    connect(m_export, &QPushButton::clicked, this, &TFormfjbjxx::exportClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_export);
    auto *inFrame = new QVBoxLayout(m_frame);
    inFrame->addWidget(m_grid);
    inFrame->addLayout(buttons);
    auto *all = new QVBoxLayout(this);
    all->setContentsMargins(4, 4, 4, 4);
    all->addWidget(m_frame);
}

void TFormfjbjxx::exportClick()
{
    const auto &q = dbhouse().qyj;
    if (q.isOpen() && !q.isEmpty())
        exportGrid(*m_grid);
}

void TFormfjbjxx::closeEvent(QCloseEvent *event)
{
    dbhouse().qydq.close();
    dbhouse().qyj.close();
    QWidget::closeEvent(event);
}
