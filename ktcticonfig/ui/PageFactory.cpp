// The page of every kind of tree item.
#include "ktcticonfig/ui/BoardPage.h"
#include "ktcticonfig/ui/ConfigPage.h"
#include "ktcticonfig/ui/PlaceholderPage.h"
#include "ktcticonfig/ui/SystemPage.h"

namespace ktcticonfig {

ConfigPage *createPage(PageKind kind, PageHost &host, QWidget *parent)
{
    switch (kind) {
    case PageKind::System:
        return new SystemPage(host, parent);
    case PageKind::Board:
        return new BoardPage(host, parent);
    default:
        // The option pages of the other kinds are placeholders until their pages are built.
        return new PlaceholderPage(kind, host, parent);
    }
}

} // namespace ktcticonfig
