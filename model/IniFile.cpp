#include "model/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

bool IsBlank(QChar C) {
    return C == u' ' || C == u'\t';
}

QString TrimBlanks(const QString& Text) {
    qsizetype First = 0;
    qsizetype Last = Text.size();
    while (First < Last && IsBlank(Text[First]))
        ++First;
    while (Last > First && IsBlank(Text[Last - 1]))
        --Last;
    return Text.mid(First, Last - First);
}

// Only A-Z fold, so names compare the same whatever the locale.
QString FoldAscii(const QString& Name) {
    QString Folded = Name;
    for (QChar& C : Folded)
        if (C >= u'A' && C <= u'Z') C = QChar(C.unicode() + (u'a' - u'A'));
    return Folded;
}

bool IsQuotedPair(const QString& Text) {
    return Text.size() >= 2 && Text.front() == Text.back() &&
           (Text.front() == u'"' || Text.front() == u'\'');
}

QString Unquote(const QString& Text) {
    return IsQuotedPair(Text) ? Text.mid(1, Text.size() - 2) : Text;
}

// Reading trims blanks and removes enclosing quotes, so such values are written quoted to come
// back unchanged; a line break would end the line and could inject a key, so it becomes a blank.
QString EncodeValue(const QString& Value) {
    QString Single = Value;
    Single.replace(u'\r', u' ').replace(u'\n', u' ');
    const bool NeedsQuotes = !Single.isEmpty() && (IsBlank(Single.front()) ||
                                                   IsBlank(Single.back()) || IsQuotedPair(Single));
    return NeedsQuotes ? u'"' + Single + u'"' : Single;
}

} // namespace

EIniFileWriteError::EIniFileWriteError(const QString& FileName)
    : std::runtime_error(QString::fromUtf8("%1 に書き込めません").arg(FileName).toStdString()),
      FMessage(QString::fromUtf8("%1 に書き込めません").arg(FileName)) {}

TIniFile TIniFile::FromBytes(const QByteArray& Bytes) {
    TIniFile Ini;
    const qsizetype Start = Bytes.startsWith(Utf8Bom) ? Utf8Bom.size() : 0;
    qsizetype LineStart = Start;
    bool EndingKnown = false;
    while (LineStart < Bytes.size()) {
        const qsizetype Newline = Bytes.indexOf('\n', LineStart);
        if (Newline < 0) {
            Ini.FLines.push_back(ParseLine(Bytes.mid(LineStart), QByteArray()));
            break;
        }
        const bool Crlf = Newline > LineStart && Bytes[Newline - 1] == '\r';
        const qsizetype TextEnd = Crlf ? Newline - 1 : Newline;
        const QByteArray Ending = Crlf ? QByteArray("\r\n") : QByteArray("\n");
        Ini.FLines.push_back(ParseLine(Bytes.mid(LineStart, TextEnd - LineStart), Ending));
        if (!EndingKnown) Ini.FLineEnding = Ending;
        EndingKnown = true;
        LineStart = Newline + 1;
    }
    return Ini;
}

