// The main window of the server: tool bar, side bar, the two channel lists, the agent memo and the
// status bar. It is the service's display, owns the service's timers and runs its start-up and shutdown.
#pragma once

#include "server/engine/Display.h"
#include "server/engine/Service.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <string_view>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;
class QTreeWidget;

namespace server {

class ServiceTimers;

class TFrmServer : public QMainWindow, public Display
{
    Q_OBJECT

public:
    /// The window works on the program directory with the given board, clock and dialog service.
    TFrmServer(const QString &programDir, Board &board, Clock &clock, Dialogs &dialogs, QWidget *parent = nullptr);
    ~TFrmServer() override;

    /// The service's start-up sequence. Runs once, when the window is first shown; true when the
    /// service started.
    bool FormShow();
    /// Shows the window at its size and place of the last run; maximised at the first run.
    void showAtStart();
    /// Brings the window to the front, restoring it when minimised (a second start asks for this).
    void activate();

    void tbStartServerClick();
    void tbStopServerClick();
    /// Open the management windows, the parameter dialog and the About window, each modally.
    void btDataQueryClick();
    void MenuDataQueryClick();
    void Button2Click();
    void btDataDeleteClick();
    void Button3Click();
    void menuParaSetClick();
    void MenuAboutClick();

    QTimer *statusTimer() const;
    QTimer *systemTimer() const;
    QTimer *noticeStatusTimer() const;
    /// Closes the window with the exit confirmation answered yes, as the end of a timed run does.
    void closeConfirmed();

    Service &service() { return m_service; }
    ServerEngine &engine() { return m_service.engine(); }
    TDM &dataModule() { return m_service.dataModule(); }
    bool serviceRunning() const;

    // Display
    int addChannelRow(ChannelList list, std::string_view caption, bool inService) override;
    void setChannelRow(ChannelList list, int row, RowImage image, const std::vector<std::string> &texts) override;
    void setRowImage(ChannelList list, int row, RowImage image) override;
    void setRowText(ChannelList list, int row, int column, std::string_view text) override;
    void setRowChecked(ChannelList list, int row, bool checked) override;
    void addHangupMenuItem(std::string_view caption, std::string_view name) override;
    void setStatusPanel(int panel, std::string_view text) override;
    void addMemoLine(std::string_view text) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    using Opener = void (TFrmServer::*)();
    /// The command that opens a window, by the name of its menu item or button; nothing while the
    /// window does not exist yet.
    static Opener openerOf(std::string_view control);
    void wireOpener(QAction *action);
    void openAdNotice(QPoint place);
    void buildMenus();
    void buildToolBar();
    void buildCentre();
    void buildStatusBar();
    QTreeWidget *makeChannelList(const char *name);
    QTreeWidget *listOf(ChannelList list) const;
    /// Asks for confirmation and shuts the service down; false when the operator said no.
    bool FormClose();

    const Clock &m_clock;
    Dialogs &m_dialogs;
    Service m_service;
    ServiceTimers *m_timers;
    bool m_shown = false;
    bool m_confirmed = false;
    bool m_closing = false;
    QAction *m_tbStartServer = nullptr;
    QAction *m_tbStopServer = nullptr;
    QMenu *m_popMenuChannel = nullptr;
    QTreeWidget *m_trunkList = nullptr;
    QTreeWidget *m_slicList = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    std::array<QLabel *, 16> m_panels{};
};

} // namespace server
