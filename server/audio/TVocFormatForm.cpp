// The raw format dialog: three groups of choices read out as the raw format's code, rate and channels.
#include "server/audio/TVocFormatForm.h"

#include "server/audio/FormatGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QVBoxLayout>

namespace server::audio {
namespace {

const int kRates[] = {6000, 8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

} // namespace

TVocFormatForm::TVocFormatForm(QWidget *parent) : QDialog(parent)
{
    nameDialog(*this, "VocFormatForm", QStringLiteral("语音格式"));
    auto *layout = new QVBoxLayout(this);
    auto *groups = new QHBoxLayout;
    groups->addWidget(formatGroup(QStringLiteral("频率"), rateItems(kRates), 1, 2, m_rate, this));
    auto *right = new QVBoxLayout;
    right->addWidget(
        formatGroup(QStringLiteral("音质"), {QStringLiteral("普通"), QStringLiteral("立体")}, 0, 1, m_quality, this));
    right->addWidget(
        formatGroup(QStringLiteral("压缩比"),
                    {QStringLiteral("16-bit PCM"), QStringLiteral("8-bit A-Law"), QStringLiteral("8-bit mu-Law ")}, 1,
                    1, m_compression, this));
    groups->addLayout(right);
    layout->addLayout(groups);
    addOkCancel(*this, *layout);
}

int TVocFormatForm::formatCode() const
{
    return m_compression->checkedId() + 1;
}

int TVocFormatForm::rate() const
{
    return kRates[m_rate->checkedId()];
}

int TVocFormatForm::channels() const
{
    return m_quality->checkedId() + 1;
}

void TVocFormatForm::choose(int rateItem, int qualityItem, int compressionItem)
{
    m_rate->button(rateItem)->click();
    m_quality->button(qualityItem)->click();
    m_compression->button(compressionItem)->click();
}

} // namespace server::audio
