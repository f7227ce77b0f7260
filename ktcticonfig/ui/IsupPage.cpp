// The ISUP options page.
#include "ktcticonfig/ui/IsupPage.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace ktcticonfig {

IsupPage::IsupPage(PageHost &host, QWidget *parent) : SectionPage(host, 2, parent)
{
    addKeys(m_form.group(tr("ISUP Options"), 0), KeyGroup::Isup, "ISUP");
    m_form.column(0)->addStretch();
    ListColumns pcms;
    pcms.list = listIndex("ISUP", "TotalIsupPcm");
    pcms.headers = {tr("IsupPcm"), tr("LocalPcm")};
    pcms.fields = {tr("IsupPcm:"), tr("LocalPcm:")};
    pcms.modifyMessage = "Select the linker to be modified!";
    pcms.deleteMessage = "Select the linker to be deleted!";
    addList(1, tr("ISUP PCM List"), std::move(pcms));
    m_form.column(1)->addStretch();
    m_form.finish();
}

} // namespace ktcticonfig
