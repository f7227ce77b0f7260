// The radio button groups of the format dialogs.
#include "server/audio/FormatGroup.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace server::audio {

void nameDialog(QDialog &dialog, const char *name, const QString &caption)
{
    dialog.setObjectName(QLatin1String(name));
    dialog.setWindowTitle(caption);
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QStringList rateItems(std::span<const int> rates)
{
    QStringList items;
    for (int r : rates)
        items << QString::number(r);
    return items;
}

QGroupBox *formatGroup(const QString &title, const QStringList &items, int chosen, int columns, QButtonGroup *&group,
                       QWidget *owner)
{
    auto *box = new QGroupBox(title);
    auto *grid = new QGridLayout(box);
    group = new QButtonGroup(owner);
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i]);
        group->addButton(radio, i);
        grid->addWidget(radio, i / columns, i % columns);
    }
    group->button(chosen)->setChecked(true);
    return box;
}

void addOkCancel(QDialog &dialog, QBoxLayout &layout)
{
    auto *ok = new QPushButton(QStringLiteral("确定"));
    ok->setObjectName(QStringLiteral("btOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("取消"));
    cancel->setObjectName(QStringLiteral("btCancel"));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    layout.addLayout(row);
}

} // namespace server::audio
