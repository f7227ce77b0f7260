// The FSK transmit dialog.
#include "ktcticonfig/ui/FskDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLayout>

namespace ktcticonfig {

FskDialog::FskDialog(GlobalSettings &settings, QWidget *parent) : QDialog(parent), m_settings(settings), m_form(this, 1)
{
    setWindowTitle(tr("FSK Send Setting"));
    QFormLayout *g = m_form.group({}, 0);
    m_form.text(g, tr("Carrier frequency for bit 0:"), "FSKConfig", "FreqBit0");
    m_form.text(g, tr("Carrier frequency for bit 1:"), "FSKConfig", "FreqBit1");
    m_form.text(g, tr("Baudrate:"), "FSKConfig", "Baudrate");
    m_form.text(g, tr("modulated amplitude:"), "FSKConfig", "MdlAmp");
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FskDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FskDialog::reject);
    layout()->addWidget(buttons);
    m_form.finish();
    m_form.load(settings);
}

void FskDialog::accept()
{
    m_form.store(m_settings);
    QDialog::accept();
}

} // namespace ktcticonfig
