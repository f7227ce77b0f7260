// The single-instance rule over a local socket named after the installation.
#include "server/app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace server {

namespace {

const QByteArray kActivate = "activate\n";

} // namespace

QString SingleInstance::nameFor(const QString &programDir)
{
    const QByteArray dir = QDir(programDir).canonicalPath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(dir, QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("Program of mqtz_new ") + QString::fromLatin1(hash);
}

SingleInstance::SingleInstance(const QString &programDir, QObject *parent)
    : QObject(parent), m_name(nameFor(programDir))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    QLocalSocket peer;
    peer.connectToServer(m_name);
    if (peer.waitForConnected(500)) {
        peer.write(kActivate);
        peer.waitForBytesWritten(500);
        peer.disconnectFromServer();
        return false;
    }
    // Nobody answers: a socket file left by a copy that died is in the way.
    QLocalServer::removeServer(m_name);
    return listen();
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->readAll().contains(kActivate.trimmed()))
                    emit activationRequested();
            });
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    return true;
}

} // namespace server
