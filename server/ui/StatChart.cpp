// The statistics window's bar chart.
#include "server/ui/StatChart.h"

#include "server/data/NoticeStatus.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QValueAxis>

namespace server {

StatChart::StatChart(QWidget *parent)
    : QChartView(parent), m_set(new QBarSet(QStringLiteral("任务数"))), m_categories(new QBarCategoryAxis),
      m_axis(new QValueAxis)
{
    setObjectName(QStringLiteral("ChartStat"));
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    auto *series = new QBarSeries;
    series->append(m_set);
    chart->addSeries(series);
    for (const StatColumn &c : kStatColumns) {
        const std::string_view text = StatusDescription(c.status);
        m_categories->append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    chart->addAxis(m_categories, Qt::AlignBottom);
    series->attachAxis(m_categories);
    m_axis->setLabelFormat(QStringLiteral("%d"));
    m_axis->setMin(0);
    chart->addAxis(m_axis, Qt::AlignLeft);
    series->attachAxis(m_axis);
    // Each bar carries its count above it.
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));
    m_set->setLabelColor(palette().color(QPalette::WindowText));
    series->setLabelsVisible(true);
    // The view's own first chart is not deleted by the view when another takes its place.
    QChart *first = QChartView::chart();
    setChart(chart);
    delete first;
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(300);
    setRow(std::nullopt);
}

void StatChart::setRow(const std::optional<StatRow> &row)
{
    m_set->remove(0, m_set->count());
    qlonglong highest = 0;
    if (row) {
        for (const qlonglong n : row->counts) {
            m_set->append(static_cast<qreal>(n));
            highest = std::max(highest, n);
        }
        chart()->setTitle(QStringLiteral("统计日期：") + row->StatDate);
    } else {
        chart()->setTitle(QString());
    }
    // Whole numbers on the axis, with room above the highest bar for its label.
    const qlonglong top = std::max<qlonglong>(4, highest + highest / 8 + 1);
    m_axis->setRange(0, static_cast<qreal>(top));
    m_axis->applyNiceNumbers();
    m_axis->setMin(0);
    m_axis->setLabelFormat(QStringLiteral("%d"));
}

QStringList StatChart::categories() const
{
    return m_categories->categories();
}

QList<qreal> StatChart::values() const
{
    QList<qreal> v;
    for (int i = 0; i < m_set->count(); ++i)
        v << m_set->at(i);
    return v;
}

} // namespace server
