// "SS7 Options": the SS7 stack's addresses and automatic handling.
#pragma once

#include "ktcticonfig/ui/SectionPage.h"

namespace ktcticonfig {

class Ss7Page : public SectionPage
{
    Q_OBJECT

public:
    explicit Ss7Page(PageHost &host, QWidget *parent = nullptr);
};

} // namespace ktcticonfig
