// "TUP Options": the TUP signalling keys.
#pragma once

#include "ktcticonfig/ui/SectionPage.h"

namespace ktcticonfig {

class TupPage : public SectionPage
{
    Q_OBJECT

public:
    explicit TupPage(PageHost &host, QWidget *parent = nullptr);
};

} // namespace ktcticonfig
