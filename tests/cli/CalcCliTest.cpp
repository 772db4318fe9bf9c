// zemtrix-calc driven through its real process: arguments and standard input in, the three
// outputs checked.
#include "cli/CalcCli.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <cstddef>

namespace {

struct TRun {
    QString Out;
    QString Err;
    int ExitCode = -1;
};

TRun RunCalc(const QStringList& AArguments, const QByteArray& AInput = {},
             const QString& ALocale = QStringLiteral("C"), const QString& ALanguage = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), ALocale);
    environment.insert(QStringLiteral("LANGUAGE"), ALanguage);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZEMTRIX_CALC_PATH), AArguments);
    EXPECT_TRUE(process.waitForStarted(10000));
    process.write(AInput);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    return {QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()),
            process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
}

// A command line and the answer it prints.
struct TAnswerCase {
    QStringList Arguments;
    QString Out;
};

// Each command line prints its answer and succeeds.
template <std::size_t N> void ExpectAnswers(const TAnswerCase (&ACases)[N]) {
    for (const TAnswerCase& c : ACases) {
        const TRun run = RunCalc(c.Arguments);
        EXPECT_EQ(run.Out, c.Out) << c.Arguments.join(u' ').toStdString();
        EXPECT_EQ(run.ExitCode, 0) << c.Arguments.join(u' ').toStdString() << run.Err.toStdString();
    }
}

TEST(CalcCli, StandardInputSessionKeepsAnsAndReportsFailures) {
    const TRun run =
        RunCalc({}, "1+2\n1/3\nANS*3\n\n0.1+0.2\n1+*2\n7 MOD 0\nANS+1\r\n(1E4000*1E4000)\n"
                    "1E4000*1E4000\nATANH 1\n1/0\n0^0\n");
    EXPECT_EQ(run.Out,
              u"3\n0.333333333333333\n0.999999999999999\n0\n0.3\nError\nError\n1.3\nError\nError\n"
              "Error\nError\nError\n"_qs);
    EXPECT_EQ(run.Err,
              u"error: syntax at 3\nerror: division at 7\nerror: math at 15\nerror: fault at 13\n"
              "error: range at 7\nerror: infinity at 3\nerror: power at 3\n"_qs);
    EXPECT_EQ(run.ExitCode, 1);
}

TEST(CalcCli, DisplayOptions) {
    // clang-format off
    const TAnswerCase cases[] = {
        {{u"1234.5"_qs}, u"1234.5\n"_qs},
        {{u"-d"_qs, u"2"_qs, u"-g"_qs, u"1234.5"_qs}, u"1,234.50\n"_qs},
        {{u"--decimals=3"_qs, u"--grouping"_qs, u"-1234567.891"_qs}, u"-1,234,567.891\n"_qs},
        {{u"-d"_qs, u"2"_qs, u"-r"_qs, u"cut"_qs, u"--"_qs, u"-1.231"_qs}, u"-1.24\n"_qs},
        {{u"-d"_qs, u"2"_qs, u"--round"_qs, u"UP"_qs, u"1.231"_qs}, u"1.24\n"_qs},
        {{u"--hex"_qs, u"255"_qs, u"255.5"_qs, u"-255"_qs}, u"0xFF\n0x100\n0xFFFFFFFFFFFFFF01\n"_qs},
        {{u"--bin"_qs, u"5"_qs, u"0"_qs}, u"0b101\n0b0\n"_qs},
        {{u"-d"_qs, u"-16"_qs, u"-p"_qs, u"0.125"_qs}, u"0xC\n"_qs},
        {{u"-p"_qs, u"0.125"_qs}, u"12.5%\n"_qs},
        {{u"--percent"_qs, u"-d"_qs, u"0"_qs, u"0.125"_qs}, u"13%\n"_qs},
        {{u"-d"_qs, u"20"_qs, u"1234.5"_qs}, u"1234.50\n"_qs},
        {{u"--raw"_qs, u"1/3"_qs, u"0.5"_qs}, u"0.333333333333333333342\n0.5\n"_qs},
        {{u"-5+3"_qs, u"(2)(3)"_qs}, u"-2\n6\n"_qs},
        {{u"--var"_qs, u"X=3"_qs, u"--var"_qs, u"税=１２"_qs, u"X*税"_qs, u"V3"_qs}, u"36\n0\n"_qs},
    };
    // clang-format on
    ExpectAnswers(cases);
}

