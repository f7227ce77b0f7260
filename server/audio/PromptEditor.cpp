// The toolbar's actions: each calls the editor, shows its error through the general error display and
// then, only when it succeeded, changes the flags and applies the rules again.
#include "server/audio/PromptEditor.h"

#include "server/audio/AudioIo.h"
#include "server/audio/TAudioEditor.h"
#include "server/audio/TVocFormatForm.h"
#include "server/audio/TVoxParaForm.h"
#include "server/settings/Dialogs.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace server::audio {
namespace {

constexpr int kRawFilter = 1;
constexpr int kVoxFilter = 6;
constexpr int kWavFilter = 7;

struct Filter
{
    const char *name;
    const char *patterns;
};

const Filter kOpenFilters[] = {
    {"RAW Files (*.voc;*.raw; *.pcm)", "*.voc;*.raw;*.pcm"},
    {"MPEG Files (*.mp3;*.mp2;*.mpeg)", "*.mp3;*.mp2;*.mpeg"},
    {"OggVorbis Files (*.ogg)", "*.ogg"},
    {"AVI Files (*.avi)", "*.avi"},
    {"G.72x Files (*.g721;*.g723;*.g726)", "*.g721;*.g723;*.g726"},
    {"VOX Files (*.vox)", "*.vox"},
    {"Wav Files (*.wav)", "*.wav"},
    {"WMA Files (*.wma)", "*.wma"},
    {"CD Audio (*.cda)", "*.cda"},
};

/// A filter as Qt reads it: the name, then the patterns in parentheses (which the dialogs hide).
QString qtFilter(const char *name, const char *patterns)
{
    return QString::fromUtf8(name) + QStringLiteral(" (") +
           QString::fromUtf8(patterns).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')');
}

/// The number (from 1) of the chosen filter in the list; 0 when it is none of them.
int filterNumber(const QStringList &filters, const QString &chosen)
{
    return static_cast<int>(filters.indexOf(chosen)) + 1;
}

