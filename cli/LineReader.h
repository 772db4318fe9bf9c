#pragma once

#include <cstddef>
#include <string>

// Reads lines from a file descriptor through its own buffer. Before it blocks for more input it
// calls the given flush hook, so answers reach an interactive peer at once while bulk input is
// answered in large writes. Lines longer than the cap keep only their first `cap` bytes (and
// say so), so a line of gigabytes costs no memory.
class TLineReader {
public:
    TLineReader(int AFileDescriptor, std::size_t ACap, void (*AFlush)());

    // The next line without its "\n" and one trailing "\r"; false at the end of input.
    bool ReadLine(std::string& ALine, bool& AIsTruncated);

private:
    bool Fill();

    int FFileDescriptor;
    std::size_t FCap;
    void (*FFlush)();
    std::string FBuffer;
    std::size_t FBegin = 0;
    bool FIsAtEnd = false;
};
