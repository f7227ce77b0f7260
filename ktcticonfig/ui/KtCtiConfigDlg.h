// The main window of KtCtiConfig: the page tree, the selected page, the status line and the buttons
// OK, CLOSE, INI FILE..., Apply, Default and Detect, with the tray icon and the command-line modes.
#pragma once

#include "ktcticonfig/app/DriverFunctions.h"
#include "ktcticonfig/app/WindowActions.h"
#include "ktcticonfig/detect/DeviceProbe.h"
#include "ktcticonfig/ui/ConfigPage.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QSystemTrayIcon;
class QThread;
class QTreeWidget;
class QTreeWidgetItem;

namespace ktcticonfig {

enum class Language
{
    SimplifiedChinese,
    TraditionalChinese,
    English,
};

/// What the window needs from the program (and what a test gives it instead).
struct WindowSetup
{
    std::string configPath;       ///< KtConfig.ini
    std::string indexPath;        ///< KtIndex.ini, named to the driver at Apply
    std::string programDirectory; ///< where INI FILE... starts
    std::string logDirectory;     ///< LogFilePath after Default
    std::string autoAction;       ///< "1": Default then Apply; "2": Default then OK; "" none
    Language language = Language::English;
    /// The board driver's device probe for Default and Detect (nullptr, reported, when unavailable).
    std::function<std::unique_ptr<DeviceProbe>(Reporter &)> openProbe;
    /// The driver for Apply's test start, called on the worker (error set when it cannot be loaded).
    std::function<std::unique_ptr<DriverFunctions>(std::string &error)> openDriver;
    /// Apply's wait between two questions about IP registration (one second), on the worker.
    std::function<void()> waitOneSecond;
    /// Ends the program with an exit code (Close, and the end of the command-line modes).
    std::function<void(int)> quit;
    /// The live-log block the log page writes its requests into; may be nullptr.
    SharedLogBlock *logBlock = nullptr;
};

class KtCtiConfigDlg : public QDialog, private PageHost
{
    Q_OBJECT

public:
    KtCtiConfigDlg(WindowSetup setup, ConfigModel model, Dialogs &dialogs, QWidget *parent = nullptr);
    ~KtCtiConfigDlg() override;

    /// The title with the driver's version: "KtCtiConfig.exe   Current Version : " and the version.
    void showDriverVersion(const std::string &version);
    /// Starts the 200 ms timer of the command-line modes (when one is set).
    void startAutoAction();
    /// One tick of that timer: Default at the fifth, Apply or OK at the eighth.
    void autoActionTick();
    /// A second start asked for the window: show it and bring it to the top.
    void showAndRaise();
    /// Hides the window when the user asked for that and a tray icon can bring it back.
    void hideIfWanted();

    ConfigModel &model() override { return m_model; }
    bool isBusy() const { return m_busy; }
    QString statusText() const;
    StatusState statusState() const { return m_statusState; }
    QTreeWidget *tree() const { return m_tree; }
    ConfigPage *currentPage() const { return m_current; }
    /// Selects the tree item of a page (as a click does); false when the tree has no such item.
    bool selectPage(PageKind kind, int boardId = -1, int pcmIndex = -1);

signals:
    /// Apply's worker has ended and its result has been shown.
    void applyFinished();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void reject() override;

private:
    // PageHost
    Dialogs &dialogs() override { return m_dialogs; }
    void rebuildTree(int selectBoard = -1) override;
    void selectBoard(int boardId) override;
    SharedLogBlock *logBlock() override { return m_setup.logBlock; }

    void buildWidgets();
    void buildTray();
    void onCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void showPageOf(QTreeWidgetItem *item);
    bool leavePage();
    bool storeCurrentPage();
    ConfigPage *pageOf(PageKind kind);
    /// The scroll area of m_stack that shows the page.
    QWidget *frameOf(ConfigPage *page) const;
    QTreeWidgetItem *findItem(PageKind kind, int boardId, int pcmIndex) const;
    void setStatus(const std::string &text, StatusState state);
    bool refusedWhileBusy();

    /// False when OK was refused (busy, a value out of range, a failed write).
    bool onOk();
    void onApply();
    void onApplyDone(const TestStartResult &result);
    void onDefault();
    void onDetect();
    void onIniFile();
    void onClose();
    void onHideToggled(bool checked);

    WindowSetup m_setup;
    ConfigModel m_model;
    Dialogs &m_dialogs;

    QTreeWidget *m_tree = nullptr;
    QStackedWidget *m_stack = nullptr;
    QLabel *m_status = nullptr;
    QCheckBox *m_hide = nullptr;
    QSystemTrayIcon *m_tray = nullptr;
    std::map<PageKind, ConfigPage *> m_pages; // each shown in a scroll area of m_stack
    ConfigPage *m_current = nullptr;
    QTreeWidgetItem *m_currentItem = nullptr;
    StatusState m_statusState = StatusState::Done;

    bool m_busy = false;
    bool m_rebuilding = false;
    int m_treeGeneration = 0;
    QThread *m_worker = nullptr;
    QTimer m_autoTimer;
    int m_autoTicks = 0;
};

} // namespace ktcticonfig
