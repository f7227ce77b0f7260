// The single-instance rule over a local socket named after the installation.
#include "ktcticonfig/app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace ktcticonfig {

namespace {

constexpr char kShow = 'S';
constexpr int kConnectMs = 500;

} // namespace

QString SingleInstance::nameFor(const QString &programDirectory)
{
    const QByteArray dir = QDir(programDirectory).canonicalPath().toUtf8();
    return QStringLiteral("KtCtiConfig ") +
           QString::fromLatin1(QCryptographicHash::hash(dir, QCryptographicHash::Sha1).toHex().left(12));
}

SingleInstance::SingleInstance(const QString &programDirectory, QObject *parent)
    : QObject(parent), m_name(nameFor(programDirectory))
{
}

bool SingleInstance::claim()
{
    QLocalSocket running;
    running.connectToServer(m_name);
    if (running.waitForConnected(kConnectMs)) {
        running.write(QByteArray(1, kShow));
        running.waitForBytesWritten(kConnectMs);
        running.disconnectFromServer();
        return false;
    }
    // Nobody answers: a socket left by a copy that ended abnormally is in the way.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name))
        return true; // without the socket this copy still runs; a second start is then not stopped
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = m_server->nextPendingConnection()) {
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().contains(kShow))
                    emit activationRequested();
            });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    return true;
}

} // namespace ktcticonfig
