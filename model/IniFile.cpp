#include "model/IniFile.h"

#include "model/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <QStringDecoder>
#include <QVarLengthArray>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

enum TLineKind { lkOther, lkBlank, lkSection, lkKey };

struct TLineParts {
    TLineKind Kind = lkOther;
    QByteArrayView Name;
    QByteArrayView Value; // of a key line: the text after the first "=", blanks trimmed
};

bool IsBlank(char C) { return C == ' ' || C == '\t'; }

QByteArrayView TrimBlanks(QByteArrayView Text) {
    qsizetype First = 0;
    qsizetype Last = Text.size();
    while (First < Last && IsBlank(Text[First])) ++First;
    while (Last > First && IsBlank(Text[Last - 1])) --Last;
    return Text.sliced(First, Last - First);
}

// Line breaks, blanks and the marks "[", "]", ";", "=" are ASCII, and UTF-8 never uses ASCII
// bytes inside a multi-byte character, so a line splits the same as bytes or as decoded text.
TLineParts SplitLine(QByteArrayView Line) {
    const QByteArrayView Trimmed = TrimBlanks(Line);
    if (Trimmed.isEmpty()) return {lkBlank, {}, {}};
    if (Trimmed.front() == '[') {
        const QByteArrayView Inside = Trimmed.sliced(1);
        const qsizetype Close = Inside.indexOf(']');
        return {lkSection, TrimBlanks(Close < 0 ? Inside : Inside.first(Close)), {}};
    }
    if (Trimmed.front() == ';') return {};
    const qsizetype Equals = Trimmed.indexOf('=');
    if (Equals < 0) return {};
    const QByteArrayView Key = TrimBlanks(Trimmed.first(Equals));
    if (Key.isEmpty()) return {};
    return {lkKey, Key, TrimBlanks(Trimmed.sliced(Equals + 1))};
}

// Unlike QString::fromUtf8, keeps a leading U+FEFF: inside the file it is a character of a name
// or value, and dropping it would change a value at every rewrite.
QString DecodeUtf8(QByteArrayView Bytes) {
    QStringDecoder Decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    return Decoder.decode(Bytes);
}

bool IsAscii(QByteArrayView Text) {
    return std::all_of(Text.begin(), Text.end(), [](char C) { return (C & 0x80) == 0; });
}

char16_t FoldAscii(char16_t C) { return C >= u'A' && C <= u'Z' ? char16_t(C + (u'a' - u'A')) : C; }

// Only A-Z fold, so names compare the same whatever the locale.
QString FoldAscii(const QString& Name) {
    QString Folded = Name;
    for (QChar& C : Folded) C = QChar(FoldAscii(C.unicode()));
    return Folded;
}

// Of the folded name in UTF-8, 31 bits. Seeded per process, so that no file can be made of
// names that all collide.
std::uint32_t FoldedNameHash(QByteArrayView FoldedUtf8) {
    return static_cast<std::uint32_t>(qHash(FoldedUtf8, QHashSeed::globalSeed())) >> 1;
}

std::uint32_t NameHash(const QString& Folded) { return FoldedNameHash(Folded.toUtf8()); }

// The hash of a name as it stands in the file, without building a string for ASCII names.
std::uint32_t NameHash(QByteArrayView Name) {
    if (!IsAscii(Name)) return NameHash(FoldAscii(DecodeUtf8(Name)));
    QVarLengthArray<char, 64> Folded(Name.size());
    std::transform(Name.begin(), Name.end(), Folded.begin(),
                   [](char C) { return C >= 'A' && C <= 'Z' ? char(C + ('a' - 'A')) : C; });
    return FoldedNameHash(QByteArrayView(Folded.data(), Folded.size()));
}

bool IsSameName(QByteArrayView Name, const QString& Folded) {
    if (!IsAscii(Name)) return FoldAscii(DecodeUtf8(Name)) == Folded;
    if (Name.size() != Folded.size()) return false;
    for (qsizetype i = 0; i < Name.size(); ++i)
        if (FoldAscii(char16_t(Name[i])) != Folded[i].unicode()) return false;
    return true;
}

// The text of the line starting at Start, without its ending; a lone CR before the end stays
// part of the text.
QByteArrayView LineText(QByteArrayView Text, qsizetype Start, qsizetype Newline) {
    if (Newline < 0) return Text.sliced(Start);
    const bool Crlf = Newline > Start && Text[Newline - 1] == '\r';
    return Text.sliced(Start, (Crlf ? Newline - 1 : Newline) - Start);
}

