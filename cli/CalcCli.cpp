#include "cli/CalcCli.h"

#include "cli/LineReader.h"
#include "model/CalcEvaluation.h"
#include "model/ProgramOptions.h"
#include "model/ResultFormat.h"

#include <QCoreApplication>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// The texts a user reads: help, usage errors and the write error, in the user's language.
// Results and "error: KIND at POSITION" lines are the same in every language.
struct TCliText {
    Q_DECLARE_TR_FUNCTIONS(CalcCli)
};

constexpr std::size_t kLineCap = 8192; // bytes; anything longer is far over the formula limit

// The message stays one line whatever the arguments it quotes hold.
[[noreturn]] void Usage(QString AMessage) {
    AMessage.replace(u'\n', u' ').replace(u'\r', u' ');
    throw ECliUsageError(AMessage.toStdString());
}

int ParseRoundDecimal(const QString& AText) {
    bool ok = false;
    const int value = AText.trimmed().toInt(&ok);
    if (!ok || (value < 0 && value != -1 && value != -2 && value != -16))
        Usage(TCliText::tr("invalid number of decimals '%1' (use -1, 0 or more, -16 or -2)")
                  .arg(AText));
    return value;
}

TRoundSelector ParseRoundMode(const QString& AText) {
    const QString mode = AText.toLower();
    if (mode == u"54") return rs54;
    if (mode == u"cut") return rsCut;
    if (mode == u"up") return rsUp;
    Usage(TCliText::tr("invalid rounding mode '%1' (use 54, cut or up)").arg(AText));
}

void AddVariable(TCliOptions& AOptions, int& ACount, const QString& ASetting) {
    const qsizetype equals = ASetting.indexOf(u'=');
    if (equals < 0) Usage(TCliText::tr("--var needs NAME=VALUE, got '%1'").arg(ASetting));
    if (ACount == TVariableButtonData::Count) Usage(TCliText::tr("at most six --var options"));
    ++ACount;
    AOptions.Variables.SetTitle(ACount, ASetting.left(equals));
    AOptions.Variables.SetValue(ACount, ASetting.mid(equals + 1));
}

// An argument that starts with "-" but not "--" or "-" and a letter is a formula ("-5+3").
bool LooksLikeOption(const QString& AArgument) {
    return AArgument.size() >= 2 && AArgument[0] == u'-' &&
           (AArgument[1] == u'-' || AArgument[1].isLetter());
}

std::string RawText(long double AValue) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, AValue, std::chars_format::general, 21);
    return std::string(buffer, result.ptr);
}

enum class TOptionId { Decimals, Hex, Bin, Round, Grouping, Percent, Var, Raw, Help, Version };

struct TOptionEntry {
    QStringView LongName;
    char16_t ShortName; // 0: none
    bool HasValue;
    TOptionId Id;
};

// clang-format off
constexpr std::array<TOptionEntry, 10> kOptionTable = {{
    {u"decimals", u'd', true,  TOptionId::Decimals},
    {u"hex",      0,    false, TOptionId::Hex},
    {u"bin",      0,    false, TOptionId::Bin},
    {u"round",    u'r', true,  TOptionId::Round},
    {u"grouping", u'g', false, TOptionId::Grouping},
    {u"percent",  u'p', false, TOptionId::Percent},
    {u"var",      0,    true,  TOptionId::Var},
    {u"raw",      0,    false, TOptionId::Raw},
    {u"help",     u'h', false, TOptionId::Help},
    {u"version",  0,    false, TOptionId::Version},
}};
// clang-format on

// The long option AName names: its full name, or the one option it is a prefix of.
const TOptionEntry& FindLongOption(QStringView AName) {
    std::vector<const TOptionEntry*> candidates;
    for (const TOptionEntry& option : kOptionTable) {
        if (option.LongName == AName) return option;
        if (option.LongName.startsWith(AName)) candidates.push_back(&option);
    }
    if (candidates.size() == 1) return *candidates.front();
    if (candidates.empty())
        Usage(TCliText::tr("unrecognized option '--%1' (see --help)").arg(AName));
    QString names;
    for (const TOptionEntry* option : candidates)
        names += QStringLiteral(" '--%1'").arg(option->LongName);
    Usage(TCliText::tr("option '--%1' is ambiguous; possibilities:%2").arg(AName, names));
}

const TOptionEntry& FindShortOption(QChar AName) {
    for (const TOptionEntry& option : kOptionTable)
        if (option.ShortName != 0 && option.ShortName == AName.unicode()) return option;
    Usage(TCliText::tr("invalid option -- '%1' (see --help)").arg(AName));
}

