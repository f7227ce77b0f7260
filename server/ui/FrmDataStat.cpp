// The statistics window: the days, the run, the grid of t_statdata and its chart.
#include "server/ui/FrmDataStat.h"

#include "server/data/DataStat.h"
#include "server/engine/Clock.h"
#include "server/settings/Dialogs.h"
#include "server/ui/StatChart.h"
#include "server/ui/WaitCursor.h"

#include "common/DateTime.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace server {

namespace {

QDateEdit *dayPicker(const char *name, const QDate &day)
{
    auto *d = new QDateEdit(day);
    d->setObjectName(QLatin1String(name));
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setCalendarPopup(true);
    return d;
}

} // namespace

TFrmDataStat::TFrmDataStat(TDM &dm, const Clock &clock, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_clock(clock), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("FrmDataStat"));
    setWindowTitle(QStringLiteral("数据统计"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    const QDate today =
        QDate::fromString(QString::fromStdString(common::formatDateTime("yyyy-mm-dd", m_clock.now())), Qt::ISODate);
    m_startDay = dayPicker("dtStart", today);
    m_endDay = dayPicker("dtEnd", today);
    auto *stat = new QPushButton(QStringLiteral("统计&S)"));
    stat->setObjectName(QStringLiteral("btStat"));
    auto *back = new QPushButton(QStringLiteral("返回(&R)"));
    back->setObjectName(QStringLiteral("btReturn"));
    connect(stat, &QPushButton::clicked, this, &TFrmDataStat::btStatClick);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);

    auto *conditions = new QGroupBox(QStringLiteral("查询条件"));
    auto *row = new QHBoxLayout(conditions);
    row->addWidget(new QLabel(QStringLiteral("起始日期：")));
    row->addWidget(m_startDay);
    row->addSpacing(16);
    row->addWidget(new QLabel(QStringLiteral("终止日期：")));
    row->addWidget(m_endDay);
    row->addStretch();
    row->addWidget(stat);
    row->addWidget(back);

    m_rows = new QStandardItemModel(0, static_cast<int>(kStatColumns.size()) + 1, this);
    QStringList titles;
    for (const StatColumn &c : kStatColumns)
        titles << QString::fromUtf8(c.title);
    titles << QString::fromUtf8(kStatDateTitle);
    m_rows->setHorizontalHeaderLabels(titles);
    m_grid = new QTableView;
    m_grid->setObjectName(QStringLiteral("DBGridStat"));
    m_grid->setModel(m_rows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    // Two rows high: t_statdata holds one.
    m_grid->setFixedHeight(m_grid->horizontalHeader()->sizeHint().height() + 2 * (fontMetrics().height() + 8) + 4);

    m_chart = new StatChart;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(conditions);
    layout->addWidget(m_grid);
    layout->addWidget(m_chart, 1);
    resize(860, 600);
    showRows();
}

TFrmDataStat::~TFrmDataStat() = default;

void TFrmDataStat::showRows()
{
    const std::vector<StatRow> rows = dataStatRows(m_dm);
    m_rows->removeRows(0, m_rows->rowCount());
    for (const StatRow &r : rows) {
        QList<QStandardItem *> items;
        for (const qlonglong n : r.counts) {
            auto *item = new QStandardItem(QString::number(n));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            items << item;
        }
        items << new QStandardItem(r.StatDate);
        m_rows->appendRow(items);
    }
    m_chart->setRow(rows.empty() ? std::nullopt : std::optional<StatRow>(rows.back()));
}

void TFrmDataStat::btStatClick()
{
    const QString start = m_startDay->date().toString(QStringLiteral("yyyy-MM-dd"));
    const QString end = m_endDay->date().toString(QStringLiteral("yyyy-MM-dd"));
    const QString now = QString::fromStdString(common::formatDateTime("yyyy-mm-dd hh:mm", m_clock.now()));
    QString error;
    DataStatOutcome outcome;
    {
        const WaitCursor wait;
        outcome = runDataStat(m_dm, start, end, now, &error);
    }
    switch (outcome) {
    case DataStatOutcome::StartAfterEnd:
        m_dialogs.show("提示", "起始时间不能大于终止时间!", DialogIcon::Error);
        return;
    case DataStatOutcome::Failed:
        // The grid keeps the last row; the operator must not take it for the days asked.
        m_dialogs.show("错误", "统计数据失败！\n" + error.toStdString(), DialogIcon::Error);
        return;
    case DataStatOutcome::Done:
        showRows();
        return;
    }
}

} // namespace server
