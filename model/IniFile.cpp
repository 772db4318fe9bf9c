#include "model/IniFile.h"

#include "model/FileReplace.h"

#include <QCoreApplication>
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
    const char* First = Text.data();
    const char* Last = First + Text.size();
    while (First < Last && IsBlank(*First)) ++First;
    while (Last > First && IsBlank(Last[-1])) --Last;
    return QByteArrayView(First, Last - First);
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

bool IsAscii(QStringView Text) {
    return std::all_of(Text.begin(), Text.end(), [](QChar C) { return C.unicode() < 0x80; });
}

char FoldAscii(char C) { return C >= 'A' && C <= 'Z' ? char(C + ('a' - 'A')) : C; }

// Of the folded name in UTF-8, 31 bits. Seeded per process, so that no file can be made of
// names that all collide.
std::uint32_t FoldedNameHash(QByteArrayView FoldedUtf8) {
    return static_cast<std::uint32_t>(qHash(FoldedUtf8, QHashSeed::globalSeed())) >> 1;
}

// The names the program uses are ASCII: they are folded on the stack, without a new string.
std::uint32_t NameHash(QStringView Name) {
    QVarLengthArray<char, 64> Folded(Name.size());
    char* Out = Folded.data();
    for (const QChar C : Name) {
        if (C.unicode() >= 0x80) return FoldedNameHash(FoldAscii(Name.toString()).toUtf8());
        *Out++ = FoldAscii(char(C.unicode()));
    }
    return FoldedNameHash(QByteArrayView(Folded.data(), Folded.size()));
}

// The hash of a name as it stands in the file, equal to that of the same name as a string.
std::uint32_t NameHash(QByteArrayView Name) {
    QVarLengthArray<char, 64> Folded(Name.size());
    char* Out = Folded.data();
    for (const char C : Name) {
        if ((C & 0x80) != 0) return FoldedNameHash(FoldAscii(DecodeUtf8(Name)).toUtf8());
        *Out++ = FoldAscii(C);
    }
    return FoldedNameHash(QByteArrayView(Folded.data(), Folded.size()));
}

// A name is mostly spelt as the program spells it; that is checked first, in one comparison.
bool IsSameName(QByteArrayView Name, QStringView Other) {
    if (QAnyStringView::equal(QUtf8StringView(Name.data(), Name.size()), Other)) return true;
    if (!IsAscii(Name) || !IsAscii(Other))
        return FoldAscii(DecodeUtf8(Name)) == FoldAscii(Other.toString());
    if (Name.size() != Other.size()) return false;
    for (qsizetype i = 0; i < Name.size(); ++i)
        if (FoldAscii(Name[i]) != FoldAscii(char(Other[i].unicode()))) return false;
    return true;
}

bool IsSameName(QStringView Name, QStringView Other) {
    if (Name.size() != Other.size()) return false;
    if (Name == Other) return true;
    for (qsizetype i = 0; i < Name.size(); ++i)
        if (FoldAscii(Name[i].unicode()) != FoldAscii(Other[i].unicode())) return false;
    return true;
}

// A key line being built: most fit on the stack.
using TLineBuffer = QVarLengthArray<char, 256>;

