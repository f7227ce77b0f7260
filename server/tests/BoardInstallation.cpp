// The software-board installation fixture.
#include "server/tests/BoardInstallation.h"

#include "server/install/InitInstallation.h"
#include "server/tests/DriverIpc.h"

#include "common/Gbk.h"
#include "common/ProfileFile.h"
#include "ktdrv/KtSim.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

namespace server::testing {

void BoardInstallation::SetUp()
{
    useOwnDriverIpc();
    ::unsetenv("KTSIM_CONFIG");
    ++m_installation;
    QString error;
    ASSERT_TRUE(initInstallation(programDir(), &error)) << error.toStdString();
    // The smallest voice database: every character maps to no segment.
    replaceFile("VoiceDB.dat", QByteArray(13794, '\0'));
    TlxSimSetVirtualTime(1);
}

void BoardInstallation::TearDown()
{
    stop();
}

QString BoardInstallation::programDir() const
{
    return dir.file("notice") + QString::number(m_installation);
}

void BoardInstallation::replaceFile(const char *name, const QByteArray &text)
{
    QFile f(programDir() + QLatin1Char('/') + QLatin1String(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

void BoardInstallation::simulateHeardTrunks(const char *script)
{
    replaceFile("KtSim.ini", QByteArray("[Simulator]\r\nHeardDir=") + programDir().toUtf8() +
                                 "/heard\r\n[Device0]\r\nHardwareId=10\r\nSerialNumber=1001\r\n"
                                 "ChannelTypes=0,0,0,0,0,0,0,0\r\n[Numbers]\r\n*=" + script + "\r\n");
    QDir(programDir()).mkpath(QStringLiteral("heard"));
}

QByteArray BoardInstallation::heard(int ch) const
{
    char path[260] = {};
    TlxSimGetHeardFile(ch, path);
    return wavData(QString::fromUtf8(path));
}

void BoardInstallation::setup(const char *section, const char *key, const std::string &value)
{
    ASSERT_TRUE(
        common::writeProfileString((programDir() + QStringLiteral("/Setup.ini")).toStdString(), section, key,
                                   common::utf8ToGbk(value)));
}

Service &BoardInstallation::start(common::DateTime at)
{
    stop();
    clock = std::make_unique<BoardClock>(at);
    display = std::make_unique<RecordingDisplay>();
    m_service = std::make_unique<Service>(programDir().toStdString(), board, *display, *clock, dialogs);
    m_service->start();
    return *m_service;
}

TFrmServer &BoardInstallation::startWindow(common::DateTime at)
{
    stop();
    clock = std::make_unique<BoardClock>(at);
    window = std::make_unique<TFrmServer>(programDir(), board, *clock, dialogs);
    window->FormShow();
    return *window;
}

namespace {

std::string rowText(const RecordingDisplay::Row &row, int column)
{
    const auto i = static_cast<std::size_t>(column - 1);
    return i < row.texts.size() ? row.texts[i] : std::string();
}

} // namespace

std::string BoardInstallation::trunkText(int row, int column) const
{
    return rowText(display->trunkRows.at(static_cast<std::size_t>(row)), column);
}

std::string BoardInstallation::stationText(int row, int column) const
{
    return rowText(display->stationRows.at(static_cast<std::size_t>(row)), column);
}

std::string BoardInstallation::memoText() const
{
    std::string text;
    for (const std::string &line : display->memo)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

std::string BoardInstallation::panelText(int panel) const
{
    const auto it = display->panels.find(panel);
    return it == display->panels.end() ? std::string() : it->second;
}

namespace {

// The text of the first file of a folder of the installation, GBK read as UTF-8.
std::string firstFileText(const QString &folder)
{
    const QStringList files = QDir(folder).entryList(QDir::Files);
    if (files.isEmpty())
        return {};
    QFile f(folder + QLatin1Char('/') + files.first());
    f.open(QIODevice::ReadOnly);
    return common::gbkToUtf8(f.readAll().toStdString());
}

} // namespace

std::string BoardInstallation::logText()
{
    service().engine().files().CloseLogFiles();
    return firstFileText(programDir() + QStringLiteral("/Log"));
}

std::string BoardInstallation::talkRecordText()
{
    service().engine().files().CloseLogFiles();
    return firstFileText(programDir() + QStringLiteral("/TalkInfo"));
}

void BoardInstallation::stop()
{
    if (window)
        window->closeConfirmed();
    window.reset();
    if (m_service)
        m_service->shutdown();
    m_service.reset();
}

QByteArray oneSegmentDatabase(char sound)
{
    QByteArray db(13792, '\0');
    // One segment (N = 1) at offset 0, 800 bytes long.
    db.append(char(1)).append(char(0));
    db.append(QByteArray("\0\0\0\0", 4)).append(char(800 & 0xFF)).append(char(800 >> 8));
    db.append(QByteArray(800, sound));
    return db;
}

QByteArray composedName(int characters, char sound)
{
    QByteArray bytes;
    for (int i = 0; i < characters; ++i)
        bytes += QByteArray(800, sound) + QByteArray(400, char(0x55));
    return bytes;
}

QByteArray wavData(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wav = f.readAll();
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const auto size = static_cast<quint32>(static_cast<unsigned char>(wav[at + 4])) |
                          static_cast<quint32>(static_cast<unsigned char>(wav[at + 5])) << 8 |
                          static_cast<quint32>(static_cast<unsigned char>(wav[at + 6])) << 16 |
                          static_cast<quint32>(static_cast<unsigned char>(wav[at + 7])) << 24;
        if (id == "data")
            return wav.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    return {};
}

} // namespace server::testing
