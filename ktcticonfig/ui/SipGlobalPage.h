// "SIP Global Options": the SIP stack's address, port, RTP range, log and heart-beat keys.
#pragma once

#include "ktcticonfig/ui/SectionPage.h"

namespace ktcticonfig {

class SipGlobalPage : public SectionPage
{
    Q_OBJECT

public:
    explicit SipGlobalPage(PageHost &host, QWidget *parent = nullptr);

protected:
    std::pair<std::string, QWidget *> check() const override;
};

} // namespace ktcticonfig