// Hand-written rather than getopt_long or QCommandLineParser: a negative number ("-5*2") is a
// formula, not an option, which neither lets us decide; long options may be shortened to any
// unique prefix, as GNU programs allow; and the parser keeps no global state, so that tests and
// the fuzz target can run it many times in one process.
class TArgumentParser {
public:
    explicit TArgumentParser(const QStringList& AArguments) : FArguments(AArguments) {}

    TCliOptions Parse() {
        bool isOptionsEnd = false;
        for (FIndex = 0; FIndex < FArguments.size(); ++FIndex) {
            const QString& argument = FArguments[FIndex];
            if (isOptionsEnd || !LooksLikeOption(argument))
                FOptions.Formulas.append(argument);
            else if (argument == u"--")
                isOptionsEnd = true;
            else if (argument.startsWith(u"--"))
                ParseLongOption(QStringView(argument).mid(2));
            else
                ParseShortOptions(QStringView(argument).mid(1));
        }
        return std::move(FOptions);
    }

private:
    // "--name", "--name=value" or "--name value"; the name may be shortened to a unique prefix.
    void ParseLongOption(QStringView AText) {
        const qsizetype equals = AText.indexOf(u'=');
        const QStringView name = equals < 0 ? AText : AText.left(equals);
        if (name.isEmpty())
            Usage(TCliText::tr("unrecognized option '--%1' (see --help)").arg(AText));
        const TOptionEntry& option = FindLongOption(name);
        if (!option.HasValue) {
            if (equals >= 0)
                Usage(TCliText::tr("option '--%1' doesn't allow an argument").arg(option.LongName));
            Apply(option.Id, {});
        } else if (equals >= 0) {
            Apply(option.Id, AText.mid(equals + 1).toString());
        } else {
            Apply(option.Id,
                  NextArgument(TCliText::tr("option '--%1' needs a value").arg(option.LongName)));
        }
    }

    // "-gp", "-d 2", "-d2", "-gd2": flags cluster; an option with a value takes the rest of the
    // argument, or the next argument when nothing is left.
    void ParseShortOptions(QStringView ACluster) {
        for (qsizetype i = 0; i < ACluster.size(); ++i) {
            const TOptionEntry& option = FindShortOption(ACluster[i]);
            if (!option.HasValue) {
                Apply(option.Id, {});
                continue;
            }
            const QStringView rest = ACluster.mid(i + 1);
            Apply(option.Id,
                  !rest.isEmpty()
                      ? rest.toString()
                      : NextArgument(TCliText::tr("option -%1 needs a value").arg(ACluster[i])));
            return;
        }
    }

    // The next argument as the value of an option; AMissing says that there is none.
    QString NextArgument(const QString& AMissing) {
        if (FIndex + 1 >= FArguments.size()) Usage(AMissing);
        return FArguments[++FIndex];
    }

    void Apply(TOptionId AId, const QString& AValue) {
        switch (AId) {
        case TOptionId::Decimals: FOptions.Format.RoundDecimal = ParseRoundDecimal(AValue); break;
        case TOptionId::Hex: FOptions.Format.RoundDecimal = RoundDecimalHex; break;
        case TOptionId::Bin: FOptions.Format.RoundDecimal = RoundDecimalBin; break;
        case TOptionId::Round: FOptions.Format.RoundSelector = ParseRoundMode(AValue); break;
        case TOptionId::Grouping: FOptions.Format.IsDigitGroupingSeparator = true; break;
        case TOptionId::Percent: FOptions.IsPercent = true; break;
        case TOptionId::Var: AddVariable(FOptions, FVariableCount, AValue); break;
        case TOptionId::Raw: FOptions.IsRaw = true; break;
        case TOptionId::Help: FOptions.IsHelp = true; break;
        case TOptionId::Version: FOptions.IsVersion = true; break;
        }
    }

    const QStringList& FArguments;
    qsizetype FIndex = 0;
    int FVariableCount = 0;
    TCliOptions FOptions;
};

// Answers go to standard output until a write fails; after that nothing more is written or
// evaluated, and the run ends with a message and status 1.
class TAnswerWriter {
public:
    explicit TAnswerWriter(TCliStreams& AStreams) : FStreams(AStreams) {}

