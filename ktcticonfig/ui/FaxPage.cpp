// The fax options page.
#include "ktcticonfig/ui/FaxPage.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace ktcticonfig {

FaxPage::FaxPage(PageHost &host, QWidget *parent) : SectionPage(host, 1, parent)
{
    QFormLayout *g = m_form.group(tr("FAX Options"), 0);
    m_form.list(g, tr("Select mode:"), "Fax", "FaxCodeMode", {tr("G3"), tr("G4")});
    m_form.list(g, tr("Select baudrate:"), "Fax", "MaxSpeed",
                {tr("4800bps"), tr("9600bps"), tr("14400bps"), tr("33600bps")}, {4800, 9600, 14400, 33600});
    m_form.column(0)->addStretch();
    m_form.finish();
}

} // namespace ktcticonfig
