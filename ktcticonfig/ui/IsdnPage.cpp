// The ISDN options page.
#include "ktcticonfig/ui/IsdnPage.h"

#include "ktcticonfig/ui/IsdnLinkList.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace ktcticonfig {

IsdnPage::IsdnPage(PageHost &host, QWidget *parent) : SectionPage(host, 2, parent)
{
    QFormLayout *g = m_form.group(tr("ISDN Options"), 0);
    m_form.list(g, tr("TransferCapability:"), "ISDN", "TransferCapability", {tr("Voice"), tr("3.1k Audio")});
    addKeys(g, KeyGroup::Isdn, "ISDN", {"TransferCapability"});
    m_form.column(0)->addStretch();
    addList(1, tr("Phone Number Rules"), phoneRuleColumns(listIndex("ISDN", "MaxPhoNumRule")));
    auto *box = new QGroupBox(tr("ISDN Links"));
    auto *layout = new QVBoxLayout(box);
    m_links = new IsdnLinkList(host.dialogs());
    layout->addWidget(m_links);
    m_form.column(1)->addWidget(box);
    m_form.column(1)->addStretch();
    m_form.finish();
}

void IsdnPage::load(int boardId, int pcmIndex)
{
    SectionPage::load(boardId, pcmIndex);
    m_links->load(model().settings, model().pcmList.size());
}

bool IsdnPage::store()
{
    if (!SectionPage::store())
        return false;
    m_links->store(model().settings);
    return true;
}

} // namespace ktcticonfig
