// An empty page for the tree items whose option page is still to come: it shows the item's caption.
#pragma once

#include "ktcticonfig/ui/ConfigPage.h"

class QLabel;

namespace ktcticonfig {

class PlaceholderPage : public ConfigPage
{
    Q_OBJECT

public:
    PlaceholderPage(PageKind kind, PageHost &host, QWidget *parent = nullptr);

    void load(int boardId, int pcmIndex) override;
    bool store() override { return true; }

private:
    QLabel *m_caption;
};

} // namespace ktcticonfig
