// The prompt editor panel of the management window: the toolbar over the sound editing control, the
// two level bars, the seven state flags that drive the toolbar, and the two format dialogs.
#pragma once

#include "server/audio/EditorToolbar.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QDialog;
class QProgressBar;
class QToolBar;

namespace server {
class Dialogs;
}

namespace server::audio {

class AudioIo;
class TAudioEditor;
class TVocFormatForm;
class TVoxParaForm;

class PromptEditor : public QWidget
{
    Q_OBJECT

public:
    /// Asks for a file: the filters ("text (*.txt);;…") and the filter chosen; empty when cancelled.
    using FileChooser = std::function<QString(const QString &filters, QString *chosenFilter)>;
    /// Shows a format dialog or a question modally and returns its result (a question's: the button
    /// chosen); tests answer it themselves.
    using DialogRunner = std::function<int(QDialog &dialog)>;

    /// Errors of the editor are shown through `dialogs`.
    explicit PromptEditor(Dialogs &dialogs, QWidget *parent = nullptr);
    ~PromptEditor() override;

    void setOpenFileChooser(FileChooser chooser) { m_chooseOpen = std::move(chooser); }
    void setSaveFileChooser(FileChooser chooser) { m_chooseSave = std::move(chooser); }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    /// The sound device; the editor takes it over.
    void setAudioIo(AudioIo *io);
    /// The notice file the server plays: saved under that name it is written as the board reads it.
    void setNoticeFile(const QString &path);

    /// Runs the button's action as a click does (also when the button is disabled).
    void click(EditorButton button);
    /// Plays a stored recording: file kind 1 is a call's recording, read as VOX at 8000 Hz.
    void LoadAndPlay(const QString &name, int kind);

    const EditorFlags &flags() const { return m_flags; }
    TAudioEditor &editor() { return *m_editor; }
    QAction *action(EditorButton button) const { return m_actions[static_cast<std::size_t>(button)]; }
    /// The format dialogs, once they were needed.
    TVocFormatForm *vocFormatForm() const { return m_vocForm; }
    TVoxParaForm *voxParaForm() const { return m_voxForm; }

    /// The open dialog's filters; 1 is RAW, 6 VOX, 7 Wav.
    static QStringList openFilters();
    /// The save dialog's filters, the same list without CD Audio.
    static QStringList saveFilters();

private:
    void buildToolbar(QToolBar *bar);
    /// Applies the rules to every button.
    void applyRules();
    /// Shows the editor's error through the general error display; true when there was none.
    bool done(const QString &error);
    /// Shows the format dialog of a filter (1 raw, 6 VOX) and passes what it chose to the editor;
    /// cancelling keeps the editor's format. False when the editor refused the format.
    bool askFormat(int filter);
    void openClick();
    void saveClick();

    Dialogs &m_dialogs;
    TAudioEditor *m_editor = nullptr;
    QProgressBar *m_levelLeft = nullptr;
    QProgressBar *m_levelRight = nullptr;
    std::array<QAction *, kEditorButtonCount> m_actions{};
    EditorFlags m_flags;
    TVocFormatForm *m_vocForm = nullptr;
    TVoxParaForm *m_voxForm = nullptr;
    FileChooser m_chooseOpen;
    FileChooser m_chooseSave;
    DialogRunner m_runDialog;
};

} // namespace server::audio
