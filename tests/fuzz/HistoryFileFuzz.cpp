// Reads arbitrary bytes as a kept history file, writes the entries read and reads them again:
// the second read gives the same entries bit for bit and skips nothing, and writing them again
// gives the same bytes.
#include "model/HistoryFile.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Check(bool Condition) {
    if (!Condition) std::abort();
}

THistoryReadResult Read(const QByteArray& Bytes) {
    QBuffer Buffer;
    Buffer.setData(Bytes);
    Check(Buffer.open(QIODevice::ReadOnly));
    return ReadHistory(Buffer);
}

bool IsSameEntry(const TExpressionHistory& A, const TExpressionHistory& B) {
    const long double ValueA = A.ResultValue();
    const long double ValueB = B.ResultValue();
    return A.Expression() == B.Expression() && std::memcmp(&ValueA, &ValueB, 10) == 0 &&
           A.RoundDecimal() == B.RoundDecimal() && A.IsPercent() == B.IsPercent();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const QByteArray Input(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
    const THistoryReadResult First = Read(Input);
    Check(!First.HasReadError && First.Entries.size() <= MaxKeptHistoryEntries);

    const QByteArray Written = HistoryToBytes(First.Entries);
    const THistoryReadResult Second = Read(Written);
    Check(Second.SkippedLines == 0 && !Second.IsCut && !Second.HasReadError);
    Check(Second.Entries.size() == First.Entries.size());
    for (std::size_t i = 0; i < First.Entries.size(); ++i)
        Check(IsSameEntry(*First.Entries[i], *Second.Entries[i]));
    Check(HistoryToBytes(Second.Entries) == Written);
    return 0;
}
