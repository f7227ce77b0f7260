// The dials an installation made, read from the "摘机呼叫" lines of its log files.
#include "server/tests/DialLog.h"

#include "common/Gbk.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace server::testing {

std::map<QString, int> dialsByNumber(const QString &installation)
{
    std::map<QString, int> dials;
    const QRegularExpression dial(QStringLiteral("摘机呼叫: (\\S+)"));
    const QDir logs(installation + QStringLiteral("/Log"));
    for (const QString &name : logs.entryList(QDir::Files)) {
        QFile f(logs.filePath(name));
        f.open(QIODevice::ReadOnly);
        const QString text = QString::fromStdString(common::gbkToUtf8(f.readAll().toStdString()));
        for (auto m = dial.globalMatch(text); m.hasNext();)
            ++dials[m.next().captured(1)];
    }
    return dials;
}

} // namespace server::testing
