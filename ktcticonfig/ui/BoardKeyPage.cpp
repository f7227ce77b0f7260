// Pages on a copy of one board record.
#include "ktcticonfig/ui/BoardKeyPage.h"

#include <QWidget>

namespace ktcticonfig {

BoardKeyPage::BoardKeyPage(PageHost &host, int columns, QWidget *parent)
    : ConfigPage(host, parent), m_form(this, columns)
{
}

void BoardKeyPage::load(int boardId, int)
{
    m_boardId = boardId;
    if (boardId < 0 || boardId >= static_cast<int>(model().boards.size()))
        return;
    m_board = model().boards[static_cast<std::size_t>(boardId)];
    m_form.load(model().settings, &m_board.options);
    loaded();
}

bool BoardKeyPage::store()
{
    if (m_boardId < 0 || m_boardId >= static_cast<int>(model().boards.size()))
        return true;
    if (const auto [error, field] = check(); !error.empty()) {
        host().dialogs().show(error);
        if (field)
            field->setFocus();
        return false;
    }
    storing();
    m_form.store(model().settings, &m_board.options);
    model().boards[static_cast<std::size_t>(m_boardId)] = m_board;
    return true;
}

} // namespace ktcticonfig