// Calls Visit(Start, Newline) for each line starting in [From, End) that may be a key or section
// line: it begins with "[" or holds "=". A damaged file can hold millions of other lines, which
// are passed over without splitting them. Newline is -1 for a last line without ending.
template <class TVisit>
void ForEachCandidateLine(QByteArrayView Text, qsizetype From, qsizetype End, TVisit&& Visit) {
    const char* const TextEnd = Text.data() + Text.size();
    for (qsizetype Start = From; Start < End;) {
        const char* Pos = Text.data() + Start;
        while (Pos < TextEnd && IsBlank(*Pos)) ++Pos;
        if (Pos < TextEnd && *Pos != '[') {
            const char* const Stop =
                *Pos == ';'
                    ? static_cast<const char*>(std::memchr(Pos, '\n', std::size_t(TextEnd - Pos)))
                    : std::find_if(Pos, TextEnd, [](char C) { return C == '\n' || C == '='; });
            if (Stop == nullptr || Stop == TextEnd) return;
            if (*Stop == '\n') {
                Start = Stop - Text.data() + 1;
                continue;
            }
        }
        const qsizetype Newline = Text.indexOf('\n', Pos - Text.data());
        Visit(Start, Newline);
        if (Newline < 0) return;
        Start = Newline + 1;
    }
}

bool IsQuotedPair(const QString& Text) {
    return Text.size() >= 2 && Text.front() == Text.back() &&
           (Text.front() == u'"' || Text.front() == u'\'');
}

QString Unquote(const QString& Text) {
    return IsQuotedPair(Text) ? Text.mid(1, Text.size() - 2) : Text;
}

QString ValueOf(QByteArrayView Line) { return Unquote(DecodeUtf8(SplitLine(Line).Value)); }

// Reading trims blanks and removes enclosing quotes, so such values are written quoted to come
// back unchanged; a line break would end the line and could inject a key, so it becomes a blank.
QString EncodeValue(const QString& Value) {
    QString Single = Value;
    Single.replace(u'\r', u' ').replace(u'\n', u' ');
    const bool NeedsQuotes =
        !Single.isEmpty() &&
        (Single.front() == u' ' || Single.front() == u'\t' || Single.back() == u' ' ||
         Single.back() == u'\t' || IsQuotedPair(Single));
    return NeedsQuotes ? u'"' + Single + u'"' : Single;
}

bool ReadsBackAs(const QByteArray& Line, TLineKind Kind, const QString& FoldedName) {
    const TLineParts Parts = SplitLine(Line);
    return !Line.contains('\n') && Parts.Kind == Kind && IsSameName(Parts.Name, FoldedName);
}

qsizetype LengthOfLeadingMarks(const QByteArray& Text) {
    qsizetype Length = 0;
    while (QByteArrayView(Text).sliced(Length).startsWith(Utf8Bom)) Length += Utf8Bom.size();
    return Length;
}

std::optional<QStringConverter::Encoding> Utf16Encoding(const QByteArray& Bytes) {
    if (Bytes.startsWith("\xFF\xFE")) return QStringConverter::Utf16LE;
    if (Bytes.startsWith("\xFE\xFF")) return QStringConverter::Utf16BE;
    return std::nullopt;
}

// Converted piece by piece, so a large file never exists as UTF-16 text and as UTF-8 at once;
// a surrogate pair cut by a piece boundary is carried to the next piece.
QByteArray Utf16ToUtf8(const QByteArray& Bytes, QStringConverter::Encoding Encoding) {
    constexpr qsizetype PieceSize = qsizetype{1} << 16;
    QStringDecoder Decoder(Encoding, QStringConverter::Flag::ConvertInitialBom);
    QByteArray Utf8;
    QString Carry;
    for (qsizetype Start = 2; Start < Bytes.size(); Start += PieceSize) {
        const QString Decoded = Decoder.decode(
            QByteArrayView(Bytes).sliced(Start, std::min(PieceSize, Bytes.size() - Start)));
        QString Piece = Carry + Decoded;
        Carry.clear();
        if (!Piece.isEmpty() && Piece.back().isHighSurrogate()) {
            Carry = Piece.back();
            Piece.chop(1);
        }
        Utf8 += Piece.toUtf8();
    }
    return Utf8 + Carry.toUtf8();
}

} // namespace

