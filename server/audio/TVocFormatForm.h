// The raw format dialog "语音格式": rate, mono or stereo, and the compression of a headerless file.
#pragma once

#include <QDialog>

class QButtonGroup;

namespace server::audio {

class TVocFormatForm : public QDialog
{
    Q_OBJECT

public:
    explicit TVocFormatForm(QWidget *parent = nullptr);

    /// The choices as the editor's raw-format operation takes them.
    int formatCode() const;
    int rate() const;
    int channels() const;

    /// Chooses items by their index from 0, as a click does.
    void choose(int rateItem, int qualityItem, int compressionItem);

private:
    QButtonGroup *m_rate = nullptr;
    QButtonGroup *m_quality = nullptr;
    QButtonGroup *m_compression = nullptr;
};

} // namespace server::audio
