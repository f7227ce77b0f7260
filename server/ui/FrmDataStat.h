// The statistics window "数据统计": the notice tasks counted by status over a range of days, as the
// row of t_statdata in its grid and as a bar chart beside it.
#pragma once

#include <QDialog>

class QDateEdit;
class QStandardItemModel;
class QTableView;

namespace server {

class Clock;
class Dialogs;
class TDM;
class StatChart;

class TFrmDataStat : public QDialog
{
    Q_OBJECT

public:
    /// Shows the rows of the last run of this program run, if there was one.
    TFrmDataStat(TDM &dm, const Clock &clock, Dialogs &dialogs, QWidget *parent = nullptr);
    ~TFrmDataStat() override;

    /// "统计&S)": counts the days chosen and shows the new row.
    void btStatClick();

    QTableView &grid() { return *m_grid; }
    StatChart &chart() { return *m_chart; }

private:
    /// The grid and the chart show the rows of the data module's result set.
    void showRows();

    TDM &m_dm;
    const Clock &m_clock;
    Dialogs &m_dialogs;
    QDateEdit *m_startDay = nullptr;
    QDateEdit *m_endDay = nullptr;
    QStandardItemModel *m_rows = nullptr;
    QTableView *m_grid = nullptr;
    StatChart *m_chart = nullptr;
};

} // namespace server