TEST(CalcCli, VariableNamesAreFoundInAnyCase) {
    // clang-format off
    const TAnswerCase cases[] = {
        {{u"--var"_qs, u"x=3"_qs, u"x"_qs}, u"3\n"_qs},
        {{u"--var"_qs, u"Rate=2"_qs, u"rate"_qs}, u"2\n"_qs},
        {{u"--var"_qs, u"カナ=5"_qs, u"カナ"_qs}, u"5\n"_qs},
        {{u"--var"_qs, u"x=1"_qs, u"--var"_qs, u"X=2"_qs, u"X"_qs}, u"1\n"_qs},
    };
    // clang-format on
    ExpectAnswers(cases);
    const TRun blank = RunCalc({u"--var"_qs, u"a b=1"_qs, u"a b"_qs});
    EXPECT_EQ(blank.Out, u"Error\n"_qs) << "a name with a blank is never found";
}

TEST(CalcCli, OutOfRangeDisplayIsAnErrorAndNoAns) {
    const TRun run = RunCalc({u"--hex"_qs, u"5"_qs, u"1E19"_qs, u"ANS"_qs});
    EXPECT_EQ(run.Out, u"0x5\nError\n0x5\n"_qs);
    EXPECT_EQ(run.Err, u"error: range at 4\n"_qs);
    EXPECT_EQ(run.ExitCode, 1);
}

TEST(CalcCli, UnreadableVariableFailsEveryFormula) {
    const TRun run = RunCalc({u"--var"_qs, u"A=1,5"_qs, u"1+1"_qs});
    EXPECT_EQ(run.Out, u"Error\n"_qs);
    EXPECT_EQ(run.Err, u"error: variable at 3\n"_qs);
    EXPECT_EQ(run.ExitCode, 1);
}

TEST(CalcCli, SeparatorsFollowTheLocale) {
    const TRun run = RunCalc({u"-d"_qs, u"2"_qs, u"-g"_qs, u"1234.5"_qs}, {}, u"de_DE.UTF-8"_qs);
    EXPECT_EQ(run.Out, u"1.234,50\n"_qs);
}

TEST(CalcCli, VariableValuesReadTheLocaleDecimalSeparatorAndThePoint) {
    const TRun run =
        RunCalc({u"--var"_qs, u"A=2,5"_qs, u"--var"_qs, u"B=0.5"_qs, u"A*2+B"_qs, u"1.5*2"_qs}, {},
                u"de_DE.UTF-8"_qs);
    EXPECT_EQ(run.Out, u"5,5\n3\n"_qs);
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
}

TEST(CalcCli, FormulasReadTheLocaleDecimalComma) {
    const QByteArray input = "1,5*2\n0,25+0.5\n1,5.2\n1.5,2\n";
    const TRun comma = RunCalc({u"2,5*2"_qs}, {}, u"de_DE.UTF-8"_qs);
    EXPECT_EQ(comma.Out, u"5\n"_qs);
    EXPECT_EQ(comma.ExitCode, 0) << comma.Err.toStdString();
    const TRun session = RunCalc({}, input, u"de_DE.UTF-8"_qs);
    EXPECT_EQ(session.Out, u"3\n0,75\nError\nError\n"_qs);
    EXPECT_EQ(session.Err, u"error: syntax at 5\nerror: syntax at 5\n"_qs);
    const TRun point = RunCalc({}, input);
    EXPECT_EQ(point.Out, u"Error\nError\nError\nError\n"_qs) << "\",\" means nothing under C";
    EXPECT_EQ(point.ExitCode, 1);
}

