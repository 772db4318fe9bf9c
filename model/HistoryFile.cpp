#include "model/HistoryFile.h"

#include "engine/DecimalText.h"
#include "model/FileReplace.h"
#include "model/ResultFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <optional>

namespace {

const QByteArray Header("Zemtrix history 1");
const QByteArray Utf8Bom("\xEF\xBB\xBF");
constexpr char FieldSeparator = '\t';
constexpr int FieldCount = 4;

struct TRoundDecimalText {
    QByteArrayView Text;
    std::int32_t Value;
};

// The display formats a window can choose, as the file spells them. Any other value could make
// the window index a table with it, so it is never written and never read.
constexpr TRoundDecimalText RoundDecimalTexts[] = {
    {"-16", RoundDecimalHex},
    {"-2", RoundDecimalBin},
    {"-1", RoundDecimalNormal},
    {"0", 0},
    {"1", 1},
    {"2", 2},
    {"3", 3},
    {"4", 4},
    {"5", 5},
};

std::optional<QByteArrayView> RoundDecimalText(std::int32_t Value) {
    for (const TRoundDecimalText& Known : RoundDecimalTexts)
        if (Known.Value == Value) return Known.Text;
    return std::nullopt;
}

std::optional<std::int32_t> ReadRoundDecimal(QByteArrayView Text) {
    for (const TRoundDecimalText& Known : RoundDecimalTexts)
        if (Known.Text == Text) return Known.Value;
    return std::nullopt;
}

// Line breaks and tabs would break the line apart; the other controls are escaped too, so that a
// person can read the file in a terminal.
bool IsControl(char16_t C) { return C < 0x20 || (C >= 0x7F && C <= 0x9F); }

void AppendEscape(QString& Out, char16_t C) {
    switch (C) {
    case u'\t': Out += u"\\t"; return;
    case u'\n': Out += u"\\n"; return;
    case u'\r': Out += u"\\r"; return;
    case u'\\': Out += u"\\\\"; return;
    default: Out += u"\\u"; Out += QString::number(C, 16).toUpper().rightJustified(4, u'0');
    }
}

bool NeedsNoEscape(QStringView Formula) {
    return std::none_of(Formula.begin(), Formula.end(), [](QChar C) {
        return C.isSurrogate() || IsControl(C.unicode()) || C == u'\\';
    });
}

// UTF-8 cannot hold a surrogate without its partner, so it is escaped like a control. Most
// formulas need no escape and are taken as they are.
QString EscapedFormula(const QString& Formula) {
    if (NeedsNoEscape(Formula)) return Formula;
    QString Out;
    Out.reserve(Formula.size());
    for (qsizetype i = 0; i < Formula.size(); ++i) {
        const QChar C = Formula[i];
        const bool IsPair =
            C.isHighSurrogate() && i + 1 < Formula.size() && Formula[i + 1].isLowSurrogate();
        if (IsPair) {
            Out += C;
            Out += Formula[++i];
        } else if (C.isSurrogate() || IsControl(C.unicode()) || C == u'\\') {
            AppendEscape(Out, C.unicode());
        } else {
            Out += C;
        }
    }
    return Out;
}

int HexDigit(QChar C) {
    const char16_t U = C.unicode();
    if (U >= u'0' && U <= u'9') return U - u'0';
    if (U >= u'A' && U <= u'F') return U - u'A' + 10;
    if (U >= u'a' && U <= u'f') return U - u'a' + 10;
    return -1;
}

// The unit an escape at Text[At] (its backslash) stands for, and how long the escape is.
std::optional<char16_t> ReadEscape(QStringView Text, qsizetype At, qsizetype& Length) {
    if (At + 1 >= Text.size()) return std::nullopt;
    Length = 2;
    switch (Text[At + 1].unicode()) {
    case u't': return u'\t';
    case u'n': return u'\n';
    case u'r': return u'\r';
    case u'\\': return u'\\';
    case u'u': break;
    default: return std::nullopt;
    }
    if (At + 6 > Text.size()) return std::nullopt;
    char16_t Unit = 0;
    for (qsizetype i = At + 2; i < At + 6; ++i) {
        const int Digit = HexDigit(Text[i]);
        if (Digit < 0) return std::nullopt;
        Unit = char16_t(Unit * 16 + Digit);
    }
    Length = 6;
    return Unit;
}

// Strict UTF-8 (no invalid or overlong sequences, no encoded surrogates); a leading U+FEFF is
// a character of the formula, not a byte-order mark.
std::optional<QString> DecodeUtf8(QByteArrayView Bytes) {
    QStringDecoder Decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    QString Text = Decoder.decode(Bytes);
    if (Decoder.hasError()) return std::nullopt;
    return Text;
}

bool IsRawControl(char C) { return (C >= 0 && C < 0x20) || C == 0x7F; }

// Raw controls are refused: the writer escapes them, so one in the file is damage. A field
// without a backslash is only decoded.
std::optional<QString> ReadFormula(QByteArrayView Field) {
    if (std::any_of(Field.begin(), Field.end(), IsRawControl)) return std::nullopt;
    const std::optional<QString> Text = DecodeUtf8(Field);
    if (!Text || !Field.contains('\\')) return Text;
    QString Formula;
    Formula.reserve(Text->size());
    for (qsizetype i = 0; i < Text->size();) {
        const QChar C = Text->at(i);
        if (C != u'\\') {
            Formula += C;
            ++i;
            continue;
        }
        qsizetype Length = 0;
        const std::optional<char16_t> Unit = ReadEscape(*Text, i, Length);
        if (!Unit) return std::nullopt;
        Formula += QChar(*Unit);
        i += Length;
    }
    return Formula;
}

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

void SkipDigits(QByteArrayView Text, qsizetype& Pos) {
    while (Pos < Text.size() && IsDigit(Text[Pos])) ++Pos;
}

// The shape the writer gives a value: [-] digits [. digits] [e [+|-] digits]. Blanks, a lone
// ".", "inf", "nan" and hexadecimal forms are refused before any conversion.
bool HasValueShape(QByteArrayView Text) {
    qsizetype Pos = Text.startsWith('-') ? 1 : 0;
    const qsizetype IntegerStart = Pos;
    SkipDigits(Text, Pos);
    if (Pos == IntegerStart) return false;
    if (Pos < Text.size() && Text[Pos] == '.') {
        const qsizetype FractionStart = ++Pos;
        SkipDigits(Text, Pos);
        if (Pos == FractionStart) return false;
    }
    if (Pos < Text.size() && (Text[Pos] == 'e' || Text[Pos] == 'E')) {
        ++Pos;
        if (Pos < Text.size() && (Text[Pos] == '+' || Text[Pos] == '-')) ++Pos;
        const qsizetype ExponentStart = Pos;
        SkipDigits(Text, Pos);
        if (Pos == ExponentStart) return false;
    }
    return Pos == Text.size();
}

// The nearest 80-bit number, denormals included; a magnitude beyond the range is refused.
std::optional<long double> ReadValue(QByteArrayView Text) {
    if (!HasValueShape(Text)) return std::nullopt;
    long double Value = 0;
    if (!TryReadDecimal(QString::fromLatin1(Text), Value) || !std::isfinite(Value))
        return std::nullopt;
    return Value;
}

bool IsSameNumber(long double A, long double B) {
    return A == B && std::signbit(A) == std::signbit(B);
}

// Shortest round-trip text; checked by reading it back, so a value the text would not give back
// (an encoding no arithmetic produces) is never written.
std::optional<QByteArray> ValueText(long double Value) {
    if (!std::isfinite(Value)) return std::nullopt;
    char Text[64];
    const std::to_chars_result Written = std::to_chars(Text, Text + sizeof Text, Value);
    if (Written.ec != std::errc()) return std::nullopt;
    const QByteArray Bytes(Text, Written.ptr - Text);
    const std::optional<long double> Back = ReadValue(Bytes);
    if (!Back || !IsSameNumber(*Back, Value)) return std::nullopt;
    return Bytes;
}

std::optional<QByteArray> EntryLine(const TExpressionHistory& Entry) {
    const std::optional<QByteArray> Value = ValueText(Entry.ResultValue());
    const std::optional<QByteArrayView> Format = RoundDecimalText(Entry.RoundDecimal());
    if (!Value || !Format) return std::nullopt;
    QByteArray Line = EscapedFormula(Entry.Expression()).toUtf8();
    Line += FieldSeparator;
    Line += *Value;
    Line += FieldSeparator;
    Line += *Format;
    Line += FieldSeparator;
    Line += Entry.IsPercent() ? '1' : '0';
    if (Line.size() > MaxHistoryLineBytes) return std::nullopt;
    return Line;
}

// The formula is the first field and the flag the last, so a line cut short loses a field
// before it could lose part of the formula: a truncated line never reads as an entry.
std::unique_ptr<TExpressionHistory> ReadEntry(QByteArrayView Line) {
    QByteArrayView Fields[FieldCount];
    for (int i = 0; i < FieldCount - 1; ++i) {
        const qsizetype Tab = Line.indexOf(FieldSeparator);
        if (Tab < 0) return nullptr;
        Fields[i] = Line.first(Tab);
        Line = Line.sliced(Tab + 1);
    }
    Fields[FieldCount - 1] = Line;
    const std::optional<QString> Formula = ReadFormula(Fields[0]);
    const std::optional<long double> Value = ReadValue(Fields[1]);
    const std::optional<std::int32_t> Format = ReadRoundDecimal(Fields[2]);
    const bool IsFlag = Fields[3] == "0" || Fields[3] == "1";
    if (!Formula || !Value || !Format || !IsFlag) return nullptr;
    auto Entry = std::make_unique<TExpressionHistory>();
    Entry->SetExpression(*Formula);
    Entry->SetResultValue(*Value);
    Entry->SetRoundDecimal(*Format);
    Entry->SetIsPercent(Fields[3] == "1");
    return Entry;
}

// Lines of a device, each held whole only up to MaxHistoryLineBytes; a longer one is read past
// in pieces. Counts every byte read against MaxHistoryReadBytes.
class THistoryLines {
public:
    enum TStatus { lsLine, lsTooLong, lsEnd, lsCut, lsError };

