#pragma once

#include <cstddef>
#include <functional>
#include <string>

// Reads lines through its own buffer from a read function (standard input in the program, a
// memory buffer in tests). Before it asks for more input it calls the given flush hook, so
// answers reach an interactive peer at once while bulk input is answered in large writes. Lines
// longer than the cap keep only their first `cap` bytes (and say so), so a line of gigabytes
// costs no memory.
class TLineReader {
public:
    // Reads at most ASize bytes into AData; returns how many, 0 at the end of input or on a
    // read error.
    using TReadFunction = std::function<std::size_t(char* AData, std::size_t ASize)>;

    TLineReader(TReadFunction ARead, std::size_t ACap, std::function<void()> AFlush);

    // The next line without its "\n" and one trailing "\r"; false at the end of input.
    bool ReadLine(std::string& ALine, bool& AIsTruncated);

private:
    bool Fill();

    TReadFunction FRead;
    std::size_t FCap;
    std::function<void()> FFlush;
    std::string FBuffer; // allocated at the first read
    std::size_t FBegin = 0;
    std::size_t FEnd = 0;
    bool FIsAtEnd = false;
};