TEST(CalcCli, UsageErrorsExitWithTwoAndOneLine) {
    const QStringList sevenVariables = {u"--var"_qs, u"A=1"_qs, u"--var"_qs, u"B=1"_qs,
                                        u"--var"_qs, u"C=1"_qs, u"--var"_qs, u"D=1"_qs,
                                        u"--var"_qs, u"E=1"_qs, u"--var"_qs, u"F=1"_qs,
                                        u"--var"_qs, u"G=1"_qs, u"1"_qs};
    for (const QStringList& arguments :
         {QStringList{u"-q"_qs}, QStringList{u"--nope"_qs},
          QStringList{u"-d"_qs, u"two"_qs, u"1"_qs}, QStringList{u"-d"_qs, u"-5"_qs, u"1"_qs},
          QStringList{u"-d"_qs}, QStringList{u"-r"_qs, u"half"_qs},
          QStringList{u"--var"_qs, u"X"_qs}, QStringList{u"--hex=1"_qs}, sevenVariables}) {
        const TRun run = RunCalc(arguments, "1\n");
        EXPECT_EQ(run.ExitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.Out.isEmpty()) << arguments.join(u' ').toStdString();
        EXPECT_EQ(run.Err.count(u'\n'), 1) << run.Err.toStdString();
        EXPECT_TRUE(run.Err.startsWith(u"zemtrix-calc: "_qs)) << run.Err.toStdString();
    }
}

TEST(CalcCli, ShortOptionsClusterAndLongOptionsAbbreviate) {
    // clang-format off
    const TAnswerCase cases[] = {
        {{u"-gd"_qs, u"2"_qs, u"1234.5"_qs},                 u"1,234.50\n"_qs},
        {{u"-d2"_qs, u"1.5"_qs},                              u"1.50\n"_qs},
        {{u"-gd2"_qs, u"1234.5"_qs},                          u"1,234.50\n"_qs},
        {{u"-d-16"_qs, u"255"_qs},                            u"0xFF\n"_qs},
        {{u"-d2"_qs, u"-rcut"_qs, u"1.239"_qs},               u"1.23\n"_qs},
        {{u"-pgd"_qs, u"0"_qs, u"12.345"_qs},                 u"1,235%\n"_qs},
        {{u"--dec"_qs, u"2"_qs, u"1"_qs},                     u"1.00\n"_qs},
        {{u"--dec=1"_qs, u"--gr"_qs, u"1234"_qs},             u"1,234.0\n"_qs},
        {{u"--ro"_qs, u"up"_qs, u"-d0"_qs, u"1.1"_qs},        u"2\n"_qs},
        {{u"--bi"_qs, u"5"_qs},                                u"0b101\n"_qs},
        {{u"--va"_qs, u"x=3"_qs, u"x"_qs},                    u"3\n"_qs},
        {{u"--var"_qs, u"v=2"_qs, u"--ra"_qs, u"v/4"_qs},     u"0.5\n"_qs},
    };
    // clang-format on
    ExpectAnswers(cases);
    EXPECT_TRUE(RunCalc({u"--vers"_qs}).Out.startsWith(u"zemtrix-calc "_qs));
    EXPECT_TRUE(RunCalc({u"-h"_qs}).Out.startsWith(u"Usage: "_qs));
}