std::optional<TIniFile> TIniFile::Load(const QString& FileName) {
    const QFileInfo Info(FileName);
    if (!Info.exists()) return TIniFile();
    // Opening a directory, a pipe or a device could fail late or block; only plain files count.
    if (!Info.isFile()) return std::nullopt;
    QFile File(FileName);
    if (!File.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray Bytes = File.readAll();
    if (File.error() != QFileDevice::NoError) return std::nullopt;
    return FromBytes(Bytes);
}

TIniFile::TLine TIniFile::ParseLine(const QByteArray& Text, const QByteArray& Ending) {
    TLine Line;
    Line.Text = Text;
    Line.Ending = Ending;
    const QString Trimmed = TrimBlanks(QString::fromUtf8(Text));
    if (Trimmed.isEmpty()) {
        Line.Kind = lkBlank;
    } else if (Trimmed.front() == u'[') {
        const qsizetype Close = Trimmed.indexOf(u']');
        Line.Kind = lkSection;
        Line.Name = FoldAscii(TrimBlanks(Trimmed.mid(1, Close < 0 ? -1 : Close - 1)));
    } else if (Trimmed.front() != u';') {
        const qsizetype Equals = Trimmed.indexOf(u'=');
        const QString Key = Equals < 0 ? QString() : TrimBlanks(Trimmed.left(Equals));
        if (!Key.isEmpty()) {
            Line.Kind = lkKey;
            Line.Name = FoldAscii(Key);
            Line.Value = TrimBlanks(Trimmed.mid(Equals + 1));
        }
    }
    return Line;
}

std::optional<std::size_t> TIniFile::FindSection(const QString& FoldedSection) const {
    for (std::size_t i = 0; i < FLines.size(); ++i)
        if (FLines[i].Kind == lkSection && FLines[i].Name == FoldedSection) return i;
    return std::nullopt;
}

std::optional<std::size_t> TIniFile::FindKey(const QString& FoldedSection,
                                             const QString& FoldedKey) const {
    bool InSection = false;
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        const TLine& Line = FLines[i];
        if (Line.Kind == lkSection)
            InSection = Line.Name == FoldedSection;
        else if (InSection && Line.Kind == lkKey && Line.Name == FoldedKey)
            return i;
    }
    return std::nullopt;
}

// Blank lines that close a section stay where they are, between it and the next section.
std::size_t TIniFile::LastLineOfSection(std::size_t SectionLine) const {
    std::size_t Last = SectionLine;
    for (std::size_t i = SectionLine + 1; i < FLines.size() && FLines[i].Kind != lkSection; ++i)
        if (FLines[i].Kind != lkBlank) Last = i;
    return Last;
}

void TIniFile::InsertLine(std::size_t Position, const QString& Text) {
    if (Position > 0 && FLines[Position - 1].Ending.isEmpty())
        FLines[Position - 1].Ending = FLineEnding;
    const auto Where = FLines.begin() + static_cast<std::ptrdiff_t>(Position);
    FLines.insert(Where, ParseLine(Text.toUtf8(), FLineEnding));
}

std::optional<QString> TIniFile::ReadString(const QString& Section, const QString& Key) const {
    const auto Line = FindKey(FoldAscii(Section), FoldAscii(Key));
    if (!Line) return std::nullopt;
    return Unquote(FLines[*Line].Value);
}

void TIniFile::WriteString(const QString& Section, const QString& Key, const QString& Value) {
    const QString Text = Key + u'=' + EncodeValue(Value);
    const QString FoldedSection = FoldAscii(Section);
    if (const auto Line = FindKey(FoldedSection, FoldAscii(Key))) {
        FLines[*Line] = ParseLine(Text.toUtf8(), FLines[*Line].Ending);
    } else if (const auto Header = FindSection(FoldedSection)) {
        InsertLine(LastLineOfSection(*Header) + 1, Text);
    } else {
        InsertLine(FLines.size(), u'[' + Section + u']');
        InsertLine(FLines.size(), Text);
    }
}

QByteArray TIniFile::ToBytes() const {
    QByteArray Bytes;
    for (const TLine& Line : FLines)
        Bytes += Line.Text + Line.Ending;
    return Bytes;
}

void TIniFile::Save(const QString& FileName) const {
    const QFileInfo Info(FileName);
    const QString FullName = Info.absoluteFilePath();
    if (!QDir().mkpath(Info.absolutePath())) throw EIniFileWriteError(FullName);
    // QSaveFile writes a temporary file beside the target and renames it over the old one only
    // on commit. Unbuffered, because a failure while QSaveFile flushes its own buffer inside
    // commit (a full disk) is lost and the cut-off file still replaces the old one.
    QSaveFile File(FullName);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw EIniFileWriteError(FullName);
    const QByteArray Bytes = ToBytes();
    if (File.write(Bytes) != Bytes.size()) {
        File.cancelWriting();
        throw EIniFileWriteError(FullName);
    }
    if (!File.commit()) throw EIniFileWriteError(FullName);
}
