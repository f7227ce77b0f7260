// The deletion window "数据删除": the notice tasks inserted within a range of days are deleted, after
// two questions.
#pragma once

#include <QDialog>

class QDateEdit;

namespace server {

class Clock;
class Dialogs;
class TDM;

class TFrmDataDelete : public QDialog
{
    Q_OBJECT

public:
    /// The days run from a year before today to today.
    TFrmDataDelete(TDM &dm, const Clock &clock, Dialogs &dialogs, QWidget *parent = nullptr);

    /// "删除(&D)": the questions, the deletion and its message; the window closes once tasks are gone.
    void btDeleteClick();

private:
    TDM &m_dm;
    Dialogs &m_dialogs;
    QDateEdit *m_startDay = nullptr;
    QDateEdit *m_endDay = nullptr;
};

} // namespace server
