#include "cli/CalcCli.h"

#include "cli/LineReader.h"
#include "model/CalcEvaluation.h"
#include "model/ResultFormat.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <unistd.h>

namespace {

constexpr std::size_t kLineCap = 8192; // bytes; anything longer is far over the formula limit

[[noreturn]] void Usage(const QString& AMessage) { throw ECliUsageError(AMessage.toStdString()); }

int ParseRoundDecimal(const QString& AText) {
    bool ok = false;
    const int value = AText.trimmed().toInt(&ok);
    if (!ok || (value < 0 && value != -1 && value != -2 && value != -16))
        Usage(QStringLiteral("invalid number of decimals '%1' (use -1, 0 or more, -16 or -2)")
                  .arg(AText));
    return value;
}

TRoundSelector ParseRoundMode(const QString& AText) {
    const QString mode = AText.toLower();
    if (mode == u"54") return rs54;
    if (mode == u"cut") return rsCut;
    if (mode == u"up") return rsUp;
    Usage(QStringLiteral("invalid rounding mode '%1' (use 54, cut or up)").arg(AText));
}

void AddVariable(TCliOptions& AOptions, int& ACount, const QString& ASetting) {
    const qsizetype equals = ASetting.indexOf(u'=');
    if (equals < 0) Usage(QStringLiteral("--var needs NAME=VALUE, got '%1'").arg(ASetting));
    if (ACount == TVariableButtonData::Count) Usage(QStringLiteral("at most six --var options"));
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

void WriteLine(std::FILE* AStream, const QByteArray& AText) {
    std::fwrite(AText.constData(), 1, std::size_t(AText.size()), AStream);
    std::fputc('\n', AStream);
}

void FlushStandardOutput() { std::fflush(stdout); }

} // namespace

TCliOptions ParseCliArguments(const QStringList& AArguments) {
    TCliOptions options;
    int variableCount = 0;
    bool isOptionsEnd = false;
    for (qsizetype i = 0; i < AArguments.size(); ++i) {
        QString argument = AArguments[i];
        if (isOptionsEnd || !LooksLikeOption(argument)) {
            options.Formulas.append(argument);
            continue;
        }
        QString inlineValue;
        bool hasInlineValue = false;
        if (argument.startsWith(u"--")) {
            const qsizetype equals = argument.indexOf(u'=');
            if (equals > 0) {
                inlineValue = argument.mid(equals + 1);
                argument.truncate(equals);
                hasInlineValue = true;
            }
        }
        auto value = [&]() -> QString {
            if (hasInlineValue) return inlineValue;
            if (i + 1 >= AArguments.size())
                Usage(QStringLiteral("option %1 needs a value").arg(argument));
            return AArguments[++i];
        };
        if (argument == u"--")
            isOptionsEnd = true;
        else if (argument == u"-d" || argument == u"--decimals")
            options.RoundDecimal = ParseRoundDecimal(value());
        else if (argument == u"--hex")
            options.RoundDecimal = RoundDecimalHex;
        else if (argument == u"--bin")
            options.RoundDecimal = RoundDecimalBin;
        else if (argument == u"-r" || argument == u"--round")
            options.RoundSelector = ParseRoundMode(value());
        else if (argument == u"-g" || argument == u"--grouping")
            options.IsDigitGroupingSeparator = true;
        else if (argument == u"-p" || argument == u"--percent")
            options.IsPercent = true;
        else if (argument == u"--var")
            AddVariable(options, variableCount, value());
        else if (argument == u"--raw")
            options.IsRaw = true;
        else if (argument == u"-h" || argument == u"--help")
            options.IsHelp = true;
        else if (argument == u"--version")
            options.IsVersion = true;
        else
            Usage(QStringLiteral("unknown option '%1' (see --help)").arg(argument));
        if (hasInlineValue &&
            (argument == u"--hex" || argument == u"--bin" || argument == u"--grouping" ||
             argument == u"--percent" || argument == u"--raw" || argument == u"--help" ||
             argument == u"--version"))
            Usage(QStringLiteral("option %1 takes no value").arg(argument));
    }
    return options;
}

std::string CliUsageText() {
    return "Usage: zemtrix-calc [OPTIONS] [FORMULA ...]\n"
           "Evaluates each FORMULA, or each line of standard input when none is given, and prints\n"
           "the result line as the Zemtrix window would show it (\"Error\" for a failure, with\n"
           "\"error: KIND at POSITION\" on standard error). ANS is the newest successful result.\n"
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
           "\n"
           "Formula language (letter case does not matter; full-width characters are accepted):\n"
           "  numbers      12  1.5  1E3  0x1F (hexadecimal)  0b101 (binary)\n"
           "  operators    ^ (power) binds tightest, then * / and implied multiplication (2(3), "
           "2PI,\n"
           "               3V1), then, all equal and left to right: + -  MOD DIV  AND & OR | XOR\n"
           "               (on 64-bit integers)  = < > <= >= (1 or 0; blanks around < and >)\n"
           "  parentheses  group; missing closing ones at the end are supplied\n"
           "  constants    PI  TRUE (-1)  FALSE (0)  ANS (newest result)  % (0.01: 200+10% is "
           "200.1)\n"
           "  functions    SIN COS TAN in degrees (SINR... radians, SING... grads), ASIN ACOS "
           "ATAN,\n"
           "               SINH COSH TANH ASINH ACOSH ATANH, EXP SQRT LOG LOG2 LN INT FACT NOT,\n"
           "               DEGTORAD RADTODEG DEGTOGRAD GRADTODEG RADTOGRAD GRADTORAD; each takes\n"
           "               the one factor after it: sin 30, sqrt(2), sinr(PI/2)\n"
           "  variables    the names set with --var\n"
           "\n"
           "Examples:\n"
           "  zemtrix-calc '1+2*3' 'sin 30' 'ANS*2'      7, 0.5 and 1\n"
           "  echo '1000*1.08' | zemtrix-calc -d 0       1080\n"
           "  zemtrix-calc --var RATE=0.08 '1000*rate'   80\n"
           "\n"
           "Exit status: 0 all succeeded, 1 some evaluation failed, 2 usage error.\n";
}

TCliSession::TCliSession(const TCliOptions& AOptions)
    : FOptions(AOptions), FSeparators(SystemNumberSeparators()) {
    try {
        FVariables = ReadCalcVariables(AOptions.Variables, FSeparators.Decimal);
    } catch (const EVariableError&) {
    }
}

QString TCliSession::DisplayText(long double AUnrounded, long double ARounded) const {
    if (FOptions.IsRaw) return QString::fromStdString(RawText(AUnrounded));
    return FormatResultValue(FOptions.IsPercent, FOptions.RoundDecimal, ARounded,
                             FOptions.RoundSelector, FOptions.IsDigitGroupingSeparator,
                             FSeparators);
}

TCliSession::TAnswer TCliSession::Evaluate(const QString& AFormula) {
    try {
        if (!FVariables) throw EVariableError();
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

int RunCalcCli(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    TCliOptions options;
    try {
        options = ParseCliArguments(arguments);
    } catch (const ECliUsageError& e) {
        std::fprintf(stderr, "zemtrix-calc: %s\n", e.what());
        return 2;
    }
    if (options.IsHelp) {
        std::fputs(CliUsageText().c_str(), stdout);
        return 0;
    }
    if (options.IsVersion) {
        std::printf("zemtrix-calc %s\n", ZEMTRIX_VERSION);
        return 0;
    }

    TCliSession session(options);
    bool isAllSuccessful = true;
    auto answer = [&](const QString& formula) {
        const TCliSession::TAnswer result = session.Evaluate(formula);
        if (result.ErrorLine) {
            isAllSuccessful = false;
            std::fflush(stdout); // keep the two streams in order on a terminal
            std::fprintf(stderr, "%s\n", result.ErrorLine->c_str());
        }
        WriteLine(stdout, result.Text.toUtf8());
    };

    if (!options.Formulas.isEmpty()) {
        for (const QString& formula : options.Formulas) answer(formula);
    } else {
        TLineReader reader(STDIN_FILENO, kLineCap, FlushStandardOutput);
        std::string line;
        bool isTruncated = false;
        while (reader.ReadLine(line, isTruncated))
            answer(QString::fromUtf8(line.data(), qsizetype(line.size())));
    }
    std::fflush(stdout);
    return isAllSuccessful ? 0 : 1;
}
