// The ISDN options page.
#include "ktcticonfig/ui/IsdnPage.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace ktcticonfig {

IsdnPage::IsdnPage(PageHost &host, QWidget *parent) : SectionPage(host, 2, parent)
{
    QFormLayout *g = m_form.group(tr("ISDN Options"), 0);
    m_form.list(g, tr("TransferCapability:"), "ISDN", "TransferCapability", {tr("Voice"), tr("3.1k Audio")});
    addKeys(g, KeyGroup::Isdn, "ISDN", {"TransferCapability"});
    m_form.column(0)->addStretch();
    addList(1, tr("Phone Number Rules"), phoneRuleColumns(listIndex("ISDN", "MaxPhoNumRule")));
    for (const auto &[count, title] :
         {std::pair{"TotalUserLinker", tr("User side")}, std::pair{"TotalNetLinker", tr("Net side")}}) {
        ListColumns links;
        links.list = listIndex("ISDN", count);
        links.headers = {tr("Link"), tr("Local PCM"), tr("TEI")};
        links.fields = {tr("Link parameters:"), tr("Local PCM No.:"), tr("TEI value:")};
        links.modifyMessage = "Select the linker to be modified!";
        links.deleteMessage = "Select the linker to be deleted!";
        addList(1, title, std::move(links));
    }
    m_form.column(1)->addStretch();
    m_form.finish();
}

} // namespace ktcticonfig