// As QString::toUtf8 (a lone surrogate becomes "?"), without a temporary for ASCII text.
template <class TBuffer> void AppendUtf8(TBuffer& Out, QStringView Text) {
    const qsizetype Old = Out.size();
    Out.resize(Old + Text.size());
    char* Next = Out.data() + Old;
    for (const QChar C : Text) {
        if (C.unicode() >= 0x80) {
            Out.resize(Old);
            const QByteArray Utf8 = Text.toUtf8();
            Out.append(Utf8.constData(), Utf8.size());
            return;
        }
        *Next++ = char(C.unicode());
    }
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

// Quotes are ASCII and never part of a multi-byte character, so they are removed before decoding.
QByteArrayView ValueOf(QByteArrayView Line) {
    QByteArrayView Value = SplitLine(Line).Value;
    const bool IsQuoted = Value.size() >= 2 && Value.front() == Value.back() &&
                          (Value.front() == '"' || Value.front() == '\'');
    return IsQuoted ? Value.sliced(1, Value.size() - 2) : Value;
}

// Reading trims blanks and removes enclosing quotes, so such values are written quoted to come
// back unchanged; a line break would end the line and could inject a key, so it becomes a blank.
// Built in one buffer: a settings file writes every key, and a small file should cost little.
void BuildKeyLine(const QString& Key, const QString& Value, TLineBuffer& Line) {
    QString WithoutBreaks;
    if (Value.contains(u'\r') || Value.contains(u'\n'))
        WithoutBreaks = QString(Value).replace(u'\r', u' ').replace(u'\n', u' ');
    // Read only: a non-const QString would copy its text at front() and back().
    const QString& Single = WithoutBreaks.isNull() ? Value : WithoutBreaks;
    const bool NeedsQuotes =
        !Single.isEmpty() &&
        (Single.front() == u' ' || Single.front() == u'\t' || Single.back() == u' ' ||
         Single.back() == u'\t' || IsQuotedPair(Single));
    AppendUtf8(Line, Key);
    Line.append('=');
    if (NeedsQuotes) Line.append('"');
    AppendUtf8(Line, Single);
    if (NeedsQuotes) Line.append('"');
}

bool ReadsBackAs(QByteArrayView Line, TLineKind Kind, QStringView Name) {
    const TLineParts Parts = SplitLine(Line);
    return !Line.contains('\n') && Parts.Kind == Kind && IsSameName(Parts.Name, Name);
}

// Whether "[" Name "]" reads back as a header of Name; for ASCII names without building it.
bool IsSectionNameWritable(const QString& Name) {
    if (!IsAscii(QStringView(Name))) {
        const QByteArray Header = (u'[' + Name + u']').toUtf8();
        return ReadsBackAs(Header, lkSection, Name);
    }
    const bool HasOuterBlank = !Name.isEmpty() && (IsBlank(char(Name.front().unicode())) ||
                                                   IsBlank(char(Name.back().unicode())));
    return !HasOuterBlank && !Name.contains(u']') && !Name.contains(u'\n');
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

// In the user's language; the design's Japanese text is its Japanese translation.
static QString WriteFailureMessage(const QString& FileName) {
    return QCoreApplication::translate("IniFile", "Cannot write %1").arg(FileName);
}

EIniFileWriteError::EIniFileWriteError(const QString& FileName)
    : std::runtime_error(WriteFailureMessage(FileName).toStdString()),
      FMessage(WriteFailureMessage(FileName)) {}

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

TIniFile::TName TIniFile::MakeName(const QString& Name) { return {Name, NameHash(Name)}; }

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

// Whether entry i exists and is a key line: the keys of a header are the entries after it up to
// the first that is not.
bool TIniFile::IsKeyEntry(std::size_t i) const {
    return i < FEntries.size() && (FEntries[i].HashAndKind & 1) == 0;
}

bool TIniFile::HasName(const TEntry& Entry, const TName& Name) const {
    return (Entry.HashAndKind >> 1) == Name.Hash &&
           IsSameName(SplitLine(LineAt(Entry.Start)).Name, Name.Name);
}

// A settings file is read and written section by section, each time with the same spelling: the
// section named last is recognised by one comparison.
TIniFile::TSection& TIniFile::SectionOf(const QString& Section) const {
    if (FLastSection < FSections.size() && FSections[FLastSection].Name.Name == Section)
        return FSections[FLastSection];
    const TName Name = MakeName(Section);
    auto IsNamed = [&](const TSection& Indexed) {
        return Indexed.Name.Hash == Name.Hash && IsSameName(Indexed.Name.Name, Name.Name);
    };
    const auto Found = std::find_if(FSections.begin(), FSections.end(), IsNamed);
    if (Found != FSections.end()) {
        FLastSection = std::size_t(Found - FSections.begin());
        return *Found;
    }
    if (FSections.empty()) {
        // A key or header belongs to one section: the entries of every section fit at once.
        FSections.reserve(InitialSections);
        FSectionEntries.reserve(std::min(FEntries.size(), 2 * MaxIndexedKeys));
    }
    FSections.push_back(IndexSection(Name));
    FLastSection = FSections.size() - 1;
    return FSections.back();
}

// The key entries are sorted by name hash, and for one hash by position: a lookup takes one
// binary search instead of a walk through the section, and still finds the first of two keys of
// one name. A damaged file's huge section is walked instead: an index would double its memory.
TIniFile::TSection TIniFile::IndexSection(const TName& Name) const {
    TSection Section;
    Section.Name = Name;
    Section.FirstHeader = FSectionEntries.size();
    Section.IsWritable = IsSectionNameWritable(Name.Name);
    // A header spelt like the one before needs no new comparison; damaged files repeat lines.
    QByteArrayView Previous;
    bool IsPreviousMatch = false;
    std::size_t KeyCount = 0;
    for (std::size_t i = 0; i < FEntries.size(); ++i) {
        if (IsKeyEntry(i)) {
            if (IsPreviousMatch && Section.HeaderCount > 0) ++KeyCount;
            continue;
        }
        if ((FEntries[i].HashAndKind >> 1) != Name.Hash) {
            IsPreviousMatch = false;
            Previous = {};
            continue;
        }
        const QByteArrayView HeaderName = SplitLine(LineAt(FEntries[i].Start)).Name;
        if (Previous.isNull() || HeaderName != Previous)
            IsPreviousMatch = IsSameName(HeaderName, Name.Name);
        Previous = HeaderName;
        const bool HasKeys = IsKeyEntry(i + 1);
        if (IsPreviousMatch && (Section.HeaderCount == 0 || HasKeys)) {
            FSectionEntries.push_back(i);
            ++Section.HeaderCount;
        }
    }
    Section.FirstKey = FSectionEntries.size();
    Section.AreKeysIndexed = KeyCount <= MaxIndexedKeys;
    if (!Section.AreKeysIndexed) return Section;
    for (std::size_t h = Section.FirstHeader; h < Section.FirstHeader + Section.HeaderCount; ++h)
        for (std::size_t i = FSectionEntries[h] + 1; IsKeyEntry(i); ++i)
            FSectionEntries.push_back(std::uint64_t{FEntries[i].HashAndKind} << 32 | i);
    Section.KeyCount = FSectionEntries.size() - Section.FirstKey;
    std::sort(FSectionEntries.begin() + qsizetype(Section.FirstKey), FSectionEntries.end());
    return Section;
}

std::optional<std::size_t> TIniFile::FindKeyEntry(const TSection& Section, const TName& Key) const {
    if (!Section.AreKeysIndexed) {
        for (std::size_t h = Section.FirstHeader; h < Section.FirstHeader + Section.HeaderCount;
             ++h)
            for (std::size_t i = FSectionEntries[h] + 1; IsKeyEntry(i); ++i)
                if (HasName(FEntries[i], Key)) return i;
        return std::nullopt;
    }
    const auto First = FSectionEntries.begin() + qsizetype(Section.FirstKey);
    const auto Last = First + qsizetype(Section.KeyCount);
    const std::uint64_t HashAndKind = std::uint64_t{Key.Hash << 1};
    for (auto At = std::lower_bound(First, Last, HashAndKind << 32);
         At != Last && (*At >> 32) == HashAndKind; ++At)
        if (HasName(FEntries[std::uint32_t(*At)], Key)) return std::uint32_t(*At);
    return std::nullopt;
}

// Edits are sorted by position; a replaced line shares its position only with lines added
// before it.
std::optional<std::size_t> TIniFile::FindReplacement(qsizetype Start) const {
    auto At = std::lower_bound(FEdits.begin(), FEdits.end(), Start,
                               [](const TEdit& Edit, qsizetype P) { return Edit.Position < P; });
    for (; At != FEdits.end() && At->Position == Start; ++At)
        if (At->Length > 0) return std::size_t(At - FEdits.begin());
    return std::nullopt;
}

TIniFile::TAddedKey* TIniFile::FindAddedKey(const TName& Section, const TName& Key) {
    if (!std::binary_search(FAddedHashes.begin(), FAddedHashes.end(), AddedHash(Section, Key)))
        return nullptr;
    auto Matches = [&](const TAddedKey& Line) {
        return Line.Key.Hash == Key.Hash && Line.Section.Hash == Section.Hash &&
               IsSameName(Line.Key.Name, Key.Name) && IsSameName(Line.Section.Name, Section.Name);
    };
    for (TEdit& Edit : FEdits)
        if (Edit.Length == 0 && Matches(Edit.Line)) return &Edit.Line;
    for (TAppendedKey& Appended : FAppendedKeys)
        if (Matches(Appended.Line)) return &Appended.Line;
    return nullptr;
}

const TIniFile::TAddedKey* TIniFile::FindAddedKey(const TName& Section, const TName& Key) const {
    return const_cast<TIniFile*>(this)->FindAddedKey(Section, Key);
}

// Keys are added after the last non-blank line of the section's first block, so the blank
// lines that close it stay between it and the next section.
std::optional<qsizetype> TIniFile::AnchorInSection(TSection& Section) const {
    if (Section.HeaderCount == 0) return std::nullopt;
    if (!Section.Anchor) Section.Anchor = AnchorAfterHeader(FSectionEntries[Section.FirstHeader]);
    return Section.Anchor;
}

qsizetype TIniFile::AnchorAfterHeader(std::size_t Header) const {
    std::size_t Next = Header + 1;
    while (IsKeyEntry(Next)) ++Next;
    const qsizetype BlockEnd = Next < FEntries.size() ? FEntries[Next].Start : FText.size();
    const qsizetype HeaderStart = FEntries[Header].Start;
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

// A line that would not change gets no edit: rewriting an unchanged file allocates nothing.
void TIniFile::ReplaceLine(qsizetype Start, QByteArrayView Text) {
    const auto Existing = FindReplacement(Start);
    const QByteArrayView Current = Existing ? TextOf(FEdits[*Existing].Line.Text) : LineAt(Start);
    if (Current == Text) return;
    if (Existing) {
        Rewrite(FEdits[*Existing].Line.Text, Text);
        return;
    }
    ReserveEdits();
    const auto Where =
        std::lower_bound(FEdits.begin(), FEdits.end(), Start,
                         [](const TEdit& Edit, qsizetype P) { return Edit.Position < P; });
    FEdits.insert(Where, TEdit{Start, LineAt(Start).size(), {{}, {}, Keep(Text)}});
}

// A settings file writes some 70 keys: room for them at once instead of growing step by step.
void TIniFile::ReserveEdits() {
    if (FEdits.capacity() == 0) FEdits.reserve(InitialEdits);
}

// The lines written share one buffer: a settings file writes some 70 of them, and one allocation
// serves all. A shorter text takes the place of the old one; a longer one is appended.
TIniFile::TSpan TIniFile::Keep(QByteArrayView Text) {
    if (FWritten.capacity() == 0) FWritten.reserve(InitialWrittenBytes);
    const TSpan Span{FWritten.size(), Text.size()};
    FWritten.append(Text);
    return Span;
}

void TIniFile::Rewrite(TSpan& Span, QByteArrayView Text) {
    if (Text.size() > Span.Length) {
        Span = Keep(Text);
        return;
    }
    std::copy(Text.begin(), Text.end(), FWritten.begin() + Span.Offset);
    Span.Length = Text.size();
}

QByteArrayView TIniFile::TextOf(TSpan Span) const {
    return QByteArrayView(FWritten).sliced(Span.Offset, Span.Length);
}

std::uint64_t TIniFile::AddedHash(const TName& Section, const TName& Key) {
    return std::uint64_t{Section.Hash} << 32 | Key.Hash;
}

void TIniFile::RememberAdded(const TAddedKey& Line) {
    const std::uint64_t Hash = AddedHash(Line.Section, Line.Key);
    if (FAddedHashes.capacity() == 0) FAddedHashes.reserve(InitialAddedKeys);
    FAddedHashes.insert(std::lower_bound(FAddedHashes.begin(), FAddedHashes.end(), Hash), Hash);
}

void TIniFile::AddLine(qsizetype Position, const TAddedKey& Line) {
    RememberAdded(Line);
    ReserveEdits();
    const auto Where =
        std::upper_bound(FEdits.begin(), FEdits.end(), Position,
                         [](qsizetype P, const TEdit& Edit) { return P < Edit.Position; });
    FEdits.insert(Where, TEdit{Position, 0, Line});
}

void TIniFile::AppendToSection(const TAddedKey& Line) {
    auto Found = std::find_if(FAppended.begin(), FAppended.end(), [&](const TAppendedSection& A) {
        return A.Name.Hash == Line.Section.Hash && IsSameName(A.Name.Name, Line.Section.Name);
    });
    if (Found == FAppended.end()) {
        TLineBuffer Header;
        Header.append('[');
        AppendUtf8(Header, Line.Section.Name);
        Header.append(']');
        if (FAppended.capacity() == 0) {
            FAppended.reserve(InitialSections);
            FAppendedKeys.reserve(InitialAddedKeys);
        }
        Found =
            FAppended.insert(FAppended.end(), {Line.Section, Keep({Header.data(), Header.size()})});
    }
    FAppendedKeys.push_back({std::size_t(Found - FAppended.begin()), Line});
    RememberAdded(Line);
}

std::optional<QString> TIniFile::ReadString(const QString& Section, const QString& Key) const {
    const std::optional<QByteArrayView> Value = ReadUtf8(Section, Key);
    if (!Value) return std::nullopt;
    return DecodeUtf8(*Value);
}

QString TIniFile::DecodeValue(QByteArrayView Utf8) { return DecodeUtf8(Utf8); }

std::optional<QByteArrayView> TIniFile::ReadUtf8(const QString& Section, const QString& Key) const {
    const TSection& Found = SectionOf(Section);
    const TName FoldedKey = MakeName(Key);
    if (const auto Entry = FindKeyEntry(Found, FoldedKey)) {
        const qsizetype Start = FEntries[*Entry].Start;
        const auto Replacement = FindReplacement(Start);
        return ValueOf(Replacement ? TextOf(FEdits[*Replacement].Line.Text) : LineAt(Start));
    }
    // A key is added only where the text read has none, so the one read comes first.
    if (const TAddedKey* Added = FindAddedKey(Found.Name, FoldedKey))
        return ValueOf(TextOf(Added->Text));
    return std::nullopt;
}

void TIniFile::WriteString(const QString& Section, const QString& Key, const QString& Value) {
    // No other section is looked up below, so Found stays where it is.
    TSection& Found = SectionOf(Section);
    if (!Found.IsWritable) return;
    TLineBuffer Buffer;
    BuildKeyLine(Key, Value, Buffer);
    const QByteArrayView Text(Buffer.data(), Buffer.size());
    if (!ReadsBackAs(Text, lkKey, Key)) return;
    const TName FoldedKey = MakeName(Key);
    if (const auto Entry = FindKeyEntry(Found, FoldedKey)) {
        ReplaceLine(FEntries[*Entry].Start, Text);
    } else if (TAddedKey* Added = FindAddedKey(Found.Name, FoldedKey)) {
        if (TextOf(Added->Text) != Text) Rewrite(Added->Text, Text);
    } else {
        // A section added to the file is headed as the writer spells it.
        const TAddedKey Line{{Section, Found.Name.Hash}, FoldedKey, Keep(Text)};
        if (const auto Anchor = AnchorInSection(Found))
            AddLine(*Anchor, Line);
        else
            AppendToSection(Line);
    }
}

// The text read with the written lines in their places, as slices of FText and of the edits.
std::vector<QByteArrayView> TIniFile::Pieces() const {
    const QByteArrayView Text(FText);
    std::vector<QByteArrayView> Pieces;
    std::size_t Count = 2 + 4 * FEdits.size();
    Count += 3 * (FAppended.size() + FAppendedKeys.size());
    Pieces.reserve(Count);
    if (FHasByteOrderMark) Pieces.push_back(Utf8Bom);
    // A last line without ending gets one when a line is added after it. A CR that ends it is
    // part of its text: an LF alone after it would make the two one ending and cut the CR off.
    bool NeedsEnding = Text.size() > FBodyStart && !Text.endsWith('\n');
    const QByteArrayView LastEnding = Text.endsWith('\r') ? QByteArrayView("\r\n") : FLineEnding;
    auto AddLine = [&](QByteArrayView Line, qsizetype Position) {
        if (NeedsEnding && Position == Text.size()) Pieces.push_back(LastEnding);
        if (Position == Text.size()) NeedsEnding = false;
        Pieces.push_back(Line);
        Pieces.push_back(FLineEnding);
    };
    qsizetype Done = FBodyStart;
    for (const TEdit& Edit : FEdits) {
        Pieces.push_back(Text.sliced(Done, Edit.Position - Done));
        if (Edit.Length > 0) {
            Pieces.push_back(TextOf(Edit.Line.Text));
            Done = Edit.Position + Edit.Length;
        } else {
            AddLine(TextOf(Edit.Line.Text), Edit.Position);
            Done = Edit.Position;
        }
    }
    Pieces.push_back(Text.sliced(Done));
    for (std::size_t Section = 0; Section < FAppended.size(); ++Section) {
        AddLine(TextOf(FAppended[Section].Header), Text.size());
        for (const TAppendedKey& Appended : FAppendedKeys)
            if (Appended.Section == Section) AddLine(TextOf(Appended.Line.Text), Text.size());
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
