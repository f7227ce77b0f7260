// "Spy Options": the monitored PCMs, the monitored circuits and the SS7 link sets of monitoring boards.
#pragma once

#include "ktcticonfig/ui/SectionPage.h"

namespace ktcticonfig {

class SpyPage : public SectionPage
{
    Q_OBJECT

public:
    explicit SpyPage(PageHost &host, QWidget *parent = nullptr);
};

} // namespace ktcticonfig
