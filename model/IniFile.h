#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

// A settings file could not be written. The message is "Cannot write <full path>", in the
// user's language ("<full path> に書き込めません" in Japanese).
class EIniFileWriteError : public std::runtime_error {
public:
    explicit EIniFileWriteError(const QString& FileName);
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
};

// An INI text file held in memory. Section and key names match with ASCII case folding; when a
// key occurs twice, the first occurrence is read and replaced. Lines never written keep their
// exact bytes and line endings. Memory stays close to the size of the text: only key and
// section lines are indexed, by offset and name hash, and written lines are kept beside it.
// Lookups cache what they found, so one document must not be used by two threads at once.
class TIniFile {
public:
    // Decodes UTF-8, or UTF-16 (little or big endian) after its byte-order mark. A run of UTF-8
    // byte-order marks at the start counts as one. Any bytes give a document.
    static TIniFile FromBytes(const QByteArray& Bytes);
    // A missing file gives an empty document; one that exists but is not a readable regular
    // file gives nullopt. Never creates anything.
    static std::optional<TIniFile> Load(const QString& FileName);

    // The text after the first "=", blanks trimmed and one pair of enclosing quotes removed;
    // nullopt when the section or key is missing.
    std::optional<QString> ReadString(const QString& Section, const QString& Key) const;
    // The same value undecoded (UTF-8): a view into the document, valid until its next write.
    std::optional<QByteArrayView> ReadUtf8(const QString& Section, const QString& Key) const;
    // A value read by ReadUtf8 decoded as ReadString decodes it.
    static QString DecodeValue(QByteArrayView Utf8);
    // Replaces the key's value in place, else appends the key at the end of its section, else
    // appends the section at the end. CR and LF in Value are written as blanks, and a value
    // that would lose blanks or quotes on reading is written quoted. A name that would not read
    // back as itself (surrounding blanks, a line break, "]" in a section name, or a key that is
    // empty, holds "=" or begins with "[" or ";") is not written.
    void WriteString(const QString& Section, const QString& Key, const QString& Value);

    // UTF-8, beginning with one byte-order mark when the UTF-8 text read had any.
    QByteArray ToBytes() const;
    // Creates the folder with its parents and replaces the file in one atomic step; an existing
    // file beside which no temporary file can be made is rewritten in place instead
    // (ReplaceFileContents). On failure throws EIniFileWriteError and leaves an existing file as
    // it was.
    void Save(const QString& FileName) const;

private:
    // A name as the caller spelt it (copies of a QString share its text) and the hash of its
    // folded form; names compare with ASCII case folding.
    struct TName {
        QString Name;
        std::uint32_t Hash = 0;
    };
    // A key or section line of the text read.
    struct TEntry {
        std::uint32_t Start;       // offset of its first byte in FText
        std::uint32_t HashAndKind; // name hash shifted left by one; the low bit marks a section
    };
    // A piece of FWritten.
    struct TSpan {
        qsizetype Offset = 0;
        qsizetype Length = 0;
    };
    // A key line written where the text read had none.
    struct TAddedKey {
        TName Section;
        TName Key;
        TSpan Text; // without line ending
    };
    // A written line inside the text read: the new text of the key line of Length bytes at
    // Position, or (Length 0) a key line added before the byte at Position.
    struct TEdit {
        qsizetype Position;
        qsizetype Length;
        TAddedKey Line;
    };
    // A section looked up: its header entries (the first, then those followed by keys), then its
    // key entries sorted by name hash and position, as two runs of FSectionEntries.
    struct TSection {
        TName Name;
        std::size_t FirstHeader = 0;
        std::size_t HeaderCount = 0;
        std::size_t FirstKey = 0;
        std::size_t KeyCount = 0;
        bool AreKeysIndexed = false;     // else its blocks are walked
        std::optional<qsizetype> Anchor; // once asked for
        bool IsWritable = false;         // whether its header reads back as itself
    };
    struct TAppendedSection {
        TName Name;
        TSpan Header;
    };
    // A key line of an appended section; the lines of each section are written together, in
    // writing order.
    struct TAppendedKey {
        std::size_t Section; // in FAppended
        TAddedKey Line;
    };

    static constexpr std::size_t InitialEdits = 32;
    static constexpr qsizetype InitialWrittenBytes = 2048;
    static constexpr std::size_t InitialSections = 8;
    static constexpr std::size_t InitialAddedKeys = 96; // a new settings file has some 80
    static constexpr std::size_t MaxIndexedKeys = 4096;

    static TName MakeName(const QString& Name);
    void IndexLines();
    QByteArrayView LineAt(qsizetype Start) const;
    bool IsKeyEntry(std::size_t i) const;
    bool HasName(const TEntry& Entry, const TName& Name) const;
    TSection& SectionOf(const QString& Section) const;
    TSection IndexSection(const TName& Name) const;
    std::optional<std::size_t> FindKeyEntry(const TSection& Section, const TName& Key) const;
    std::optional<std::size_t> FindReplacement(qsizetype Start) const;
    TAddedKey* FindAddedKey(const TName& Section, const TName& Key);
    const TAddedKey* FindAddedKey(const TName& Section, const TName& Key) const;
    std::optional<qsizetype> AnchorInSection(TSection& Section) const;
    qsizetype AnchorAfterHeader(std::size_t Header) const;
    static std::uint64_t AddedHash(const TName& Section, const TName& Key);
    void RememberAdded(const TAddedKey& Line);
    void ReserveEdits();
    TSpan Keep(QByteArrayView Text);
    void Rewrite(TSpan& Span, QByteArrayView Text);
    QByteArrayView TextOf(TSpan Span) const;
    qsizetype EndOfLastNonBlankLine(qsizetype From, qsizetype To) const;
    void ReplaceLine(qsizetype Start, QByteArrayView Text);
    void AddLine(qsizetype Position, const TAddedKey& Line);
    void AppendToSection(const TAddedKey& Line);
    std::vector<QByteArrayView> Pieces() const;

    QByteArray FText; // UTF-8; the byte-order marks read occupy its first FBodyStart bytes
    qsizetype FBodyStart = 0;
    bool FHasByteOrderMark = false;
    QByteArray FLineEnding = "\n"; // the first line's, for lines added
    std::vector<TEntry> FEntries;  // in file order
    std::vector<TEdit> FEdits;     // by Position; lines added at one place in writing order
    std::vector<TAppendedSection> FAppended;
    std::vector<TAppendedKey> FAppendedKeys;
    QByteArray FWritten; // the text of every line written, without line endings
    // The sections looked up, each indexed once: a settings file is read and written section by
    // section, and a section's headers and keys are found once, not per key.
    mutable std::vector<TSection> FSections;
    // A header's entry; a key's name hash and kind in the high half, its entry in the low half.
    mutable std::vector<std::uint64_t> FSectionEntries;
    mutable std::size_t FLastSection = 0;
    // Section and key hashes of the lines added, sorted: most keys a write adds are new, and
    // this tells so without visiting every line added before.
    std::vector<std::uint64_t> FAddedHashes;
};