    bool IsFailed() const { return FIsFailed; }
    void Write(std::string_view AText) {
        if (!FIsFailed && !FStreams.WriteOutput(AText)) FIsFailed = true;
    }
    void WriteLine(const QByteArray& AText) {
        Write(std::string_view(AText.constData(), std::size_t(AText.size())));
        Write("\n");
    }
    void Flush() {
        if (!FIsFailed && !FStreams.FlushOutput()) FIsFailed = true;
    }
    // The exit status for a run whose evaluations gave AStatus.
    int Finish(int AStatus) {
        Flush();
        if (!FIsFailed) return AStatus;
        const std::string reason = FStreams.OutputErrorText();
        const QString message =
            reason.empty()
                ? TCliText::tr("write error on standard output")
                : TCliText::tr("write error on standard output: %1")
                      .arg(QString::fromLocal8Bit(reason.data(), qsizetype(reason.size())));
        FStreams.WriteErrorLine("zemtrix-calc: " + message.toStdString());
        return 1;
    }

private:
    TCliStreams& FStreams;
    bool FIsFailed = false;
};

} // namespace

TCliOptions ParseCliArguments(const QStringList& AArguments) {
    return TArgumentParser(AArguments).Parse();
}

std::string CliUsageText() {
    return QCoreApplication::translate(
               "CalcCli",
               "Usage: zemtrix-calc [OPTIONS] [FORMULA ...]\n"
               "Evaluates each FORMULA, or each line of standard input when none is given, and "
               "prints\n"
               "the result line as the Zemtrix window would show it (\"Error\" for a failure, "
               "with\n"
               "\"error: KIND at POSITION\" on standard error). ANS is the newest successful "
               "result.\n"
               "\n"
               "Options:\n"
               "  -d, --decimals N   display: -1 Normal (default), 0 or more decimals, -16 HEX, -2 "
               "BIN\n"
               "      --hex          same as --decimals -16\n"
               "      --bin          same as --decimals -2\n"
               "  -r, --round MODE   rounding of fixed decimals: 54 (default), cut, up\n"
               "  -g, --grouping     thousands separators\n"
               "  -p, --percent      show every result as a percentage\n"
               "      --var NAME=VALUE\n"
               "                     set the next of the six variables (default V1..V6 = 0)\n"
               "      --raw          print the unrounded result with 21 significant digits\n"
               "  -h, --help         show this help\n"
               "      --version      show the version\n"
               "  --                 end of options: every further argument is a formula\n"
               "Short options cluster and take values attached (-gd2); long options may be\n"
               "shortened to any unambiguous prefix (--dec 2).\n"
               "\n"
               "Formula language (letter case does not matter; full-width characters are "
               "accepted):\n"
               "  numbers      12  1.5  1E3  0x1F (hexadecimal)  0b101 (binary); where the "
               "locale's\n"
               "               decimal separator is \",\", 1,5 is read as 1.5 too\n"
               "  operators    ^ (power) binds tightest, then * / and implied multiplication "
               "(2(3), "
               "2PI,\n"
               "               3V1), then, all equal and left to right: + -  MOD DIV  AND & OR | "
               "XOR\n"
               "               (on 64-bit integers)  = < > <= >= (1 or 0; blanks around < and >)\n"
               "  parentheses  group; missing closing ones at the end are supplied\n"
               "  constants    PI  TRUE (-1)  FALSE (0)  ANS (newest result)  % (0.01: 200+10% is "
               "200.1)\n"
               "  functions    SIN COS TAN in degrees (SINR... radians, SING... grads), ASIN ACOS "
               "ATAN,\n"
               "               SINH COSH TANH ASINH ACOSH ATANH, EXP SQRT LOG LOG2 LN INT FACT "
               "NOT,\n"
               "               DEGTORAD RADTODEG DEGTOGRAD GRADTODEG RADTOGRAD GRADTORAD; each "
               "takes\n"
               "               the one factor after it: sin 30, sqrt(2), sinr(PI/2)\n"
               "  variables    the names set with --var, in any letter case\n"
               "\n"
               "Examples:\n"
               "  zemtrix-calc '1+2*3' 'sin 30' 'ANS*2'      7, 0.5 and 1\n"
               "  echo '1000*1.08' | zemtrix-calc -d 0       1080\n"
               "  zemtrix-calc --var RATE=0.08 '1000*rate'   80\n"
               "\n"
               "Exit status: 0 all succeeded, 1 some evaluation failed or output could not be\n"
               "written, 2 usage error.\n")
        .toStdString();
}