TEST(CalcCli, OptionFormErrorsNameWhatIsWrong) {
    struct Case {
        QStringList Arguments;
        QString Err;
    };
    // clang-format off
    const Case cases[] = {
        {{u"--h"_qs},              u"zemtrix-calc: option '--h' is ambiguous; possibilities: '--hex' '--help'\n"_qs},
        {{u"--r=cut"_qs, u"1"_qs}, u"zemtrix-calc: option '--r' is ambiguous; possibilities: '--round' '--raw'\n"_qs},
        {{u"--v"_qs, u"1"_qs},     u"zemtrix-calc: option '--v' is ambiguous; possibilities: '--var' '--version'\n"_qs},
        {{u"-gq"_qs, u"1"_qs},     u"zemtrix-calc: invalid option -- 'q' (see --help)\n"_qs},
        {{u"-gd"_qs},              u"zemtrix-calc: option -d needs a value\n"_qs},
        {{u"--dec"_qs},            u"zemtrix-calc: option '--decimals' needs a value\n"_qs},
        {{u"--gr=1"_qs, u"1"_qs},  u"zemtrix-calc: option '--grouping' doesn't allow an argument\n"_qs},
        {{u"--decimalsx"_qs},      u"zemtrix-calc: unrecognized option '--decimalsx' (see --help)\n"_qs},
        {{u"--=2"_qs},             u"zemtrix-calc: unrecognized option '--=2' (see --help)\n"_qs},
        {{u"--var"_qs, u"a\nb"_qs}, u"zemtrix-calc: --var needs NAME=VALUE, got 'a b'\n"_qs},
    };
    // clang-format on
    for (const Case& c : cases) {
        const TRun run = RunCalc(c.Arguments, "1\n");
        EXPECT_EQ(run.Err, c.Err) << c.Arguments.join(u' ').toStdString();
        EXPECT_EQ(run.ExitCode, 2) << c.Arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.Out.isEmpty());
    }
}

// A full device fails the writes; the program says so on standard error and ends with 1, whether
// the answers come from arguments, from standard input or from --help.
TEST(CalcCli, AWriteErrorOnStandardOutputExitsWithOne) {
    if (!QFileInfo::exists(u"/dev/full"_qs)) GTEST_SKIP() << "no /dev/full";
    for (const QStringList& arguments :
         {QStringList{u"1+1"_qs}, QStringList{}, QStringList{u"--help"_qs}}) {
        QProcess process;
        process.setStandardOutputFile(u"/dev/full"_qs);
        process.start(QStringLiteral(ZEMTRIX_CALC_PATH), arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
        process.write("1+1\n2+2\n");
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1) << arguments.join(u' ').toStdString();
        EXPECT_EQ(err,
                  u"zemtrix-calc: write error on standard output: No space left on device\n"_qs)
            << arguments.join(u' ').toStdString();
    }
}

TEST(CalcCli, HelpAndVersion) {
    const TRun help = RunCalc({u"--help"_qs});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_TRUE(help.Out.startsWith(u"Usage: zemtrix-calc"_qs));
    const TRun version = RunCalc({u"--version"_qs});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_TRUE(version.Out.startsWith(u"zemtrix-calc "_qs));
    EXPECT_TRUE(version.Out.contains(u"License GPL-3.0-or-later"_qs)) << version.Out.toStdString();
}

