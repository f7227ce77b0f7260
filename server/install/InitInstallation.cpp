// The ready program directory of "Server --init".
#include "server/install/InitInstallation.h"

#include "server/data/SchemaScript.h"
#include "server/settings/LoadSettings.h"
#include "server/settings/SaveSettings.h"

#include "common/Gbk.h"
#include "common/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace server {

namespace {

const char *const kInstallationFiles[] = {"Setup.ini", "BillDB.db", "KtConfig.ini", "KtIndex.ini", "KtSim.ini"};

bool writeTextFile(const QString &path, const QByteArray &text, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly) || f.write(text) != text.size()) {
        *error = QStringLiteral("cannot write ") + path + QStringLiteral(": ") + f.errorString();
        return false;
    }
    return true;
}

// One PCI 8-channel analog voice board, its eight channels the application's channels 0..7.
const char *const kKtConfig = "[SystemConfig]\r\n"
                              "TotalBoards=1\r\n"
                              "[BoardId=0]\r\n"
                              "BoardModel=PCI 8-channel analog voice board\r\n"
                              "BoardSerialNumber=1001\r\n"
                              "[AppChToBoardChTable]\r\n"
                              "TotalAppCh=8\r\n"
                              "AppCh[0]=0,0..7\r\n";

// The named voice segments are listed here once the voice files are made.
const char *const kKtIndex = "[Index]\r\n";

// The device of that board: six trunks with line voltage, two agent telephones; every number rings
// twice, answers, speaks a moment, listens and hangs up.
const char *const kKtSim = "[Simulator]\r\n"
                           "TimeMode=real\r\n"
                           "[Device0]\r\n"
                           "Bus=pci\r\n"
                           "HardwareId=10\r\n"
                           "SerialNumber=1001\r\n"
                           "SubType=0\r\n"
                           "ChannelTypes=0,0,0,0,0,0,2,2\r\n"
                           "LineVoltage=48,48,48,48,48,48,0,0\r\n"
                           "[Numbers]\r\n"
                           "*=ring:2,answer,voice:1500,silence:20000,hangup\r\n"
                           "[Stations]\r\n"
                           "6=answer:3000\r\n"
                           "7=answer:3000\r\n";

bool writeBoardFiles(const QString &dir, QString *error)
{
    return writeTextFile(dir + QStringLiteral("/KtConfig.ini"), kKtConfig, error) &&
           writeTextFile(dir + QStringLiteral("/KtIndex.ini"), kKtIndex, error) &&
           writeTextFile(dir + QStringLiteral("/KtSim.ini"), kKtSim, error);
}

// Every key at its default, the simulated board's eight channels in service.
bool writeSetup(const QString &dir, QString *error)
{
    Settings settings;
    settings.ProgramDir = dir.toStdString();
    ChannelTables tables;
    applyDefaults(settings, tables);
    settings.Title = "自动语音通知系统";
    for (int ch = 0; ch < 8; ++ch)
        tables.InService[static_cast<std::size_t>(ch)] = 1;
    std::string why;
    if (!SaveSettings(settings, tables, &why)) {
        *error = QString::fromStdString(why);
        return false;
    }
    return true;
}

bool copyFolder(const QString &from, const QString &to, QString *error)
{
    QDir().mkpath(to);
    for (const QString &name : QDir(from).entryList(QDir::Files)) {
        const QString target = to + QLatin1Char('/') + name;
        QFile::remove(target);
        if (!QFile::copy(from + QLatin1Char('/') + name, target)) {
            *error = QStringLiteral("cannot copy ") + from + QLatin1Char('/') + name;
            return false;
        }
    }
    return true;
}

// The voice files of a make-voices.sh output, with the index of its named segments.
bool takeVoices(const QString &dir, const QString &voices, QString *error)
{
    for (const char *needed : {"VoiceDB.dat", "Voice/pth/Notice.voc", "Voice/pth/Bye.voc", "Voice/Index/music.voc"}) {
        if (!QFileInfo::exists(voices + QLatin1Char('/') + QLatin1String(needed))) {
            *error = QStringLiteral("not a voice folder of make-voices.sh (no ") + QLatin1String(needed) +
                     QStringLiteral("): ") + voices;
            return false;
        }
    }
    QFile::remove(dir + QStringLiteral("/VoiceDB.dat"));
    if (!QFile::copy(voices + QStringLiteral("/VoiceDB.dat"), dir + QStringLiteral("/VoiceDB.dat"))) {
        *error = QStringLiteral("cannot copy ") + voices + QStringLiteral("/VoiceDB.dat");
        return false;
    }
    for (const char *folder : {"Voice/pth", "Voice/gdh", "Voice/Index"})
        if (!copyFolder(voices + QLatin1Char('/') + QLatin1String(folder), dir + QLatin1Char('/') + QLatin1String(folder),
                        error))
            return false;
    // Paths relative to the index file's folder, so the installation can move.
    QByteArray index = "[Index]\r\n";
    for (const QString &file : QDir(dir + QStringLiteral("/Voice/Index")).entryList({QStringLiteral("*.voc")}, QDir::Files))
        index += QFileInfo(file).completeBaseName().toUtf8() + "=Voice/Index/" + file.toUtf8() + "\r\n";
    QFile f(dir + QStringLiteral("/KtIndex.ini"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(index) != index.size()) {
        *error = QStringLiteral("cannot write ") + f.fileName();
        return false;
    }
    f.close();
    const std::string notice = (dir + QStringLiteral("/Voice/pth/Notice.voc")).toStdString();
    std::string why;
    if (!common::writeProfileString((dir + QStringLiteral("/Setup.ini")).toStdString(), "Voice", "AdNotice",
                                    common::utf8ToGbk(notice), &why)) {
        *error = QString::fromStdString(why);
        return false;
    }
    return true;
}

} // namespace

bool initInstallation(const QString &dirPath, const QString &voicesDir, QString *error)
{
    if (!voicesDir.isEmpty() && !QFileInfo::exists(voicesDir + QStringLiteral("/VoiceDB.dat"))) {
        *error = QStringLiteral("not a voice folder of make-voices.sh (no VoiceDB.dat): ") + voicesDir;
        return false;
    }
    if (!initInstallation(dirPath, error))
        return false;
    return voicesDir.isEmpty() || takeVoices(QDir(dirPath).absolutePath(), QDir(voicesDir).absolutePath(), error);
}

bool initInstallation(const QString &dirPath, QString *error)
{
    const QString dir = QDir(dirPath).absolutePath();
    for (const char *name : kInstallationFiles) {
        if (QFileInfo::exists(dir + QLatin1Char('/') + QLatin1String(name))) {
            *error = QStringLiteral("refused: ") + dir + QStringLiteral(" already holds an installation (") +
                     QLatin1String(name) + QLatin1Char(')');
            return false;
        }
    }
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("cannot create ") + dir;
        return false;
    }
    for (const char *folder : {"Log", "TalkInfo", "Temp", "Record", "Voice/pth", "Voice/gdh"})
        QDir(dir).mkpath(QLatin1String(folder));
    return writeSetup(dir, error) && createEmbeddedDatabase(dir + QStringLiteral("/BillDB.db"), error) &&
           writeBoardFiles(dir, error);
}

} // namespace server
