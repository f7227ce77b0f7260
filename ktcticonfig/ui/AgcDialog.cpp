// The single AGC dialog.
#include "ktcticonfig/ui/AgcDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLayout>
#include <QLineEdit>

namespace ktcticonfig {

AgcDialog::AgcDialog(BoardOptions &options, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_options(options), m_form(this, 1)
{
    setWindowTitle(tr("AGC Setting"));
    QFormLayout *g = m_form.group({}, 0);
    KeyForm::checkOnLeave(m_form.boardText(g, tr("Maximum gain:"), "AGCMAXGAIN",
                                           tr("Maximum gain for AGC. Range: 1 to 255, default value:255")),
                          kAgcMaxGainCheck, dialogs);
    KeyForm::checkOnLeave(m_form.boardText(g, tr("Minimum gain:"), "AGCMINGAIN",
                                           tr("Minimum gain for AGC. Range: 1 to 255, default value:6")),
                          kAgcMinGainCheck, dialogs);
    m_form.boardText(g, tr("Maximum level:"), "AGCMAXLEVEL", tr("Maximum output level"));
    m_form.boardText(g, tr("Minimum level:"), "AGCMINLEVEL", tr("Minimum output level"));
    m_form.boardText(g, tr("Decrease step:"), "AGCDOWNRATIO",
                     tr("Specifies the decrease step of AGC gain. Range: 1-99. Default: 35."));
    m_form.boardText(g, tr("Increase step:"), "AGCUPRATIO",
                     tr("Specifies the increase step of AGC gain. Range: 1-99. Default: 1."));
    m_form.boardText(g, tr("Duration:"), "AGCKEEPTIME");
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &AgcDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AgcDialog::reject);
    layout()->addWidget(buttons);
    m_form.finish();
    m_form.load(m_unused, &options);
}

void AgcDialog::accept()
{
    m_form.store(m_unused, &m_options);
    QDialog::accept();
}

} // namespace ktcticonfig
