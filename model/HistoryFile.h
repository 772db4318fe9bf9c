#pragma once

// The kept history: the file "Zemtrix.history" beside the settings file, read at start-up and
// written at shutdown when the user keeps the history.
//
// Format (UTF-8, lines end in LF):
//   Zemtrix history 1
//   <formula> TAB <value> TAB <RoundDecimal> TAB <percent>
//   ...
// one line per entry, newest first. The formula is escaped: "\\" for a backslash, "\t", "\n",
// "\r", and "\uXXXX" for any other control character (U+0000 to U+001F, U+007F to U+009F) and
// for a surrogate without its partner, so every QString comes back unit for unit. The value is
// the shortest decimal text that reads back as the same 80-bit number ("0.1", "-0", "4e-4951",
// "1.4142135623730950488"). RoundDecimal is -16, -2, -1 or 0 to 5; percent is 1 or 0.

#include "model/AppData.h"
#include "model/ExpressionHistory.h"
#include "model/IniFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QIODevice;

// The history as the window holds it, newest first.
using TExpressionHistoryList = std::vector<std::unique_ptr<TExpressionHistory>>;

// The most entries kept; a longer history keeps its newest.
inline constexpr int MaxKeptHistoryEntries = 1000;
// The longest line read, without its line ending: an entry of a 1024-character formula (the
// longest the evaluator takes) needs at most some 6,200 bytes.
inline constexpr qsizetype MaxHistoryLineBytes = 16 * 1024;
// Reading stops after this many bytes: room for the header and a full history of longest lines.
inline constexpr qint64 MaxHistoryReadBytes =
    qint64{MaxKeptHistoryEntries + 1} * (MaxHistoryLineBytes + 1);

// The kept history could not be written or deleted. Its message has the settings file's form,
// "Cannot write <full path>", and whatever catches a settings write failure catches it.
class EHistoryFileWriteError : public EIniFileWriteError {
public:
    using EIniFileWriteError::EIniFileWriteError;
};

// What a read gave. Reading never fails: a damaged or foreign file gives what could be read.
struct THistoryReadResult {
    QString FileName;               // the file read (empty for a device)
    TExpressionHistoryList Entries; // newest first, at most MaxKeptHistoryEntries
    // Lines that held no entry: damaged, foreign (another program's or version's header
    // included) or longer than MaxHistoryLineBytes. Blank lines do not count.
    int SkippedLines = 0;
    // Reading stopped at MaxKeptHistoryEntries or MaxHistoryReadBytes while more followed.
    bool IsCut = false;
    // The file exists but is no regular file, could not be opened or failed while being read.
    bool HasReadError = false;
};

// "Zemtrix.history" in the folder of the settings file SettingsFileName.
QString HistoryFileName(const QString& SettingsFileName);

// Reads a history from the device's current position, line by line: at most
// MaxHistoryReadBytes are read and at most MaxHistoryLineBytes + 2 are held at once. The header
// line is optional (a UTF-8 byte-order mark before it is allowed); CR before a line's LF is
// ignored.
THistoryReadResult ReadHistory(QIODevice& Device);
// The same for a file; a missing file is an empty history, not an error. Creates nothing.
THistoryReadResult ReadHistoryFile(const QString& FileName);

// The file's text for the first MaxKeptHistoryEntries entries. Entries that could not be read
// back are left out: a null one, a value that is not finite, a RoundDecimal no window chooses,
// or a line longer than MaxHistoryLineBytes (a formula of thousands of characters).
QByteArray HistoryToBytes(const TExpressionHistoryList& Entries);
// Creates the folder when missing and replaces the file in one atomic step, as the settings
// file is replaced: a kill at any moment leaves the old file or the new one. Throws
// EHistoryFileWriteError when it cannot, leaving an existing file as it was. Touches no
// other file.
void WriteHistoryFile(const QString& FileName, const TExpressionHistoryList& Entries);
// Deletes the history kept in FileName (through a symbolic link: the file it names). Nothing to
// delete is no failure; a file that stays throws EHistoryFileWriteError.
void DeleteHistoryFile(const QString& FileName);

// Lines for standard error about what a read skipped or could not read (translatable, without
// the program's name); empty after a clean read.
QStringList HistoryReadReport(const THistoryReadResult& Result);

// Start-up: the kept history beside Data's settings file when Data.IsKeepHistory, else an
// empty one without touching any file. Call after Data.Read().
THistoryReadResult LoadKeptHistory(const TAppData& Data);
// Shutdown: writes Entries when Data.IsKeepHistory; deletes the file when keeping was turned
// off (Data.IsKeepHistoryUsed()); for a user who never kept the history, touches nothing.
// Throws EHistoryFileWriteError.
void SaveKeptHistory(const TAppData& Data, const TExpressionHistoryList& Entries);
// Shutdown in one call: Data.Write(), then SaveKeptHistory, each done whatever the other's
// failure. Throws the settings file's EIniFileWriteError when that failed (also when both
// did), else the history's EHistoryFileWriteError.
void WriteSettingsAndHistory(const TAppData& Data, const TExpressionHistoryList& Entries);
