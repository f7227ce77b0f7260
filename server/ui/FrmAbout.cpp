// The About window and its lines.
#include "server/ui/FrmAbout.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace server {

namespace {

QLabel *line(const std::string &text, const char *name)
{
    auto *label = new QLabel(QString::fromStdString(text));
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

TFrmAbout::TFrmAbout(const Settings &settings, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("关于..."));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    QLabel *title = line(settings.Title, "lbTitle");
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.8);
    title->setFont(big);
    title->setStyleSheet(QStringLiteral("color: red"));
    title->setAlignment(Qt::AlignCenter);

    auto *lines = new QFormLayout;
    lines->setLabelAlignment(Qt::AlignRight);
    lines->addRow(QStringLiteral("版本："), line(settings.Version, "lbVersion"));
    lines->addRow(line(settings.Company, "lbCompany"));
    lines->addRow(QStringLiteral("地址："), line(settings.Address, "lbAddress"));
    lines->addRow(QStringLiteral("电话："), line(settings.Telphone, "lbTelphone"));
    lines->addRow(QStringLiteral("传真："), line(settings.Faxphone, "lbFaxphone"));
    lines->addRow(QStringLiteral("网站："), line(settings.NetAdd, "lbNetAdd"));
    lines->addRow(QStringLiteral("Email："), line(settings.Email, "lbEmail"));

    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(QStringLiteral("确定(&O)"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btOk"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addSpacing(12);
    layout->addLayout(lines);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

} // namespace server