    explicit THistoryLines(QIODevice& Device)
        : FDevice(Device), FBuffer(MaxHistoryLineBytes + 2, Qt::Uninitialized) {}

    // The next line, without its LF and a CR before it.
    TStatus Next(QByteArrayView& Line) {
        if (FDevice.atEnd()) return lsEnd;
        if (FBytesRead >= MaxHistoryReadBytes) return lsCut;
        const qint64 Size = ReadPiece();
        if (Size <= 0) return lsError;
        const bool HasEnd = FBuffer[Size - 1] == '\n';
        if (!HasEnd && Size > MaxHistoryLineBytes) return SkipRest() ? lsTooLong : lsError;
        Line = QByteArrayView(FBuffer.constData(), HasEnd ? Size - 1 : Size);
        if (Line.endsWith('\r')) Line.chop(1);
        return lsLine;
    }

private:
    qint64 ReadPiece() {
        const qint64 Size = FDevice.readLine(FBuffer.data(), FBuffer.size());
        if (Size > 0) FBytesRead += Size;
        return Size;
    }

    // Up to the end of the line, the end of the device or the byte budget.
    bool SkipRest() {
        while (!FDevice.atEnd() && FBytesRead < MaxHistoryReadBytes) {
            const qint64 Size = ReadPiece();
            if (Size <= 0) return false;
            if (FBuffer[Size - 1] == '\n') return true;
        }
        return true;
    }

