// The spy options page.
#include "ktcticonfig/ui/SpyPage.h"

#include "ktcticonfig/model/FieldChecks.h"
#include "ktcticonfig/ui/KeyForm.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace ktcticonfig {

SpyPage::SpyPage(PageHost &host, QWidget *parent) : SectionPage(host, 2, parent)
{
    addKeys(m_form.group(tr("Spy Options"), 0), KeyGroup::Ss7Spy, "SS7Spy");
    ListColumns pcms;
    pcms.list = listIndex("SS7Spy", "TotalSpyPcm");
    pcms.headers = {tr("Local Pcm1,Pcm2")};
    pcms.fields = {tr("Local Pcm1,Pcm2")};
    pcms.modifyMessage = "Select the SpyPcm to be modified!";
    pcms.deleteMessage = "Select the SpyPcm to be deleted!";
    pcms.check = [](const QStringList &values) { return checkSpyPcmPair(KeyForm::toFile(values.value(0))); };
    // A monitored PCM that a monitored circuit names stays until the circuit goes.
    pcms.canDelete = [this](const ListRow &row) {
        return spyPcmInUse(row.empty() ? std::string() : row[0].value_or(""), lists().at(1)->rows())
                   ? std::string("The SpyPCM is used by other SpyCicPCM.")
                   : std::string();
    };
    ListEditor *spyPcms = addList(0, tr("SpyPcmNum[Voc]"), std::move(pcms));
    m_form.column(0)->addStretch();

    ListColumns circuits;
    circuits.list = listIndex("SS7Spy", "TotalAppSpyCIC");
    circuits.headers = {tr("SpiedCircuitPcmNum,StartNumForCircuit,EndNumForCircuit")};
    circuits.fields = {tr("SpiedCircuitPcmNum,StartNumForCircuit,EndNumForCircuit")};
    circuits.modifyMessage = "Select the SpiedPcm to be modified!";
    circuits.deleteMessage = "Select the SpiedPcm to be deleted!";
    circuits.canAdd = [this, spyPcms] {
        return lists().at(1)->rows().size() >= spyPcms->rows().size() ? "Error! Max SpiedPcm > Max SpyPcm"
                                                                      : std::string();
    };
    addList(1, tr("SpiedCircuitPcmNum"), std::move(circuits));
    ListColumns links;
    links.list = listIndex("SS7Spy", "TotalSpyLinkSet");
    links.headers = {tr("SpyLinkSet"), tr("SpyLinkPcm")};
    links.fields = {tr("SpyLinkSet:"), tr("SpyLinkPcm:")};
    links.modifyMessage = "Select the SS7_Link to be modified!";
    links.deleteMessage = "Select the SS7_Link to be deleted!";
    links.canAdd = [this, spyPcms] {
        return lists().at(2)->rows().size() >= spyPcms->rows().size() ? "Error!Max SpiedSS7_Link > Max SpyPcm"
                                                                      : std::string();
    };
    addList(1, tr("SpyLinkSet"), std::move(links));
    m_form.column(1)->addStretch();
    m_form.finish();
}

} // namespace ktcticonfig
