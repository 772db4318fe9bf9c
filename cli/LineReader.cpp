#include "cli/LineReader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {
constexpr std::size_t kFirstChunk = 4 * 1024;
constexpr std::size_t kLargestChunk = 64 * 1024;
} // namespace

TLineReader::TLineReader(TReadFunction ARead, std::size_t ACap, std::function<void()> AFlush)
    : FRead(std::move(ARead)), FCap(ACap), FFlush(std::move(AFlush)) {}

// Called only once every buffered byte has been taken, so the buffer starts over. It starts
// small and grows while reads fill it, so a short input costs a small buffer and bulk input is
// read in large reads.
bool TLineReader::Fill() {
    if (FIsAtEnd) return false;
    if (FFlush) FFlush();
    if (FBuffer.empty())
        FBuffer.resize(kFirstChunk);
    else if (FEnd == FBuffer.size() && FBuffer.size() < kLargestChunk)
        FBuffer.resize(FBuffer.size() * 2);
    FBegin = 0;
    FEnd = std::min(FRead(FBuffer.data(), FBuffer.size()), FBuffer.size());
    if (FEnd == 0) FIsAtEnd = true;
    return FEnd > 0;
}

bool TLineReader::ReadLine(std::string& ALine, bool& AIsTruncated) {
    ALine.clear();
    AIsTruncated = false;
    bool hasAny = false;
    for (;;) {
        const char* start = FBuffer.data() + FBegin;
        const std::size_t available = FEnd - FBegin;
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