    QIODevice& FDevice;
    QByteArray FBuffer;
    qint64 FBytesRead = 0;
};

// Of the lines of the entries written, with room for a value of any length; each UTF-16 unit
// takes at most 3 bytes unless escaped.
qsizetype ExpectedSize(const TExpressionHistoryList& Entries) {
    const std::size_t Count = std::min(Entries.size(), std::size_t{MaxKeptHistoryEntries});
    qsizetype Size = 0;
    for (std::size_t i = 0; i < Count; ++i)
        if (Entries[i])
            Size += std::min(Entries[i]->Expression().size() * 3 + 48, MaxHistoryLineBytes + 1);
    return Size;
}

} // namespace

QString HistoryFileName(const QString& SettingsFileName) {
    return QFileInfo(SettingsFileName).absoluteDir().filePath(QStringLiteral("Zemtrix.history"));
}

// Another program's or version's header is a line like any other: it holds no entry and is
// counted, and the lines after it are still read.
THistoryReadResult ReadHistory(QIODevice& Device) {
    THistoryReadResult Result;
    THistoryLines Lines(Device);
    QByteArrayView Line;
    for (bool IsFirst = true;; IsFirst = false) {
        const THistoryLines::TStatus Status = Lines.Next(Line);
        if (Status == THistoryLines::lsEnd) break;
        Result.IsCut = Status == THistoryLines::lsCut;
        Result.HasReadError = Status == THistoryLines::lsError;
        if (Result.IsCut || Result.HasReadError) break;
        if (Status == THistoryLines::lsTooLong) {
            ++Result.SkippedLines;
            continue;
        }
        if (IsFirst && Line.startsWith(Utf8Bom)) Line = Line.sliced(Utf8Bom.size());
        if (Line.isEmpty() || (IsFirst && Line == Header)) continue;
        if (Result.Entries.size() == MaxKeptHistoryEntries) {
            Result.IsCut = true;
            break;
        }
        std::unique_ptr<TExpressionHistory> Entry = ReadEntry(Line);
        if (Entry)
            Result.Entries.push_back(std::move(Entry));
        else
            ++Result.SkippedLines;
    }
    return Result;
}

