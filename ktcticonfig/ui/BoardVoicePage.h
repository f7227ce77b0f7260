// "Board Voice Options": a board's play and record defaults, barge-in, tone and DTMF generation and
// DTMF detection, edited as the value lists the file holds; the AGC dialogs open from it.
#pragma once

#include "ktcticonfig/ui/BoardKeyPage.h"

class QLineEdit;
class QPushButton;

namespace ktcticonfig {

class BoardVoicePage : public BoardKeyPage
{
    Q_OBJECT

public:
    explicit BoardVoicePage(PageHost &host, QWidget *parent = nullptr);

    QLineEdit *omitAbcd() const { return m_omitAbcd; }
    QLineEdit *scale() const { return m_scale; }
    QPushButton *agcButton() const { return m_agcButton; }
    /// The AGC dialog for the board on the page (the up- and down-link one for codes 93 to 96).
    QDialog *createAgcDialog();

protected:
    void loaded() override;
    void storing() override;

private:
    void coupleOmitAbcd();

    QLineEdit *m_omitAbcd = nullptr;
    QLineEdit *m_scale = nullptr;
    QPushButton *m_agcButton = nullptr;
    QString m_keptOmitAbcd;
};

} // namespace ktcticonfig