QString runFileDialog(QWidget *parent, bool save, const QString &filters, QString *chosen)
{
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters.split(QStringLiteral(";;")));
    if (save) {
        dialog.setWindowTitle(QStringLiteral("保存文件"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("wav"));
        dialog.selectFile(QStringLiteral("*.voc"));
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(QStringLiteral("voc"));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    *chosen = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QStringList PromptEditor::openFilters()
{
    QStringList list;
    for (const Filter &f : kOpenFilters)
        list << qtFilter(f.name, f.patterns);
    return list;
}

QStringList PromptEditor::saveFilters()
{
    QStringList list = openFilters();
    list.removeLast();
    list.last() = qtFilter("WMA Files", "*.wma");
    return list;
}

PromptEditor::PromptEditor(Dialogs &dialogs, QWidget *parent) : QWidget(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("PromptEditor"));
    m_chooseOpen = [this](const QString &filters, QString *chosen) {
        return runFileDialog(this, false, filters, chosen);
    };
    m_chooseSave = [this](const QString &filters, QString *chosen) {
        return runFileDialog(this, true, filters, chosen);
    };
    m_runDialog = [](QDialog &dialog) { return dialog.exec(); };

    auto *bar = new QToolBar;
    bar->setObjectName(QStringLiteral("EditorToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    buildToolbar(bar);
    m_editor = new TAudioEditor;
    m_editor->setMinimumHeight(100);
    const auto level = [](const char *name) {
        auto *b = new QProgressBar;
        b->setObjectName(QLatin1String(name));
        b->setRange(0, 100);
        b->setValue(0);
        b->setTextVisible(false);
        b->setMaximumHeight(10);
        return b;
    };
    m_levelLeft = level("LevelLeft");
    m_levelRight = level("LevelRight");

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(bar);
    layout->addWidget(m_editor, 1);
    layout->addWidget(m_levelLeft);
    layout->addWidget(m_levelRight);

    connect(m_editor, &TAudioEditor::OnMeter, this, [this](int left, int right) {
        m_levelLeft->setValue(left);
        m_levelRight->setValue(right);
    });
    connect(m_editor, &TAudioEditor::OnBlockOperation, this, [this](int percent) {
        m_levelLeft->setValue(percent);
        m_levelRight->setValue(percent);
    });
    connect(m_editor, &TAudioEditor::OnChangePosition, this, &PromptEditor::applyRules);
    connect(m_editor, &TAudioEditor::OnEndPlay, this, [this] {
        m_flags.playing = false;
        applyRules();
    });
    connect(m_editor, &TAudioEditor::OnDeviceError, this, [this](const QString &error) { done(error); });
    // The rules hold from the start: with nothing to play or save, those buttons are off.
    applyRules();
}

PromptEditor::~PromptEditor()
{
    // The editor stops its device when it goes, after this panel is gone.
    m_editor->disconnect(this);
}

void PromptEditor::buildToolbar(QToolBar *bar)
{
    for (EditorButton b : allEditorButtons()) {
        const EditorButtonText &text = buttonText(b);
        if (text.groupStart)
            bar->addSeparator();
        QAction *action = bar->addAction(QString::fromUtf8(text.hint));
        action->setToolTip(QString::fromUtf8(text.hint));
        action->setObjectName(QStringLiteral("EditorButton%1").arg(static_cast<int>(b)));
        connect(action, &QAction::triggered, this, [this, b] { click(b); });
        m_actions[static_cast<std::size_t>(b)] = action;
    }
}

void PromptEditor::setAudioIo(AudioIo *io)
{
    m_editor->setAudioIo(io);
}

void PromptEditor::setNoticeFile(const QString &path)
{
    m_editor->setBoardFile(path);
}

void PromptEditor::applyRules()
{
    const EditorQueries queries{[this] { return m_editor->SelectionQuery() != 0; }, m_editor->CanUndo(),
                                m_editor->CanRedo()};
    for (EditorButton b : allEditorButtons())
        action(b)->setEnabled(buttonEnabled(b, m_flags, queries));
}

bool PromptEditor::done(const QString &error)
{
    if (error.isEmpty())
        return true;
    m_dialogs.show("错误", error.toStdString(), DialogIcon::Error);
    return false;
}

void PromptEditor::click(EditorButton button)
{
    using B = EditorButton;
    TAudioEditor &e = *m_editor;
    QString error;
    switch (button) {
    case B::Open:
        return openClick();
    case B::Save:
        return saveClick();
    case B::New:
        error = e.NewDocument(8000, 1);
        break;
    case B::Copy:
        error = e.Copy();
        break;
    case B::Cut:
        error = e.Cut();
        break;
    case B::Paste:
        error = e.Paste();
        break;
    case B::Undo:
        error = e.Undo();
        break;
    case B::Redo:
        error = e.Redo();
        break;
    case B::ZoomIn:
        error = e.ZoomIn();
        break;
    case B::ZoomOut:
        error = e.ZoomOut();
        break;
    case B::ZoomWhole:
        error = e.ZoomWhole();
        break;
    case B::Louder:
        error = e.ChangeGain(140.0f);
        break;
    case B::Softer:
        error = e.ChangeGain(60.0f);
        break;
    case B::Play:
        error = e.Play(1);
        break;
    case B::Record:
        error = e.Record(2);
        break;
    case B::Pause:
        error = e.Pause();
        break;
    case B::Resume:
        error = e.Resume();
        break;
    case B::Stop:
        error = e.Stop();
        break;
    }
    if (!done(error))
        return;
    m_flags = flagsAfter(button, m_flags);
    if (reappliesRules(button))
        applyRules();
}

bool PromptEditor::askFormat(int filter)
{
    if (filter == kRawFilter) {
        if (!m_vocForm)
            m_vocForm = new TVocFormatForm(this);
        if (m_runDialog(*m_vocForm) == QDialog::Accepted)
            return done(m_editor->SetRawFormat(m_vocForm->formatCode(), m_vocForm->rate(), m_vocForm->channels(), 8));
    } else if (filter == kVoxFilter) {
        if (!m_voxForm)
            m_voxForm = new TVoxParaForm(this);
        if (m_runDialog(*m_voxForm) == QDialog::Accepted)
            return done(m_editor->SetVoxRate(m_voxForm->rate()));
    }
    return true;
}

void PromptEditor::openClick()
{
    const QStringList filters = openFilters();
    QString chosen;
    const QString name = m_chooseOpen(filters.join(QStringLiteral(";;")), &chosen);
    if (name.isEmpty())
        return;
    if (!askFormat(filterNumber(filters, chosen)))
        return;
    // The flags change only once the file is open: a file that cannot be read leaves the editor, and
    // the toolbar with it, as they were.
    if (!done(m_editor->OpenFile(name, TAudioEditor::kOpenedFile)))
        return;
    m_flags = flagsAfter(EditorButton::Open, m_flags);
    done(m_editor->AfterOpen());
    applyRules();
}

void PromptEditor::saveClick()
{
    const QStringList filters = saveFilters();
    QString chosen;
    const QString name = m_chooseSave(filters.join(QStringLiteral(";;")), &chosen);
    if (name.isEmpty())
        return;
    const int filter = filterNumber(filters, chosen);
    if (filter == kWavFilter && !done(m_editor->ChooseWaveFormat()))
        return;
    if (!askFormat(filter))
        return;
    qint16 selection = m_editor->SelectionQuery();
    if (selection != 0) {
        // A part selected to listen to must not become the whole notice unasked.
        QMessageBox question(QMessageBox::Question, QStringLiteral("提示"),
                             QStringLiteral("只保存选中的部分吗？\n选“否”保存整段声音。"),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
        question.setObjectName(QStringLiteral("SaveSelectionQuestion"));
        question.setDefaultButton(QMessageBox::No);
        const int answer = m_runDialog(question);
        if (answer == QMessageBox::Cancel)
            return;
        if (answer != QMessageBox::Yes)
            selection = 0;
    }
    if (!done(m_editor->SaveFile(name, selection, 0)))
        return;
    applyRules();
}

void PromptEditor::LoadAndPlay(const QString &name, int kind)
{
    if (!done(m_editor->Stop()))
        return;
    if (kind == TAudioEditor::kVoxRecording) {
        if (!done(m_editor->SetVoxRate(8000)) || !done(m_editor->OpenFile(name, kind)))
            return;
        // The recording is in the editor even when no device can play it: the toolbar says so.
        m_flags = EditorFlags{.fileOpen = true};
        applyRules();
    }
    if (!done(m_editor->Play(1)))
        return;
    m_flags = EditorFlags{.fileOpen = true, .playing = true};
    applyRules();
}

} // namespace server::audio
