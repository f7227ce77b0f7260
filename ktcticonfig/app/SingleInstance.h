// One running KtCtiConfig per installation: a second start asks the running copy to show its window.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace ktcticonfig {

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    /// "KtCtiConfig " and a short hash of the program directory: separate installations (and
    /// parallel tests) do not meet.
    static QString nameFor(const QString &programDirectory);

    explicit SingleInstance(const QString &programDirectory, QObject *parent = nullptr);

    /// True when this process is now the running copy; false when another copy runs, which has been
    /// asked to show its window.
    bool claim();

signals:
    void activationRequested();

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};

} // namespace ktcticonfig
