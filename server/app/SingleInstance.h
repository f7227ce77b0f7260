// One running server per installation: a second start asks the first to come to the front and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace server {

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    /// The instance name: "Program of mqtz_new" and a short hash of the program directory, so that
    /// separate installations (and parallel tests) do not meet.
    static QString nameFor(const QString &programDir);

    explicit SingleInstance(const QString &programDir, QObject *parent = nullptr);
    ~SingleInstance() override;

    /// True when this process is now the running copy. False when another copy runs: it has been
    /// asked to come to the front.
    bool claim();

signals:
    /// A second start asked the running copy to come to the front.
    void activationRequested();

private:
    bool listen();

    QString m_name;
    QLocalServer *m_server = nullptr;
};

} // namespace server
