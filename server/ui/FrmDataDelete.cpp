// The deletion window.
#include "server/ui/FrmDataDelete.h"

#include "server/data/DataDelete.h"
#include "server/engine/Clock.h"

#include "common/DateTime.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace server {

TFrmDataDelete::TFrmDataDelete(TDM &dm, const Clock &clock, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("FrmDataDelete"));
    setWindowTitle(QStringLiteral("数据删除"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const QDate today =
        QDate::fromString(QString::fromStdString(common::formatDateTime("yyyy-mm-dd", clock.now())), Qt::ISODate);
    const auto day = [](const char *name, const QDate &date) {
        auto *d = new QDateEdit(date);
        d->setObjectName(QLatin1String(name));
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
        return d;
    };
    m_startDay = day("dtStart", today.addMonths(-12));
    m_endDay = day("dtEnd", today);

    auto *conditions = new QGroupBox(QStringLiteral("删除条件"));
    auto *grid = new QGridLayout(conditions);
    grid->addWidget(new QLabel(QStringLiteral("起始日期：")), 0, 0, Qt::AlignRight);
    grid->addWidget(m_startDay, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("终止日期：")), 1, 0, Qt::AlignRight);
    grid->addWidget(m_endDay, 1, 1);
    grid->setColumnStretch(1, 1);

    auto *remove = new QPushButton(QStringLiteral("删除(&D)"));
    remove->setObjectName(QStringLiteral("btDelete"));
    auto *back = new QPushButton(QStringLiteral("返回(&R)"));
    back->setObjectName(QStringLiteral("btReturn"));
    connect(remove, &QPushButton::clicked, this, &TFrmDataDelete::btDeleteClick);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(remove);
    buttons->addWidget(back);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(conditions);
    layout->addLayout(buttons);
    resize(360, sizeHint().height());
}

void TFrmDataDelete::btDeleteClick()
{
    const QString start = m_startDay->date().toString(QStringLiteral("yyyy-MM-dd"));
    const QString end = m_endDay->date().toString(QStringLiteral("yyyy-MM-dd"));
    if (runDataDelete(m_dm, m_dialogs, start, end))
        accept();
}

} // namespace server
