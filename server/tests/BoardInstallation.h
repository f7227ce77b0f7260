// Test fixture: an --init installation on the software board in virtual time, and its service, shown
// on a recording display or in the main window.
#pragma once

#include "server/board/TlxBoard.h"
#include "server/board/VirtualTime.h"
#include "server/data/tests/TestDatabase.h"
#include "server/engine/Service.h"
#include "server/engine/tests/RecordingDisplay.h"
#include "server/settings/tests/RecordingDialogs.h"
#include "server/ui/FrmServer.h"

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
    /// Closes the service as the exit command does, which closes the board.
    void TearDown() override;

    QString programDir() const;
    /// Replaces a file of the installation.
    void replaceFile(const char *name, const QByteArray &text);
    /// Writes one key of Setup.ini (the value in UTF-8, stored as GBK).
    void setup(const char *section, const char *key, const std::string &value);
    /// A device of eight trunk channels where every number called follows `script`; what each call
    /// heard is written into the installation's folder "heard".
    void simulateHeardTrunks(const char *script);
    /// The A-law bytes of what the last call on a trunk channel heard; empty when it heard nothing.
    QByteArray heard(int ch) const;
    /// Runs the service's start-up sequence at a wall time, shown on the recording display.
    Service &start(common::DateTime at = {2026, 12, 9, 10, 0, 0, 0});
    /// Opens the main window at a wall time instead; it runs the service's start-up sequence.
    TFrmServer &startWindow(common::DateTime at = {2026, 12, 9, 10, 0, 0, 0});
    /// The service started last, in the window or not.
    Service &service() { return window ? window->service() : *m_service; }
    /// Moves virtual time on, the service timers firing as they fall due.
    void runFor(std::uint32_t ms) { runVirtualTime(service(), ms); }
    /// A text of a channel row as the operator sees it (column 1: the state).
    std::string trunkText(int row, int column = 1) const;
    std::string stationText(int row, int column = 1) const;
    /// The memo's lines, one per line, and a status panel's text.
    std::string memoText() const;
    std::string panelText(int panel) const;
    /// The text (UTF-8) of the run's log file and of its talk-record file; the files are closed first.
    std::string logText();
    std::string talkRecordText();
    /// Closes the service (and its window); start() may start a new one.
    void stop();

    TempProgramDir dir;
    TlxBoard board;
    std::unique_ptr<BoardClock> clock;
    RecordingDialogs dialogs;
    std::unique_ptr<RecordingDisplay> display;
    std::unique_ptr<TFrmServer> window;

private:
    std::unique_ptr<Service> m_service;
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
