// "ISDN Options": the ISDN keys of both sides, the phone number rules and the user- and network-side
// links.
#pragma once

#include "ktcticonfig/ui/SectionPage.h"

namespace ktcticonfig {

class IsdnLinkList;

class IsdnPage : public SectionPage
{
    Q_OBJECT

public:
    explicit IsdnPage(PageHost &host, QWidget *parent = nullptr);

    void load(int boardId, int pcmIndex) override;
    bool store() override;

    IsdnLinkList *links() const { return m_links; }

private:
    IsdnLinkList *m_links = nullptr;
};

} // namespace ktcticonfig
