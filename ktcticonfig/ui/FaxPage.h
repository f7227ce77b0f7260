// "FAX Options": the fax coding mode and the highest baud rate.
#pragma once

#include "ktcticonfig/ui/SectionPage.h"

namespace ktcticonfig {

class FaxPage : public SectionPage
{
    Q_OBJECT

public:
    explicit FaxPage(PageHost &host, QWidget *parent = nullptr);
};

} // namespace ktcticonfig
