// The row dialog of the list editors.
#include "ktcticonfig/ui/ListRowDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include <algorithm>

namespace ktcticonfig {

ListRowDialog::ListRowDialog(const QStringList &labels, const std::vector<int> &checks, const QStringList &values,
                             QWidget *parent)
    : QDialog(parent)
{
    auto *form = new QFormLayout(this);
    for (int i = 0; i < labels.size(); ++i) {
        const QString value = i < values.size() ? values[i] : QString();
        if (std::find(checks.begin(), checks.end(), i) != checks.end()) {
            auto *box = new QCheckBox(labels[i]);
            box->setChecked(value.toInt() != 0);
            form->addRow(box);
            m_controls.push_back(box);
        } else {
            auto *edit = new QLineEdit(value);
            form->addRow(labels[i], edit);
            m_controls.push_back(edit);
        }
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ListRowDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ListRowDialog::reject);
    form->addRow(buttons);
}

QStringList ListRowDialog::values() const
{
    QStringList out;
    for (QWidget *w : m_controls) {
        if (auto *box = qobject_cast<QCheckBox *>(w))
            out << (box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        else
            out << static_cast<QLineEdit *>(w)->text();
    }
    return out;
}

} // namespace ktcticonfig
