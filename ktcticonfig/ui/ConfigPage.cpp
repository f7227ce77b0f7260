// The base of the option pages: the host and the changed flag.
#include "ktcticonfig/ui/ConfigPage.h"

namespace ktcticonfig {

ConfigPage::ConfigPage(PageHost &host, QWidget *parent) : QWidget(parent), m_host(host) {}

void ConfigPage::setChanged(bool changed)
{
    if (m_changed == changed)
        return;
    m_changed = changed;
    emit changedFlagChanged(changed);
}

} // namespace ktcticonfig
