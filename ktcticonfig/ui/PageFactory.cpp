// The page of every kind of tree item.
#include "ktcticonfig/ui/AnalogLinePage.h"
#include "ktcticonfig/ui/BoardVoicePage.h"
#include "ktcticonfig/ui/ConfigPage.h"
#include "ktcticonfig/ui/GlobalVoicePage.h"
#include "ktcticonfig/ui/LogOutputPage.h"
#include "ktcticonfig/ui/PlaceholderPage.h"
#include "ktcticonfig/ui/ToneDetectorPage.h"

namespace ktcticonfig {

ConfigPage *createPage(PageKind kind, PageHost &host, QWidget *parent)
{
    switch (kind) {
    case PageKind::BoardVoice:
        return new BoardVoicePage(host, parent);
    case PageKind::AnalogLine:
        return new AnalogLinePage(host, parent);
    case PageKind::ToneDetector:
        return new ToneDetectorPage(host, parent);
    case PageKind::LogOutput:
        return new LogOutputPage(host, parent);
    case PageKind::GlobalVoice:
        return new GlobalVoicePage(host, parent);
    default:
        // The option pages of the other kinds are placeholders until their pages are built.
        return new PlaceholderPage(kind, host, parent);
    }
}

} // namespace ktcticonfig
