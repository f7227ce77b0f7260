// A management window of its own on the desktop.
#include "server/ui/FrmApp.h"

namespace server {

TfrmApp::TfrmApp() : TFormBaseOriginal(nullptr)
{
    // Modal for the whole program, though no window owns it.
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
}

} // namespace server
