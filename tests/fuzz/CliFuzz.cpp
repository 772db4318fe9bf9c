// Runs zemtrix-calc in memory on arguments and standard input cut from the fuzz input, and checks
// the exit status, one answer line per formula, and that the status and the error lines agree
// with the answers.
//
// Input layout: byte 0 holds the number of arguments (bits 0-3), how many bytes each read of
// standard input returns (bits 4-5) and how many times its last line repeats (bits 6-7, for
// lines past the reader's cap); then the arguments, each ended by a NUL byte (an argument of a
// real command line holds none); the rest is standard input, any bytes, up to its 16th line
// break, whose last line may be repeated.
#include "cli/CalcCli.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct TFuzzRun {
    std::vector<std::string> Arguments;
    std::string_view Input;  // standard input, up to its 16th line break
    std::string_view Tail;   // its last line when that has no line break, else empty
    std::size_t Repeats = 1; // how many times the tail stands at the end
    std::size_t ReadSize = 0;
};

// Standard input as the fuzz run describes it: the input with its tail repeated, served without
// being copied.
class TMemoryStreams : public TCliStreams {
public:
    explicit TMemoryStreams(const TFuzzRun& ARun)
        : FRun(ARun), FSize(ARun.Input.size() + (ARun.Repeats - 1) * ARun.Tail.size()) {}

    std::size_t ReadInput(char* AData, std::size_t ASize) override {
        const std::size_t wanted = std::min({ASize, FRun.ReadSize, FSize - FPosition});
        std::size_t count = 0;
        while (count < wanted) {
            const bool isInInput = FPosition < FRun.Input.size();
            const std::string_view source =
                isInInput ? FRun.Input.substr(FPosition)
                          : FRun.Tail.substr((FPosition - FRun.Input.size()) % FRun.Tail.size());
            const std::size_t piece = std::min(wanted - count, source.size());
            std::memcpy(AData + count, source.data(), piece);
            count += piece;
            FPosition += piece;
        }
        return count;
    }
    bool WriteOutput(std::string_view AText) override {
        Output.append(AText);
        return true;
    }
    bool FlushOutput() override { return true; }
    void WriteErrorLine(std::string_view ALine) override {
        if (ALine.find('\n') != std::string_view::npos) std::abort();
        ++ErrorLines;
    }

    std::string Output;
    std::size_t ErrorLines = 0;

private:
    const TFuzzRun& FRun;
    std::size_t FSize;
    std::size_t FPosition = 0;
};

TFuzzRun Split(const std::uint8_t* AData, std::size_t ASize) {
    constexpr std::array<std::size_t, 4> kReadSizes = {64 * 1024, 1, 7, 4096};
    constexpr std::array<std::size_t, 4> kRepeats = {1, 2, 16, 128};
    constexpr int kMostLines = 16;
    TFuzzRun run;
    if (ASize == 0) return run;
    const std::string_view rest(reinterpret_cast<const char*>(AData + 1), ASize - 1);
    std::size_t position = 0;
    for (int i = 0; i < (AData[0] & 0x0F) && position < rest.size(); ++i) {
        const std::size_t end = std::min(rest.find('\0', position), rest.size());
        run.Arguments.emplace_back(rest.substr(position, end - position));
        position = end + 1;
    }
    run.ReadSize = kReadSizes[(AData[0] >> 4) & 3];
    run.Input = position < rest.size() ? rest.substr(position) : std::string_view();
    // Lines are answered one by one, so a few of them show all a session does; more would only
    // slow the search down.
    std::size_t from = 0;
    for (int line = 1; line <= kMostLines; ++line) {
        const std::size_t lineBreak = run.Input.find('\n', from);
        if (lineBreak == std::string_view::npos) break;
        from = lineBreak + 1;
        if (line == kMostLines) run.Input = run.Input.substr(0, from);
    }
    // A long last line without many lines more to evaluate. Many small reads of a long input
    // would only slow the search down.
    const std::size_t lastBreak = run.Input.rfind('\n');
    run.Tail = run.Input.substr(lastBreak == std::string_view::npos ? 0 : lastBreak + 1);
    if (!run.Tail.empty() && run.ReadSize >= 4096) run.Repeats = kRepeats[(AData[0] >> 6) & 3];
    return run;
}

// The repeated tail only lengthens the last line, so the input alone tells the count.
std::size_t CountLines(std::string_view AText) {
    const std::size_t breaks = std::size_t(std::count(AText.begin(), AText.end(), '\n'));
    return breaks + (AText.empty() || AText.back() == '\n' ? 0 : 1);
}

std::optional<TCliOptions> ParsedOptions(const std::vector<std::string>& AArguments) {
    QStringList arguments;
    for (const std::string& argument : AArguments)
        arguments.append(QString::fromLocal8Bit(argument.data(), qsizetype(argument.size())));
    try {
        return ParseCliArguments(arguments);
    } catch (const ECliUsageError&) {
        return std::nullopt;
    }
}

void Check(bool ACondition) {
    if (!ACondition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const TFuzzRun run = Split(Data, Size);
    TMemoryStreams streams(run);
    const int status = RunCalcCli(run.Arguments, streams);
    Check(status >= 0 && status <= 2);
    const std::string& out = streams.Output;

    const std::optional<TCliOptions> options = ParsedOptions(run.Arguments);
    if (!options) {
        Check(status == 2 && out.empty() && streams.ErrorLines == 1);
        return 0;
    }
    Check(status != 2);
    if (options->IsHelp || options->IsVersion) {
        Check(status == 0 && !out.empty() && out.back() == '\n' && streams.ErrorLines == 0);
        return 0;
    }
    const std::size_t expected =
        options->Formulas.isEmpty() ? CountLines(run.Input) : std::size_t(options->Formulas.size());
    Check(CountLines(out) == expected && (out.empty() || out.back() == '\n'));
    std::size_t errors = 0;
    std::size_t begin = 0;
    while (begin < out.size()) {
        const std::size_t end = out.find('\n', begin);
        const std::string_view line(out.data() + begin, end - begin);
        Check(!line.empty());
        if (line == "Error") ++errors;
        begin = end + 1;
    }
    Check(errors == streams.ErrorLines);
    Check((status == 1) == (errors > 0));
    return 0;
}
