// The SS7 Options page.
#include "ktcticonfig/ui/Ss7Page.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace ktcticonfig {

Ss7Page::Ss7Page(PageHost &host, QWidget *parent) : SectionPage(host, 1, parent)
{
    addKeys(m_form.group(tr("SS7 Options"), 0), KeyGroup::Ss7, "SS7");
    m_form.column(0)->addStretch();
    m_form.finish();
}

} // namespace ktcticonfig
