// The blacklist window "黑名单设置": the numbers that no import turns into notice tasks, edited in its
// grid, imported from a workbook and exported to one.
#pragma once

#include "server/ui/FrmApp.h"

#include <QString>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QToolBar;

namespace server {

class Clock;
class Dialogs;
class PendingRowModel;
class TDBGridEhToExcel;
class TDM;

class TFrmForbidTel : public TfrmApp
{
    Q_OBJECT

public:
    /// Asks for a file to open or save, with its filters; empty when the operator cancels.
    using FileChooser = std::function<QString(const QString &filters)>;

    TFrmForbidTel(TDM &dm, const Clock &clock, Dialogs &dialogs);
    ~TFrmForbidTel() override;

    void setOpenFileChooser(FileChooser chooser) { m_chooseOpen = std::move(chooser); }
    void setSaveFileChooser(FileChooser chooser) { m_chooseSave = std::move(chooser); }

    // The tool bar, left to right.
    void tbNewClick();
    void tbEditClick();
    void tbCancelClick();
    void tbDeleteClick();
    void tbSaveClick();
    void tbExitClick();
    void tbImportClick();
    void tbExportClick();

    TDBGridEhToExcel &grid() { return *m_grid; }
    PendingRowModel &rows() { return *m_rows; }
    /// The first panel of the status bar.
    QString statusText() const;

private:
    QString now() const;
    /// Stores the pending row. False, after saying why, when the database refuses it: the row stays
    /// pending, so that nothing typed is lost.
    bool post();
    void requery(int currentRow);

    TDM &m_dm;
    const Clock &m_clock;
    Dialogs &m_dialogs;
    FileChooser m_chooseOpen;
    FileChooser m_chooseSave;
    PendingRowModel *m_rows;
    TDBGridEhToExcel *m_grid;
    QToolBar *m_toolBar = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QLabel *m_panel = nullptr;
    QProgressBar *m_importProgress = nullptr;
    QPushButton *m_importCancel = nullptr;
    bool m_importCancelled = false;
    bool m_posting = false;
};

} // namespace server