// A pipe or a device under the name would block or never end, so only a regular file is opened.
// A symbolic link to nothing is a missing file: writing creates the file it names.
THistoryReadResult ReadHistoryFile(const QString& FileName) {
    const QFileInfo Info(FileName);
    THistoryReadResult Result;
    if (!Info.exists()) {
        Result.FileName = Info.absoluteFilePath();
        return Result;
    }
    QFile File(FileName);
    if (Info.isFile() && File.open(QIODevice::ReadOnly)) {
        Result = ReadHistory(File);
        Result.HasReadError = Result.HasReadError || File.error() != QFileDevice::NoError;
    } else {
        Result.HasReadError = true;
    }
    Result.FileName = Info.absoluteFilePath();
    return Result;
}

// Reserved at once: growing a text of megabytes step by step would copy it again and again.
QByteArray HistoryToBytes(const TExpressionHistoryList& Entries) {
    QByteArray Bytes = Header + '\n';
    Bytes.reserve(Bytes.size() + ExpectedSize(Entries));
    int Written = 0;
    for (const std::unique_ptr<TExpressionHistory>& Entry : Entries) {
        if (Written == MaxKeptHistoryEntries) break;
        const std::optional<QByteArray> Line = Entry ? EntryLine(*Entry) : std::nullopt;
        if (!Line) continue;
        Bytes += *Line;
        Bytes += '\n';
        ++Written;
    }
    return Bytes;
}

void WriteHistoryFile(const QString& FileName, const TExpressionHistoryList& Entries) {
    const QFileInfo Info(FileName);
    const QString FullName = Info.absoluteFilePath();
    const QByteArray Bytes = HistoryToBytes(Entries);
    if (!QDir().mkpath(Info.absolutePath()) || !ReplaceFileContents(FullName, {Bytes}))
        throw EHistoryFileWriteError(FullName);
}

// The history is where writing put it: through a symbolic link, in the file the link names. A
// name that holds no regular file keeps no history, so nothing is deleted there.
void DeleteHistoryFile(const QString& FileName) {
    const QFileInfo Info(FileName);
    if (!Info.isFile()) return;
    if (!QFile::remove(Info.canonicalFilePath()))
        throw EHistoryFileWriteError(Info.absoluteFilePath());
}

QStringList HistoryReadReport(const THistoryReadResult& Result) {
    const QString Name = QDir::toNativeSeparators(Result.FileName);
    QStringList Lines;
    if (Result.HasReadError)
        Lines +=
            QCoreApplication::translate("HistoryFile", "%1 could not be read to its end").arg(Name);
    if (Result.SkippedLines > 0)
        Lines += QCoreApplication::translate("HistoryFile", "%1: %n unreadable line(s) skipped",
                                             nullptr, Result.SkippedLines)
                     .arg(Name);
    if (Result.IsCut)
        Lines += QCoreApplication::translate(
                     "HistoryFile", "%1: reading stopped after %n entries; the rest was not read",
                     nullptr, int(Result.Entries.size()))
                     .arg(Name);
    return Lines;
}

THistoryReadResult LoadKeptHistory(const TAppData& Data) {
    if (!Data.IsKeepHistory) return {};
    return ReadHistoryFile(HistoryFileName(Data.SettingsFileName()));
}

void SaveKeptHistory(const TAppData& Data, const TExpressionHistoryList& Entries) {
    const QString FileName = HistoryFileName(Data.SettingsFileName());
    if (Data.IsKeepHistory)
        WriteHistoryFile(FileName, Entries);
    else if (Data.IsKeepHistoryUsed())
        DeleteHistoryFile(FileName);
}

// The settings go first: a kill between the two files then leaves a file that the settings
// read at the next start account for (kept and read, or turned off and deleted at the next
// shutdown), never a history that no setting will ever read or delete.
void WriteSettingsAndHistory(const TAppData& Data, const TExpressionHistoryList& Entries) {
    std::exception_ptr SettingsFailure;
    try {
        Data.Write();
    } catch (const EIniFileWriteError&) {
        SettingsFailure = std::current_exception();
    }
    try {
        SaveKeptHistory(Data, Entries);
    } catch (const EHistoryFileWriteError&) {
        if (!SettingsFailure) throw;
    }
    if (SettingsFailure) std::rethrow_exception(SettingsFailure);
}
