// The page of every kind of tree item.
#include "ktcticonfig/ui/AnalogLinePage.h"
#include "ktcticonfig/ui/BoardPage.h"
#include "ktcticonfig/ui/BoardSipPage.h"
#include "ktcticonfig/ui/BoardVoicePage.h"
#include "ktcticonfig/ui/ConfigPage.h"
#include "ktcticonfig/ui/DigitalPhonePage.h"
#include "ktcticonfig/ui/FaxPage.h"
#include "ktcticonfig/ui/GlobalVoicePage.h"
#include "ktcticonfig/ui/IsdnPage.h"
#include "ktcticonfig/ui/IsupPage.h"
#include "ktcticonfig/ui/LogOutputPage.h"
#include "ktcticonfig/ui/PcmListPage.h"
#include "ktcticonfig/ui/PcmPage.h"
#include "ktcticonfig/ui/PlaceholderPage.h"
#include "ktcticonfig/ui/SipGlobalPage.h"
#include "ktcticonfig/ui/SpyPage.h"
#include "ktcticonfig/ui/Ss1Page.h"
#include "ktcticonfig/ui/Ss7Page.h"
#include "ktcticonfig/ui/SystemPage.h"
#include "ktcticonfig/ui/ToneDetectorPage.h"
#include "ktcticonfig/ui/TupPage.h"

namespace ktcticonfig {

ConfigPage *createPage(PageKind kind, PageHost &host, QWidget *parent)
{
    switch (kind) {
    case PageKind::System:
        return new SystemPage(host, parent);
    case PageKind::Board:
        return new BoardPage(host, parent);
    case PageKind::PcmList:
        return new PcmListPage(host, parent);
    case PageKind::Pcm:
        return new PcmPage(host, parent);
    case PageKind::BoardSip:
        return new BoardSipPage(host, parent);
    case PageKind::AnalogLine:
        return new AnalogLinePage(host, parent);
    case PageKind::DigitalPhone:
        return new DigitalPhonePage(host, parent);
    case PageKind::BoardVoice:
        return new BoardVoicePage(host, parent);
    case PageKind::Ss7:
        return new Ss7Page(host, parent);
    case PageKind::Tup:
        return new TupPage(host, parent);
    case PageKind::Isup:
        return new IsupPage(host, parent);
    case PageKind::Isdn:
        return new IsdnPage(host, parent);
    case PageKind::Ss1:
        return new Ss1Page(host, parent);
    case PageKind::Spy:
        return new SpyPage(host, parent);
    case PageKind::SipGlobal:
        return new SipGlobalPage(host, parent);
    case PageKind::ToneDetector:
        return new ToneDetectorPage(host, parent);
    case PageKind::Fax:
        return new FaxPage(host, parent);
    case PageKind::GlobalVoice:
        return new GlobalVoicePage(host, parent);
    case PageKind::LogOutput:
        return new LogOutputPage(host, parent);
    }
    // A kind this build does not know shows its caption only.
    return new PlaceholderPage(kind, host, parent);
}

} // namespace ktcticonfig
