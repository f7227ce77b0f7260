// The base of a management window that stands on the desktop as a window of its own, with its own
// taskbar entry, not bound to the window that opened it.
#pragma once

#include "server/ui/FormBaseOriginal.h"

namespace server {

class TfrmApp : public TFormBaseOriginal
{
    Q_OBJECT

public:
    /// The window has no owner: the opener only places it.
    TfrmApp();
};

} // namespace server
