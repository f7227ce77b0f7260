// The main window of the server: tool bar, side bar, the two channel lists, the agent memo and the
// status bar; it owns the service timers and runs the start-up sequence and the shutdown.
#pragma once

#include "server/engine/Display.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;
class QTreeWidget;

namespace server {

class Board;
class Clock;
class Dialogs;
class ServerEngine;
class TDM;

class TFrmServer : public QMainWindow, public Display
{
    Q_OBJECT

public:
    /// The window works on the program directory with the given board, clock and dialog service.
    TFrmServer(const QString &programDir, Board &board, Clock &clock, Dialogs &dialogs, QWidget *parent = nullptr);
    ~TFrmServer() override;

    /// The start-up sequence: settings, database, board, log and talk-record files. Runs once, when
    /// the window is first shown; true when the service started.
    bool FormShow();
    /// Shows the window at its size and place of the last run; maximised at the first run.
    void showAtStart();
    /// Brings the window to the front, restoring it when minimised (a second start asks for this).
    void activate();

    void tbStartServerClick();
    void tbStopServerClick();

    // The three service timers' handlers; a virtual-time run calls them at their due virtual times.
    void StatusTimerTimer();
    void SystemTimerTimer();
    void NoticeStatusTimerTimer();
    QTimer *statusTimer() const { return m_statusTimer; }
    QTimer *systemTimer() const { return m_systemTimer; }
    QTimer *noticeStatusTimer() const { return m_noticeStatusTimer; }
    /// Closes the window with the exit confirmation answered yes, as the end of a timed run does.
    void closeConfirmed();

    ServerEngine &engine() { return *m_engine; }
    TDM &dataModule() { return *m_dm; }
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
    void buildMenus();
    void buildToolBar();
    void buildCentre();
    void buildStatusBar();
    QTreeWidget *makeChannelList(const char *name);
    QTreeWidget *listOf(ChannelList list) const;
    /// Asks for confirmation and shuts the service down; false when the operator said no.
    bool FormClose();
    void openTalkAndLogFiles();

    QString m_programDir;
    Board &m_board;
    Clock &m_clock;
    Dialogs &m_dialogs;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<ServerEngine> m_engine;
    bool m_shown = false;
    bool m_started = false; // the start-up sequence has run
    bool m_confirmed = false;
    bool m_closing = false;
    bool m_boardStarted = false;

    QTimer *m_statusTimer = nullptr;
    QTimer *m_systemTimer = nullptr;
    QTimer *m_noticeStatusTimer = nullptr;
    QAction *m_tbStartServer = nullptr;
    QAction *m_tbStopServer = nullptr;
    QMenu *m_popMenuChannel = nullptr;
    QTreeWidget *m_trunkList = nullptr;
    QTreeWidget *m_slicList = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    std::array<QLabel *, 16> m_panels{};
};

} // namespace server
