#include "cli/LineReader.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
constexpr std::size_t kChunk = 64 * 1024;
}

TLineReader::TLineReader(int AFileDescriptor, std::size_t ACap, void (*AFlush)())
    : FFileDescriptor(AFileDescriptor), FCap(ACap), FFlush(AFlush) {}

bool TLineReader::Fill() {
    if (FIsAtEnd) return false;
    FBuffer.erase(0, FBegin);
    FBegin = 0;
    if (FFlush) FFlush();
    const std::size_t old = FBuffer.size();
    FBuffer.resize(old + kChunk);
    ssize_t got = 0;
    do {
        got = ::read(FFileDescriptor, FBuffer.data() + old, kChunk);
    } while (got < 0 && errno == EINTR);
    FBuffer.resize(old + std::size_t(got > 0 ? got : 0));
    if (got <= 0) FIsAtEnd = true;
    return got > 0;
}

bool TLineReader::ReadLine(std::string& ALine, bool& AIsTruncated) {
    ALine.clear();
    AIsTruncated = false;
    bool hasAny = false;
    for (;;) {
        const char* start = FBuffer.data() + FBegin;
        const std::size_t available = FBuffer.size() - FBegin;
        const void* newline = available ? std::memchr(start, '\n', available) : nullptr;
        const std::size_t take =
            newline ? std::size_t(static_cast<const char*>(newline) - start) : available;
        if (take > 0 || newline) hasAny = true;
        const std::size_t room = ALine.size() < FCap ? FCap - ALine.size() : 0;
        ALine.append(start, take < room ? take : room);
        if (take > room) AIsTruncated = true;
        FBegin += take;
        if (newline) {
            ++FBegin;
            break;
        }
        if (!Fill()) break;
    }
    if (!hasAny) return false;
    if (!AIsTruncated && !ALine.empty() && ALine.back() == '\r') ALine.pop_back();
    return true;
}
