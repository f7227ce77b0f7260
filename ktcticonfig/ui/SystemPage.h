// The system page under "Boards Setting": the board list with Add, Modify, Delete and Exchange, and
// the clock master, codec, multi-process and event interface keys.
#pragma once

#include "ktcticonfig/ui/ConfigPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ktcticonfig {

class BoardListView;

class SystemPage : public ConfigPage
{
    Q_OBJECT

public:
    explicit SystemPage(PageHost &host, QWidget *parent = nullptr);

    void load(int boardId, int pcmIndex) override;
    bool store() override;

    BoardListView *boardList() const { return m_boards; }

    void addBoard();
    void modifyBoard();
    void deleteBoard();
    void exchangeBoards();

private:
    void exchange(int a, int b);

    QLineEdit *m_totalBoards;
    QLineEdit *m_clockMaster;
    QLineEdit *m_totalAppCh;
    BoardListView *m_boards;
    QComboBox *m_exchangeA;
    QComboBox *m_exchangeB;
    QCheckBox *m_gsmCodec;
    QCheckBox *m_multiProcess;
    QComboBox *m_eventInterface;
};

} // namespace ktcticonfig
