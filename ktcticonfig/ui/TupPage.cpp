// The TUP Options page.
#include "ktcticonfig/ui/TupPage.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace ktcticonfig {

TupPage::TupPage(PageHost &host, QWidget *parent) : SectionPage(host, 1, parent)
{
    addKeys(m_form.group(tr("TUP Options"), 0), KeyGroup::Tup, "TUP");
    m_form.column(0)->addStretch();
    m_form.finish();
}

} // namespace ktcticonfig
