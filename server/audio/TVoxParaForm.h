// The VOX dialog "语音设置": the rate of a VOX ADPCM file.
#pragma once

#include <QDialog>

class QButtonGroup;

namespace server::audio {

class TVoxParaForm : public QDialog
{
    Q_OBJECT

public:
    explicit TVoxParaForm(QWidget *parent = nullptr);

    /// The rate of the chosen item, as the item shows it.
    int rate() const;
    /// Chooses an item by its index from 0, as a click does.
    void choose(int rateItem);

private:
    QButtonGroup *m_rate = nullptr;
};

} // namespace server::audio