TCliSession::TCliSession(const TCliOptions& AOptions)
    : FOptions(AOptions), FSeparators(SystemNumberSeparators()) {
    try {
        FVariables = ReadCalcVariables(AOptions.Variables, FSeparators.Decimal);
    } catch (const EVariableError&) {
        FVariableFailure = std::current_exception();
    }
}

QString TCliSession::DisplayText(long double AUnrounded, long double ARounded) const {
    if (FOptions.IsRaw) return QString::fromStdString(RawText(AUnrounded));
    return FormatResultValue(FOptions.IsPercent, ARounded, FOptions.Format, FSeparators);
}

TCliSession::TAnswer TCliSession::Evaluate(const QString& AFormula) {
    try {
        if (!FVariables) std::rethrow_exception(FVariableFailure);
        const long double unrounded =
            CalculateUnroundedFormula(AFormula, *FVariables, FPreviousResult, FSeparators.Decimal);
        const long double rounded = RoundToFifteenDigits(unrounded);
        TAnswer answer{DisplayText(unrounded, rounded), std::nullopt};
        FPreviousResult = rounded; // recorded only once it could be shown
        return answer;
    } catch (...) {
        const TCalcFailure failure = ClassifyCalcFailure(std::current_exception(), AFormula);
        return {QStringLiteral("Error"), std::string("error: ") + CalcFailureName(failure.Kind) +
                                             " at " + std::to_string(failure.CaretPosition)};
    }
}

int RunCalcCli(const std::vector<std::string>& AArguments, TCliStreams& AStreams) {
    QStringList arguments;
    for (const std::string& argument : AArguments)
        arguments.append(QString::fromLocal8Bit(argument.data(), qsizetype(argument.size())));
    TCliOptions options;
    try {
        options = ParseCliArguments(arguments);
    } catch (const ECliUsageError& e) {
        AStreams.WriteErrorLine(std::string("zemtrix-calc: ") + e.what());
        return 2;
    }
    TAnswerWriter writer(AStreams);
    if (options.IsHelp) {
        writer.Write(CliUsageText());
        return writer.Finish(0);
    }
    if (options.IsVersion) {
        writer.Write(VersionText(QStringLiteral("zemtrix-calc")).toStdString());
        return writer.Finish(0);
    }

    TCliSession session(options);
    bool isAllSuccessful = true;
    auto answer = [&](const QString& formula) {
        const TCliSession::TAnswer result = session.Evaluate(formula);
        if (result.ErrorLine) {
            isAllSuccessful = false;
            writer.Flush(); // keep the two streams in order on a terminal
            AStreams.WriteErrorLine(*result.ErrorLine);
        }
        writer.WriteLine(result.Text.toUtf8());
    };

    if (!options.Formulas.isEmpty()) {
        for (const QString& formula : options.Formulas) {
            if (writer.IsFailed()) break;
            answer(formula);
        }
    } else {
        TLineReader reader(
            [&](char* data, std::size_t size) { return AStreams.ReadInput(data, size); }, kLineCap,
            [&] { writer.Flush(); });
        std::string line;
        bool isTruncated = false;
        while (!writer.IsFailed() && reader.ReadLine(line, isTruncated))
            answer(QString::fromUtf8(line.data(), qsizetype(line.size())));
    }
    return writer.Finish(isAllSuccessful ? 0 : 1);
}

std::size_t TProcessCliStreams::ReadInput(char* AData, std::size_t ASize) {
    ssize_t got = 0;
    do {
        got = ::read(STDIN_FILENO, AData, ASize);
    } while (got < 0 && errno == EINTR);
    return got > 0 ? std::size_t(got) : 0;
}

bool TProcessCliStreams::WriteOutput(std::string_view AText) {
    if (FErrorNumber == 0 && std::fwrite(AText.data(), 1, AText.size(), stdout) != AText.size())
        FErrorNumber = errno != 0 ? errno : EIO;
    return FErrorNumber == 0;
}

bool TProcessCliStreams::FlushOutput() {
    if (FErrorNumber == 0 && (std::fflush(stdout) != 0 || std::ferror(stdout)))
        FErrorNumber = errno != 0 ? errno : EIO;
    return FErrorNumber == 0;
}

std::string TProcessCliStreams::OutputErrorText() const {
    return FErrorNumber != 0 ? std::strerror(FErrorNumber) : std::string();
}

void TProcessCliStreams::WriteErrorLine(std::string_view ALine) {
    std::fwrite(ALine.data(), 1, ALine.size(), stderr);
    std::fputc('\n', stderr);
}
