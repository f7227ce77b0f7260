// The bar chart of a statistics row: one bar per counted status, labelled with the status's text.
#pragma once

#include "server/data/DataStat.h"

#include <QtCharts/QChartView>

#include <optional>

class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

namespace server {

class StatChart : public QChartView
{
    Q_OBJECT

public:
    explicit StatChart(QWidget *parent = nullptr);

    /// Draws the row; nothing draws no bars.
    void setRow(const std::optional<StatRow> &row);

    /// The labels of the bars, left to right.
    QStringList categories() const;
    /// The heights of the bars, left to right; empty while no row is drawn.
    QList<qreal> values() const;

private:
    QBarSet *m_set;
    QBarCategoryAxis *m_categories;
    QValueAxis *m_axis;
};

} // namespace server
