// The empty page of an item whose options are edited elsewhere for now.
#include "ktcticonfig/ui/PlaceholderPage.h"

#include "ktcticonfig/ui/PageTexts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace ktcticonfig {

PlaceholderPage::PlaceholderPage(PageKind kind, PageHost &host, QWidget *parent)
    : ConfigPage(host, parent), m_caption(new QLabel(pageTitle(kind), this))
{
    auto *layout = new QVBoxLayout(this);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    layout->addWidget(m_caption);
    layout->addStretch();
}

void PlaceholderPage::load(int, int) {}

} // namespace ktcticonfig
