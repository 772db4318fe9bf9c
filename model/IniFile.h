#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <stdexcept>
#include <vector>

// A settings file could not be written. The message is "<full path> に書き込めません".
class EIniFileWriteError : public std::runtime_error {
public:
    explicit EIniFileWriteError(const QString& FileName);
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
};

// An INI text file held in memory. Section and key names match with ASCII case folding; when a
// key occurs twice, the first occurrence is read and replaced. Lines never written keep their
// exact bytes and line endings.
class TIniFile {
public:
    // Decodes UTF-8 (a leading byte-order mark is accepted); any bytes give a document.
    static TIniFile FromBytes(const QByteArray& Bytes);
    // A missing file gives an empty document; one that exists but is not a readable regular
    // file gives nullopt. Never creates anything.
    static std::optional<TIniFile> Load(const QString& FileName);

    // The text after the first "=", blanks trimmed and one pair of enclosing quotes removed;
    // nullopt when the section or key is missing.
    std::optional<QString> ReadString(const QString& Section, const QString& Key) const;
    // Replaces the key's value in place, else appends the key at the end of its section, else
    // appends the section at the end. CR and LF in Value are written as blanks, and a value
    // that would lose blanks or quotes on reading is written quoted.
    void WriteString(const QString& Section, const QString& Key, const QString& Value);

    // UTF-8 without byte-order mark.
    QByteArray ToBytes() const;
    // Creates the folder with its parents and replaces the file in one atomic step. On failure
    // throws EIniFileWriteError and leaves an existing file as it was.
    void Save(const QString& FileName) const;

private:
    enum TLineKind { lkOther, lkBlank, lkSection, lkKey };

    struct TLine {
        QByteArray Text;   // without its line ending
        QByteArray Ending; // "\r\n", "\n", or empty for a last line without one
        TLineKind Kind = lkOther;
        QString Name;  // folded section or key name
        QString Value; // trimmed text after "=" of a key line
    };

    static TLine ParseLine(const QByteArray& Text, const QByteArray& Ending);
    std::optional<std::size_t> FindSection(const QString& FoldedSection) const;
    std::optional<std::size_t> FindKey(const QString& FoldedSection,
                                       const QString& FoldedKey) const;
    std::size_t LastLineOfSection(std::size_t SectionLine) const;
    void InsertLine(std::size_t Position, const QString& Text);

    std::vector<TLine> FLines;
    QByteArray FLineEnding = "\n";
};
