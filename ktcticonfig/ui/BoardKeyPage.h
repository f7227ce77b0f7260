// The base of the pages that edit a board's own section: they work on a copy of the board record,
// taken when the page is loaded and written back whole when it is stored.
#pragma once

#include "ktcticonfig/ui/ConfigPage.h"
#include "ktcticonfig/ui/KeyForm.h"

namespace ktcticonfig {

class BoardKeyPage : public ConfigPage
{
    Q_OBJECT

public:
    BoardKeyPage(PageHost &host, int columns, QWidget *parent = nullptr);

    void load(int boardId, int pcmIndex) override;
    bool store() override;

    int boardId() const { return m_boardId; }

protected:
    /// Called after the fields were filled from the board copy.
    virtual void loaded() {}
    /// Called before the fields are copied into the board copy.
    virtual void storing() {}
    /// Checks run by store() first; the first failure is shown, its field focused, and the store
    /// refused. The message and the field, or an empty message.
    virtual std::pair<std::string, QWidget *> check() { return {}; }

    BoardRecord &board() { return m_board; }
    KeyForm m_form;

private:
    int m_boardId = -1;
    BoardRecord m_board;
};

} // namespace ktcticonfig
