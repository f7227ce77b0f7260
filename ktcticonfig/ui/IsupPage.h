// "ISUP Options": the ISUP signalling keys and the list of PCMs that carry ISUP.
#pragma once

#include "ktcticonfig/ui/SectionPage.h"

namespace ktcticonfig {

class IsupPage : public SectionPage
{
    Q_OBJECT

public:
    explicit IsupPage(PageHost &host, QWidget *parent = nullptr);
};

} // namespace ktcticonfig
