// The remark, number and add dialogs of the management window.
#include "server/ui/AdNoticeDialogs.h"

#include "server/data/AdNoticeQuery.h"
#include "server/data/TaskImport.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace server {

namespace {

QLineEdit *field(const char *name, const QString &text = {}, bool digitsOnly = false)
{
    auto *edit = new QLineEdit(text);
    edit->setObjectName(QLatin1String(name));
    if (digitsOnly)
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

// The buttons of a dialog: OK calls ok, the other one closes the dialog.
void addButtons(QDialog *dialog, QVBoxLayout *layout, const QString &okText, const QString &closeText,
                const std::function<void()> &ok)
{
    auto *buttons = new QDialogButtonBox;
    QPushButton *okButton = buttons->addButton(okText, QDialogButtonBox::AcceptRole);
    okButton->setObjectName(QStringLiteral("btOk"));
    okButton->setDefault(true);
    QPushButton *close = buttons->addButton(closeText, QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("btClose"));
    QObject::connect(okButton, &QPushButton::clicked, dialog, ok);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    layout->addWidget(buttons);
}

} // namespace

TFrmAddNotes::TFrmAddNotes(TDM &dm, Dialogs &dialogs, QVariant id, const QString &number, const QString &name,
                           const QString &remark, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_dialogs(dialogs), m_id(std::move(id)), m_remark(field("edRemark", remark))
{
    setObjectName(QStringLiteral("FrmAddNotes"));
    setWindowTitle(QStringLiteral("添加备注"));
    auto *form = new QFormLayout;
    QLineEdit *numberEdit = field("edTelphone", number);
    QLineEdit *nameEdit = field("edName", name);
    numberEdit->setReadOnly(true);
    nameEdit->setReadOnly(true);
    form->addRow(QStringLiteral("电话号码："), numberEdit);
    form->addRow(QStringLiteral("姓名："), nameEdit);
    form->addRow(QStringLiteral("备注："), m_remark);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    addButtons(this, layout, QStringLiteral("确定"), QStringLiteral("取消"), [this] { btOkClick(); });
    setMinimumWidth(360);
}

void TFrmAddNotes::btOkClick()
{
    try {
        setAdNoticeRemark(m_dm, m_id, m_remark->text());
    } catch (const DatabaseError &) {
        m_dialogs.show("提示", "保存数据失败！", DialogIcon::Error);
    }
    accept();
}

TFrmModAdNotice::TFrmModAdNotice(TDM &dm, Dialogs &dialogs, QVariant id, const QString &number, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_dialogs(dialogs), m_id(std::move(id)), m_number(field("edTelphone", number, true))
{
    setObjectName(QStringLiteral("FrmModAdNotice"));
    setWindowTitle(QStringLiteral("修改通知号码"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("电话号码："), m_number);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    addButtons(this, layout, QStringLiteral("确定(&O)"), QStringLiteral("返回(&R)"), [this] { btOkClick(); });
    setMinimumWidth(320);
}

void TFrmModAdNotice::btOkClick()
{
    if (m_number->text().trimmed().isEmpty()) {
        m_dialogs.show("注意", "请输入电话号码！", DialogIcon::Error);
        return;
    }
    try {
        setAdNoticeNumber(m_dm, m_id, m_number->text());
    } catch (const DatabaseError &) {
        m_dialogs.show("提示", "保存数据失败！", DialogIcon::Error);
    }
    accept();
}

TFrmAddAdNotice::TFrmAddAdNotice(TDM &dm, Dialogs &dialogs, const QString &now, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_dialogs(dialogs), m_now(now), m_number(field("edTelphone", {}, true)),
      m_planDay(new QDateEdit), m_planTime(new QTimeEdit), m_name(field("edName")), m_userId(field("edUserID")),
      m_birthday(field("edBirthday"))
{
    setObjectName(QStringLiteral("FrmAddAdNotice"));
    setWindowTitle(QStringLiteral("新增广告通知数据"));
    const QDateTime start = QDateTime::fromString(now, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    m_planDay->setObjectName(QStringLiteral("dtPlanDay"));
    m_planDay->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_planDay->setCalendarPopup(true);
    m_planDay->setDate(start.date());
    m_planTime->setObjectName(QStringLiteral("dtPlanTime"));
    m_planTime->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    m_planTime->setTime(start.time());
    auto *plan = new QHBoxLayout;
    plan->addWidget(m_planDay);
    plan->addWidget(m_planTime);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("电话号码："), m_number);
    form->addRow(QStringLiteral("计划通知时间："), plan);
    form->addRow(QStringLiteral("姓名："), m_name);
    form->addRow(QStringLiteral("身份证号码："), m_userId);
    form->addRow(QStringLiteral("生日："), m_birthday);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    addButtons(this, layout, QStringLiteral("确定(&O)"), QStringLiteral("返回(&R)"), [this] { btOkClick(); });
    setMinimumWidth(380);
}

void TFrmAddAdNotice::btOkClick()
{
    if (m_number->text().trimmed().isEmpty()) {
        m_dialogs.show("注意", "电话号码是必须输入的！", DialogIcon::Error);
        return;
    }
    const QString plan = m_planDay->date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') +
                         m_planTime->time().toString(QStringLiteral("HH:mm:ss"));
    try {
        addTask(m_dm, m_number->text(), plan, m_now, m_name->text(), m_userId->text(), m_birthday->text());
    } catch (const DatabaseError &) {
        m_dialogs.show("提示", "保存数据失败！!", DialogIcon::Error);
    }
    accept();
}

} // namespace server