// Help, the licence lines and usage errors follow LANGUAGE; answers and the failure lines on
// standard error are the same in every language.
TEST(CalcCli, HelpAndMessagesFollowTheLanguage) {
    struct TCase {
        const char* Language;
        QString Usage;
        QString Licence;
        QString UsageError;
    };
    const TCase cases[] = {
        {"de", u"Aufruf: zemtrix-calc [OPTIONEN]"_qs, u"Lizenz GPL-3.0-or-later"_qs,
         u"zemtrix-calc: Option „--decimals“ braucht einen Wert\n"_qs},
        {"fr", u"Utilisation\u00a0: zemtrix-calc [OPTIONS]"_qs, u"Licence GPL-3.0-or-later"_qs,
         u"zemtrix-calc: l’option «\u00a0--decimals\u00a0» demande une valeur\n"_qs},
        {"ja", u"使い方: zemtrix-calc [オプション]"_qs, u"ライセンス GPL-3.0-or-later"_qs,
         u"zemtrix-calc: オプション「--decimals」には値が必要です\n"_qs},
        {"es:en", u"Usage: zemtrix-calc [OPTIONS]"_qs, u"License GPL-3.0-or-later"_qs,
         u"zemtrix-calc: option '--decimals' needs a value\n"_qs},
    };
    const QStringList formulas{u"1/0"_qs, u"2*3"_qs, u"sin 30"_qs};
    const TRun english = RunCalc(formulas);
    for (const TCase& c : cases) {
        const QString language = QString::fromLatin1(c.Language);
        const TRun help = RunCalc({u"--help"_qs}, {}, u"C"_qs, language);
        EXPECT_EQ(help.ExitCode, 0) << c.Language;
        EXPECT_TRUE(help.Out.startsWith(c.Usage)) << help.Out.toStdString();
        EXPECT_TRUE(help.Out.contains(u"DEGTORAD RADTODEG"_qs)) << c.Language;
        const TRun version = RunCalc({u"--version"_qs}, {}, u"C"_qs, language);
        EXPECT_TRUE(version.Out.contains(c.Licence)) << version.Out.toStdString();
        const TRun error = RunCalc({u"--dec"_qs}, {}, u"C"_qs, language);
        EXPECT_EQ(error.Err, c.UsageError);
        EXPECT_EQ(error.ExitCode, 2) << c.Language;
        const TRun answers = RunCalc(formulas, {}, u"C"_qs, language);
        EXPECT_EQ(answers.Out, english.Out) << c.Language;
        EXPECT_EQ(answers.Err, english.Err) << c.Language;
        EXPECT_EQ(answers.ExitCode, 1) << c.Language;
    }
}

TEST(CalcCli, BadInputGetsOneAnswerPerLine) {
    QByteArray input;
    input += "1+1\n";
    input += QByteArray("2\xff\xfe+1\n"); // invalid UTF-8
    input += QByteArray("3+\0"
                        "4\n",
                        5);                           // a NUL byte
    input += QByteArray(3 * 1024 * 1024, '1') + "\n"; // a line of megabytes
    input += QByteArray(1024, '2') + "\r\n";          // the longest formula, with CRLF
    input += "5*5";                                   // no newline at the end
    const TRun run = RunCalc({}, input);
    const QStringList lines = run.Out.split(u'\n');
    ASSERT_EQ(lines.size(), 7) << run.Out.left(200).toStdString();
    EXPECT_EQ(lines[0], u"2"_qs);
    EXPECT_EQ(lines[1], u"Error"_qs);
    EXPECT_EQ(lines[2], u"Error"_qs);
    EXPECT_EQ(lines[3], u"Error"_qs);
    EXPECT_EQ(lines[4], u"2.22222222222222E1023"_qs);
    EXPECT_EQ(lines[5], u"25"_qs);
    EXPECT_EQ(run.Err, u"error: syntax at 2\nerror: syntax at 3\nerror: length at 1\n"_qs);
    EXPECT_EQ(run.ExitCode, 1);
}

TEST(CalcCli, ArgumentsParseWithoutAProcess) {
    const TCliOptions options = ParseCliArguments(
        {u"-g"_qs, u"--round=cut"_qs, u"--var=N=5"_qs, u"1"_qs, u"--"_qs, u"-x"_qs});
    EXPECT_TRUE(options.Format.IsDigitGroupingSeparator);
    EXPECT_EQ(options.Format.RoundSelector, rsCut);
    EXPECT_EQ(options.Variables.GetTitle(1), u"N"_qs);
    EXPECT_EQ(options.Variables.GetValue(1), u"5"_qs);
    EXPECT_EQ(options.Variables.GetTitle(2), u"V2"_qs);
    EXPECT_EQ(options.Formulas, (QStringList{u"1"_qs, u"-x"_qs}));
}

} // namespace
