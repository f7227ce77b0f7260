// The three small dialogs of the management window: the remark of a task, its number, and one new
// task typed in.
#pragma once

#include "server/settings/Dialogs.h"

#include <QDialog>
#include <QString>
#include <QVariant>

class QDateEdit;
class QLineEdit;
class QTimeEdit;

namespace server {

class TDM;

/// "添加备注": the number and name shown, the remark edited; OK stores it at once.
class TFrmAddNotes : public QDialog
{
    Q_OBJECT

public:
    TFrmAddNotes(TDM &dm, Dialogs &dialogs, QVariant id, const QString &number, const QString &name,
                 const QString &remark, QWidget *parent = nullptr);
    void btOkClick();

private:
    TDM &m_dm;
    Dialogs &m_dialogs;
    QVariant m_id;
    QLineEdit *m_remark;
};

/// "修改通知号码": the task's number, digits only; OK stores it at once.
class TFrmModAdNotice : public QDialog
{
    Q_OBJECT

public:
    TFrmModAdNotice(TDM &dm, Dialogs &dialogs, QVariant id, const QString &number, QWidget *parent = nullptr);
    void btOkClick();

private:
    TDM &m_dm;
    Dialogs &m_dialogs;
    QVariant m_id;
    QLineEdit *m_number;
};

/// "新增广告通知数据": one task with its number, planned time, name, identity card number and birthday.
class TFrmAddAdNotice : public QDialog
{
    Q_OBJECT

public:
    /// now: "yyyy-mm-dd hh:mm:ss", the time the pickers start at and the task's insert time.
    TFrmAddAdNotice(TDM &dm, Dialogs &dialogs, const QString &now, QWidget *parent = nullptr);
    void btOkClick();

private:
    TDM &m_dm;
    Dialogs &m_dialogs;
    QString m_now;
    QLineEdit *m_number;
    QDateEdit *m_planDay;
    QTimeEdit *m_planTime;
    QLineEdit *m_name;
    QLineEdit *m_userId;
    QLineEdit *m_birthday;
};

} // namespace server
