// The page contract: every option page of the main window's tree implements it.
//
// The window keeps one page widget per PageKind (app/PageTree.h), made by createPage()
// (ui/PageFactory.cpp). When the tree selection changes it calls store() on the page being left and
// load(boardId, pcmIndex) on the page shown, with the board ID and PCM index of the selected item
// (-1 where not applicable). load() fills the controls from host().model(); store() copies them back
// into the model, validating as the page requires: it returns false (after telling the user why)
// when a value is refused, and the window then keeps the page selected. Pages that keep a changed
// flag (the board page and the PCM page) return true from keepsChangedFlag() and call setChanged(true)
// on every edit; the window then asks the "Current options has been changed" question before leaving
// them. A page that changes the board list asks the window to rebuild the tree through host().
//
// To add a page: derive from ConfigPage, give it a constructor (PageHost &, QWidget *parent), and
// return it for its kind in createPage().
#pragma once

#include "ktcticonfig/app/Dialogs.h"
#include "ktcticonfig/app/PageTree.h"
#include "ktcticonfig/app/SharedLogBlock.h"
#include "ktcticonfig/model/ConfigModel.h"

#include <QWidget>

namespace ktcticonfig {

/// What a page may ask of the window.
class PageHost
{
public:
    virtual ~PageHost() = default;
    virtual ConfigModel &model() = 0;
    virtual Dialogs &dialogs() = 0;
    /// Rebuilds the whole tree from the board list; then selects and expands the item of board
    /// selectBoard (its board page opens), or the root when it is -1.
    virtual void rebuildTree(int selectBoard = -1) = 0;
    /// Selects and expands the item of a board, which opens its board page.
    virtual void selectBoard(int boardId) = 0;
    /// The live-log block shared with a running driver (nullptr where the window runs without one,
    /// as in tests).
    virtual SharedLogBlock *logBlock() = 0;
};

class ConfigPage : public QWidget
{
    Q_OBJECT

public:
    ConfigPage(PageHost &host, QWidget *parent = nullptr);

    /// Fills the controls from the model for a board and PCM (-1 where not applicable).
    virtual void load(int boardId, int pcmIndex) = 0;
    /// Copies the controls into the model. False, with the user told why, when a value is refused.
    virtual bool store() = 0;
    /// True for the pages whose edits are confirmed before the page is left.
    virtual bool keepsChangedFlag() const { return false; }

    bool isChanged() const { return m_changed; }
    void setChanged(bool changed);

signals:
    void changedFlagChanged(bool changed);

protected:
    PageHost &host() { return m_host; }
    ConfigModel &model() { return m_host.model(); }

private:
    PageHost &m_host;
    bool m_changed = false;
};

/// Creates the page of a kind (a placeholder for the kinds whose page is still to come).
ConfigPage *createPage(PageKind kind, PageHost &host, QWidget *parent);

} // namespace ktcticonfig
