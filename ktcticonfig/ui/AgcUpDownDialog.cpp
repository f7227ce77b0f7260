// The two-direction AGC dialog.
#include "ktcticonfig/ui/AgcUpDownDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLayout>

namespace ktcticonfig {

AgcUpDownDialog::AgcUpDownDialog(BoardOptions &options, QWidget *parent)
    : QDialog(parent), m_options(options), m_form(this, 2)
{
    setWindowTitle(tr("AGC Setting"));
    const struct
    {
        const char *label;
        const char *key;
    } rows[] = {
        {QT_TR_NOOP("Maximum gain:"), "AGCMAXGAIN"},    {QT_TR_NOOP("Minimum gain:"), "AGCMINGAIN"},
        {QT_TR_NOOP("Maximum level:"), "AGCMAXLEVEL"},  {QT_TR_NOOP("Minimum level:"), "AGCMINLEVEL"},
        {QT_TR_NOOP("Decrease step:"), "AGCDOWNRATIO"}, {QT_TR_NOOP("Increase step:"), "AGCUPRATIO"},
        {QT_TR_NOOP("Duration:"), "AGCKEEPTIME"},
    };
    const char *directions[] = {QT_TR_NOOP("UpLink"), QT_TR_NOOP("DownLink")};
    const char *suffixes[] = {"UPLINK", "DOWNLINK"};
    for (int d = 0; d < 2; ++d) {
        QFormLayout *g = m_form.group(tr(directions[d]), d);
        for (const auto &row : rows)
            m_form.boardText(g, tr(row.label), std::string(row.key) + suffixes[d]);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &AgcUpDownDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AgcUpDownDialog::reject);
    layout()->addWidget(buttons);
    m_form.finish();
    m_form.load(m_unused, &options);
}

void AgcUpDownDialog::accept()
{
    m_form.store(m_unused, &m_options);
    QDialog::accept();
}

} // namespace ktcticonfig
