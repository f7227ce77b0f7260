// "Set log switch actively": changes the logging of the running board driver through the shared
// block, without a restart.
#pragma once

#include "ktcticonfig/app/Dialogs.h"
#include "ktcticonfig/app/SharedLogBlock.h"
#include "ktcticonfig/model/LiveLogRequest.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;

namespace ktcticonfig {

class LiveLogDialog : public QDialog
{
    Q_OBJECT

public:
    /// The entries of the enable list of a log type (0 API ... 7 DST CAS), as the page lists them.
    static QStringList enableEntries(int logType);
    /// The two entries of a creation mode list.
    static QStringList createModeEntries();

    /// Filled from the block (opened): the driver's current request. The channel lists offer -1 and the
    /// application channels 0..channels-1, the event lists -1 and 0..100.
    LiveLogDialog(SharedLogBlock &block, int channels, Dialogs &dialogs, QWidget *parent = nullptr);

    /// OK: checks the fields; when they pass, writes them into the block and sets the event. The
    /// dialog stays open either way. True when the request was sent.
    bool send();

    QComboBox *typeList() const { return m_type; }
    QComboBox *enableList() const { return m_enable; }
    QComboBox *modeList() const { return m_mode; }
    QLineEdit *periodField() const { return m_period; }
    QLineEdit *maxKeepField() const { return m_maxKeep; }
    QLineEdit *maxPeriodField() const { return m_maxPeriod; }
    QLineEdit *pathField() const { return m_path; }
    QComboBox *channelStart() const { return m_range[0]; }
    QComboBox *channelEnd() const { return m_range[1]; }
    QComboBox *eventStart() const { return m_range[2]; }
    QComboBox *eventEnd() const { return m_range[3]; }

private:
    void fill(const LiveLogRequest &request);
    void typeChosen(int type);

    SharedLogBlock &m_block;
    Dialogs &m_dialogs;
    QComboBox *m_type = nullptr;
    QComboBox *m_enable = nullptr;
    QComboBox *m_mode = nullptr;
    QLineEdit *m_period = nullptr;
    QLineEdit *m_maxKeep = nullptr;
    QLineEdit *m_maxPeriod = nullptr;
    QLineEdit *m_path = nullptr;
    QComboBox *m_range[4] = {};
};

} // namespace ktcticonfig
