// The VOX dialog: one group of rates; the rate passed is the one the chosen item shows.
#include "server/audio/TVoxParaForm.h"

#include "server/audio/FormatGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QVBoxLayout>

namespace server::audio {
namespace {

const int kRates[] = {8000, 12000, 24000, 32000, 11025, 22050, 44100, 48000};

} // namespace

TVoxParaForm::TVoxParaForm(QWidget *parent) : QDialog(parent)
{
    nameDialog(*this, "VoxParaForm", QStringLiteral("语音设置"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(formatGroup(QStringLiteral("频率"), rateItems(kRates), 0, 2, m_rate, this));
    addOkCancel(*this, *layout);
}

int TVoxParaForm::rate() const
{
    return kRates[m_rate->checkedId()];
}

void TVoxParaForm::choose(int rateItem)
{
    m_rate->button(rateItem)->click();
}

} // namespace server::audio
