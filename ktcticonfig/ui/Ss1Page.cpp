// The SS1 options page.
#include "ktcticonfig/ui/Ss1Page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ktcticonfig {

Ss1Page::Ss1Page(PageHost &host, QWidget *parent) : SectionPage(host, 2, parent)
{
    constexpr std::string_view S1 = "SS1Config";
    QFormLayout *g = m_form.group(tr("Signalling Control"), 0);
    m_type =
        m_form.list(g, tr("Signalling control type:"), S1, "ProtocolType",
                    {tr("No.1 (MFC R2) signalling"), tr("LineSide"), tr("ASB"), tr("LineSide (OPS-FX)"), tr("VPS")});
    addKey(g, S1, "LSWaitPickupTime", tr("LSWaitPickupTime (ms, 16-10000):"));
    m_idle = m_form.list(g, tr("Channel idle indication:"), S1, "Ss1SendIdleState",
                         {tr("CAS 00xx"), tr("CAS 01xx"), tr("CAS CD01")});
    connect(m_type, &QComboBox::currentIndexChanged, this, &Ss1Page::enableByType);
    m_form.textList(g, tr("MFC R2 protocol:"), S1, "mfcr2_Protocol",
                    {"al", "ar", "bh", "bo", "br", "cl", "cn", "co-land", "co-cell", "cz",
                     "cd", "eg", "gn", "hd", "in", "id", "iq", "itu",     "kr",      "kw",
                     "my", "mx", "ng", "pa", "ph", "ro", "sa", "sg",      "th",      "ve"});
    addKeys(m_form.group(tr("SS1 Options"), 0), KeyGroup::Ss1, S1,
            {"ProtocolType", "LSWaitPickupTime", "Ss1SendIdleState", "mfcr2_Protocol"});
    m_form.column(0)->addStretch();
    addList(1, tr("Phone Number Rules"), phoneRuleColumns(listIndex(S1, "MaxPhoNumRule")));
    m_form.column(1)->addStretch();
    m_form.finish();
}

void Ss1Page::enableByType()
{
    const int type = m_type->currentIndex();
    field("LSWaitPickupTime")->setEnabled(type != 0);
    m_idle->setEnabled(type >= 1 && type <= 3);
}

void Ss1Page::loaded()
{
    enableByType();
}

} // namespace ktcticonfig
