// The outbound-call management window "语音外呼": the query page, where the operator finds notice
// tasks and acts on them, and the import page, where tasks come in from files or one by one.
#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTabWidget;

namespace server::audio {
class PromptEditor;
}

namespace server {

class Clock;
class Dialogs;
class TDBGridEhToExcel;
class TDM;

class TFrmAdNotice : public QDialog
{
    Q_OBJECT

public:
    /// Asks for a file to open or save: the dialog's caption, its filters ("text (*.txt);;…"), and the
    /// filter chosen; empty when the operator cancels. Tests give their own.
    using FileChooser = std::function<QString(const QString &filters, QString *chosenFilter)>;

    TFrmAdNotice(TDM &dm, const Clock &clock, Dialogs &dialogs, QWidget *parent = nullptr);
    ~TFrmAdNotice() override;

    void setOpenFileChooser(FileChooser chooser) { m_chooseOpen = std::move(chooser); }
    void setSaveFileChooser(FileChooser chooser) { m_chooseSave = std::move(chooser); }

    // The query page.
    void btQueryClick();
    void btModifyClick();
    void btExportClick();
    void DeleteCurrentClick();
    void DeleteAllClick();
    void RenotifyCurrentClick();
    void RenotifyAllClick();
    void PauseAllClick();
    void AddRemarkClick();
    void PlayRecordClick();
    /// The condition of the query shown; the actions on all found rows apply to it.
    const QString &currentCondition() const { return m_condition; }

    // The import page.
    void btAddClick();
    void btImportClick();

    TDBGridEhToExcel &queryGrid() { return *m_queryGrid; }
    /// The prompt editor under the query grid.
    audio::PromptEditor &promptEditor() { return *m_promptEditor; }
    TDBGridEhToExcel &importGrid() { return *m_importGrid; }

private:
    void buildQueryPage(QWidget *page);
    void buildImportPage(QWidget *page);
    /// The query grid holds an open result set with at least one row.
    bool hasRows();
    QVariant currentId();
    QString now() const;
    /// The grid has rows and the operator answers yes to the question.
    bool confirmed(const char *question);
    /// After the question, changes the rows, then runs the query shown again with its message.
    void changeRows(const char *question, const std::function<void()> &change);
    void reopenImportGrid();

    TDM &m_dm;
    const Clock &m_clock;
    Dialogs &m_dialogs;
    FileChooser m_chooseOpen;
    FileChooser m_chooseSave;
    QString m_condition;

    QTabWidget *m_pages = nullptr;
    QDateEdit *m_startDay = nullptr;
    QDateEdit *m_endDay = nullptr;
    QComboBox *m_status = nullptr;
    QLineEdit *m_number = nullptr;
    QLineEdit *m_agentChannel = nullptr;
    QComboBox *m_clientType = nullptr;
    QLineEdit *m_keys = nullptr;
    std::array<QLabel *, 4> m_counts{};
    QLabel *m_recordCount = nullptr;
    TDBGridEhToExcel *m_queryGrid = nullptr;
    QMenu *m_gridMenu = nullptr;
    QProgressBar *m_exportProgress = nullptr;
    QPushButton *m_exportCancel = nullptr;
    audio::PromptEditor *m_promptEditor = nullptr;

    TDBGridEhToExcel *m_importGrid = nullptr;
    QStatusBar *m_importBar = nullptr;
    std::array<QLabel *, 3> m_importPanels{};
    QProgressBar *m_importProgress = nullptr;
    QPushButton *m_importCancel = nullptr;
    bool m_importCancelled = false;
};

} // namespace server
