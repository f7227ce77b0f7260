// Test fixture: an --init installation on the software board in virtual time, and its main window.
#pragma once

#include "server/ui/FrmServer.h"
#include "server/board/TlxBoard.h"
#include "server/board/VirtualTime.h"
#include "server/settings/tests/RecordingDialogs.h"
#include "server/data/tests/TestDatabase.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <memory>
#include <string>

namespace server::testing {

class BoardInstallation : public ::testing::Test
{
protected:
    /// Makes the installation (a new one each time it is called) and sets the board on virtual time.
    void SetUp() override;
    /// Closes the window as the exit command does, which closes the board.
    void TearDown() override;

    QString programDir() const;
    /// Replaces a file of the installation.
    void replaceFile(const char *name, const QByteArray &text);
    /// Writes one key of Setup.ini (the value in UTF-8, stored as GBK).
    void setup(const char *section, const char *key, const std::string &value);
    /// Opens the main window at a wall time and runs its start-up sequence.
    TFrmServer &start(common::DateTime at = {2026, 12, 9, 10, 0, 0, 0});
    /// Moves virtual time on, the service timers firing as they fall due.
    void runFor(std::uint32_t ms) { runVirtualTime(*window, ms); }
    /// The text (UTF-8) of the run's log file and of its talk-record file; the files are closed first.
    std::string logText();
    std::string talkRecordText();
    /// Closes the window; start() may open a new one.
    void stop();

    TempProgramDir dir;
    TlxBoard board;
    std::unique_ptr<BoardClock> clock;
    RecordingDialogs dialogs;
    std::unique_ptr<TFrmServer> window;

private:
    int m_installation = -1;
};

/// A voice database whose every character is one segment of 100 ms, 800 bytes of `sound`.
QByteArray oneSegmentDatabase(char sound = char(0xD5));
/// What a name of that many characters composes to with oneSegmentDatabase(sound): each character's
/// segment followed by its pause.
QByteArray composedName(int characters, char sound);
/// The A-law bytes of a WAV file's data chunk; empty when the file or the chunk is missing.
QByteArray wavData(const QString &path);

} // namespace server::testing
