// The About window: the system's title, version and the supplier's company, address, telephone, fax,
// web site and e-mail, from the settings.
#pragma once

#include "server/settings/Settings.h"

#include <QDialog>

namespace server {

class TFrmAbout : public QDialog
{
    Q_OBJECT

public:
    TFrmAbout(const Settings &settings, QWidget *parent = nullptr);
};

} // namespace server