EIniFileWriteError::EIniFileWriteError(const QString& FileName)
    : std::runtime_error(QString::fromUtf8("%1 に書き込めません").arg(FileName).toStdString()),
      FMessage(QString::fromUtf8("%1 に書き込めません").arg(FileName)) {}

TIniFile TIniFile::FromBytes(const QByteArray& Bytes) {
    TIniFile Ini;
    const auto Encoding = Utf16Encoding(Bytes);
    Ini.FText = Encoding ? Utf16ToUtf8(Bytes, *Encoding) : Bytes;
    Ini.FBodyStart = LengthOfLeadingMarks(Ini.FText);
    Ini.FHasByteOrderMark = !Encoding && Ini.FBodyStart > 0;
    Ini.IndexLines();
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

TIniFile::TName TIniFile::MakeName(const QString& Name) {
    TName Result{FoldAscii(Name), 0};
    Result.Hash = NameHash(Result.Folded);
    return Result;
}

// Two passes: the first counts the lines that may need an entry, so the index is allocated once;
// capacity that is never filled is never touched either. Lines starting beyond the reach of a
// 32-bit offset are kept as text but never read.
void TIniFile::IndexLines() {
    const QByteArrayView Text(FText);
    const qsizetype FirstNewline = Text.indexOf('\n', FBodyStart);
    if (FirstNewline > FBodyStart && Text[FirstNewline - 1] == '\r') FLineEnding = "\r\n";
    const qsizetype End =
        std::min<qsizetype>(Text.size(), std::numeric_limits<std::uint32_t>::max());
    std::size_t Count = 0;
    ForEachCandidateLine(Text, FBodyStart, End, [&](qsizetype, qsizetype) { ++Count; });
    FEntries.reserve(Count);
    QByteArrayView PreviousKey; // of the key line just before in the same section block
    ForEachCandidateLine(Text, FBodyStart, End, [&](qsizetype Start, qsizetype Newline) {
        const TLineParts Parts = SplitLine(LineText(Text, Start, Newline));
        if (Parts.Kind != lkSection && Parts.Kind != lkKey) return;
        // A repeat of the key just before it is never read nor replaced, and a damaged file
        // may repeat one line millions of times.
        if (Parts.Kind == lkKey && Parts.Name == PreviousKey) return;
        PreviousKey = Parts.Kind == lkKey ? Parts.Name : QByteArrayView();
        const std::uint32_t Kind = Parts.Kind == lkSection ? 1 : 0;
        FEntries.push_back({static_cast<std::uint32_t>(Start), NameHash(Parts.Name) << 1 | Kind});
    });
}

QByteArrayView TIniFile::LineAt(qsizetype Start) const {
    return LineText(FText, Start, FText.indexOf('\n', Start));
}

bool TIniFile::HasName(const TEntry& Entry, const TName& Name) const {
    return (Entry.HashAndKind >> 1) == Name.Hash &&
           IsSameName(SplitLine(LineAt(Entry.Start)).Name, Name.Folded);
}

const std::vector<std::uint32_t>& TIniFile::HeadersOf(const TName& Section) const {
    if (FIsCacheValid && FCachedSection.Folded == Section.Folded) return FCachedHeaders;
    FCachedHeaders.clear();
    // A header spelt like the one before needs no new comparison; damaged files repeat lines.
    QByteArrayView Previous;
    bool IsPreviousMatch = false;
    for (std::size_t i = 0; i < FEntries.size(); ++i) {
        const TEntry& Entry = FEntries[i];
        if ((Entry.HashAndKind & 1) == 0 || (Entry.HashAndKind >> 1) != Section.Hash) continue;
        const QByteArrayView Name = SplitLine(LineAt(Entry.Start)).Name;
        if (Previous.isNull() || Name != Previous)
            IsPreviousMatch = IsSameName(Name, Section.Folded);
        Previous = Name;
        const bool HasKeys = i + 1 < FEntries.size() && (FEntries[i + 1].HashAndKind & 1) == 0;
        if (IsPreviousMatch && (FCachedHeaders.empty() || HasKeys))
            FCachedHeaders.push_back(static_cast<std::uint32_t>(i));
    }
    FCachedSection = Section;
    FIsCacheValid = true;
    return FCachedHeaders;
}

std::optional<std::size_t> TIniFile::FindKeyEntry(const TName& Section, const TName& Key) const {
    for (const std::uint32_t Header : HeadersOf(Section))
        for (std::size_t i = Header + 1; i < FEntries.size() && (FEntries[i].HashAndKind & 1) == 0;
             ++i)
            if (HasName(FEntries[i], Key)) return i;
    return std::nullopt;
}

std::optional<std::size_t> TIniFile::FindReplacement(qsizetype Start) const {
    for (std::size_t i = 0; i < FEdits.size(); ++i)
        if (FEdits[i].Position == Start && FEdits[i].Length > 0) return i;
    return std::nullopt;
}

TIniFile::TAddedKey* TIniFile::FindAddedKey(const QString& Section, const QString& Key) {
    auto Matches = [&](const TAddedKey& Line) {
        return Line.Section == Section && Line.Key == Key;
    };
    for (TEdit& Edit : FEdits)
        if (Edit.Length == 0 && Matches(Edit.Line)) return &Edit.Line;
    for (TAppendedSection& Appended : FAppended)
        for (TAddedKey& Line : Appended.Keys)
            if (Matches(Line)) return &Line;
    return nullptr;
}

const TIniFile::TAddedKey* TIniFile::FindAddedKey(const QString& Section,
                                                  const QString& Key) const {
    return const_cast<TIniFile*>(this)->FindAddedKey(Section, Key);
}

// Keys are added after the last non-blank line of the section's first block, so the blank
// lines that close it stay between it and the next section.
std::optional<qsizetype> TIniFile::AnchorInSection(const TName& Section) const {
    for (const TEdit& Edit : FEdits)
        if (Edit.Length == 0 && Edit.Line.Section == Section.Folded) return Edit.Position;
    const std::vector<std::uint32_t>& Headers = HeadersOf(Section);
    if (Headers.empty()) return std::nullopt;
    std::size_t Next = Headers.front() + 1;
    while (Next < FEntries.size() && (FEntries[Next].HashAndKind & 1) == 0) ++Next;
    const qsizetype BlockEnd = Next < FEntries.size() ? FEntries[Next].Start : FText.size();
    const qsizetype HeaderStart = FEntries[Headers.front()].Start;
    const qsizetype HeaderNewline = FText.indexOf('\n', HeaderStart);
    const qsizetype AfterHeader = HeaderNewline < 0 ? FText.size() : HeaderNewline + 1;
    return EndOfLastNonBlankLine(AfterHeader, BlockEnd);
}

// From and To are line starts (or the end of the text); the result is From when every line
// between them is blank. A CR right before an LF belongs to the line ending.
qsizetype TIniFile::EndOfLastNonBlankLine(qsizetype From, qsizetype To) const {
    const QByteArrayView Text(FText);
    qsizetype Last = To - 1;
    while (Last >= From &&
           (IsBlank(Text[Last]) || Text[Last] == '\n' ||
            (Text[Last] == '\r' && Last + 1 < Text.size() && Text[Last + 1] == '\n')))
        --Last;
    if (Last < From) return From;
    const qsizetype Newline = Text.indexOf('\n', Last);
    return Newline < 0 ? Text.size() : Newline + 1;
}

void TIniFile::ReplaceLine(qsizetype Start, const QByteArray& Text) {
    if (const auto Existing = FindReplacement(Start)) {
        FEdits[*Existing].Line.Text = Text;
        return;
    }
    const auto Where =
        std::lower_bound(FEdits.begin(), FEdits.end(), Start,
                         [](const TEdit& Edit, qsizetype P) { return Edit.Position < P; });
    FEdits.insert(Where, TEdit{Start, LineAt(Start).size(), {QString(), QString(), Text}});
}

void TIniFile::AddLine(qsizetype Position, const TAddedKey& Line) {
    const auto Where =
        std::upper_bound(FEdits.begin(), FEdits.end(), Position,
                         [](qsizetype P, const TEdit& Edit) { return P < Edit.Position; });
    FEdits.insert(Where, TEdit{Position, 0, Line});
}

void TIniFile::AppendToSection(const QString& Section, const QByteArray& Header,
                               const TAddedKey& Line) {
    auto Found =
        std::find_if(FAppended.begin(), FAppended.end(),
                     [&](const TAppendedSection& Appended) { return Appended.Name == Section; });
    if (Found == FAppended.end()) Found = FAppended.insert(FAppended.end(), {Section, Header, {}});
    Found->Keys.push_back(Line);
}

std::optional<QString> TIniFile::ReadString(const QString& Section, const QString& Key) const {
    const TName FoldedSection = MakeName(Section);
    const TName FoldedKey = MakeName(Key);
    if (const auto Entry = FindKeyEntry(FoldedSection, FoldedKey)) {
        const qsizetype Start = FEntries[*Entry].Start;
        const auto Replacement = FindReplacement(Start);
        return ValueOf(Replacement ? QByteArrayView(FEdits[*Replacement].Line.Text)
                                   : LineAt(Start));
    }
    // A key is added only where the text read has none, so the one read comes first.
    if (const TAddedKey* Added = FindAddedKey(FoldedSection.Folded, FoldedKey.Folded))
        return ValueOf(Added->Text);
    return std::nullopt;
}

void TIniFile::WriteString(const QString& Section, const QString& Key, const QString& Value) {
    const TName FoldedSection = MakeName(Section);
    const TName FoldedKey = MakeName(Key);
    const QByteArray Header = (u'[' + Section + u']').toUtf8();
    const QByteArray Text = (Key + u'=' + EncodeValue(Value)).toUtf8();
    if (!ReadsBackAs(Header, lkSection, FoldedSection.Folded) ||
        !ReadsBackAs(Text, lkKey, FoldedKey.Folded))
        return;
    if (const auto Entry = FindKeyEntry(FoldedSection, FoldedKey)) {
        ReplaceLine(FEntries[*Entry].Start, Text);
    } else if (TAddedKey* Added = FindAddedKey(FoldedSection.Folded, FoldedKey.Folded)) {
        Added->Text = Text;
    } else {
        const TAddedKey Line{FoldedSection.Folded, FoldedKey.Folded, Text};
        if (const auto Anchor = AnchorInSection(FoldedSection))
            AddLine(*Anchor, Line);
        else
            AppendToSection(FoldedSection.Folded, Header, Line);
    }
}

// The text read with the written lines in their places, as slices of FText and of the edits.
std::vector<QByteArrayView> TIniFile::Pieces() const {
    const QByteArrayView Text(FText);
    std::vector<QByteArrayView> Pieces;
    if (FHasByteOrderMark) Pieces.push_back(Utf8Bom);
    // A last line without ending gets one when a line is added after it.
    bool NeedsEnding = Text.size() > FBodyStart && !Text.endsWith('\n');
    auto AddLine = [&](QByteArrayView Line, qsizetype Position) {
        if (NeedsEnding && Position == Text.size()) Pieces.push_back(FLineEnding);
        if (Position == Text.size()) NeedsEnding = false;
        Pieces.push_back(Line);
        Pieces.push_back(FLineEnding);
    };
    qsizetype Done = FBodyStart;
    for (const TEdit& Edit : FEdits) {
        Pieces.push_back(Text.sliced(Done, Edit.Position - Done));
        if (Edit.Length > 0) {
            Pieces.push_back(Edit.Line.Text);
            Done = Edit.Position + Edit.Length;
        } else {
            AddLine(Edit.Line.Text, Edit.Position);
            Done = Edit.Position;
        }
    }
    Pieces.push_back(Text.sliced(Done));
    for (const TAppendedSection& Appended : FAppended) {
        AddLine(Appended.Header, Text.size());
        for (const TAddedKey& Line : Appended.Keys) AddLine(Line.Text, Text.size());
    }
    return Pieces;
}

QByteArray TIniFile::ToBytes() const {
    const std::vector<QByteArrayView> Parts = Pieces();
    qsizetype Size = 0;
    for (const QByteArrayView Part : Parts) Size += Part.size();
    QByteArray Bytes;
    Bytes.reserve(Size);
    for (const QByteArrayView Part : Parts) Bytes.append(Part);
    return Bytes;
}

void TIniFile::Save(const QString& FileName) const {
    const QFileInfo Info(FileName);
    const QString FullName = Info.absoluteFilePath();
    if (!QDir().mkpath(Info.absolutePath())) throw EIniFileWriteError(FullName);
    if (!ReplaceFileContents(FullName, Pieces())) throw EIniFileWriteError(FullName);
}
