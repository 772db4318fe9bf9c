// zemtrix-calc driven through its real process: arguments and standard input in, the three
// outputs checked.
#include "cli/CalcCli.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct TRun {
    QString Out;
    QString Err;
    int ExitCode = -1;
};

TRun RunCalc(const QStringList& AArguments, const QByteArray& AInput = {},
             const QString& ALocale = QStringLiteral("C")) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), ALocale);
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
    struct Case {
        QStringList Arguments;
        QString Out;
    };
    // clang-format off
    const Case cases[] = {
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
    for (const Case& c : cases) {
        const TRun run = RunCalc(c.Arguments);
        EXPECT_EQ(run.Out, c.Out) << c.Arguments.join(u' ').toStdString();
        EXPECT_EQ(run.ExitCode, 0) << c.Arguments.join(u' ').toStdString() << run.Err.toStdString();
    }
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

TEST(CalcCli, HelpAndVersion) {
    const TRun help = RunCalc({u"--help"_qs});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_TRUE(help.Out.startsWith(u"Usage: zemtrix-calc"_qs));
    const TRun version = RunCalc({u"--version"_qs});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_TRUE(version.Out.startsWith(u"zemtrix-calc "_qs));
    EXPECT_TRUE(version.Out.contains(u"License GPL-3.0-or-later"_qs)) << version.Out.toStdString();
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
    EXPECT_TRUE(options.IsDigitGroupingSeparator);
    EXPECT_EQ(options.RoundSelector, rsCut);
    EXPECT_EQ(options.Variables.GetTitle(1), u"N"_qs);
    EXPECT_EQ(options.Variables.GetValue(1), u"5"_qs);
    EXPECT_EQ(options.Variables.GetTitle(2), u"V2"_qs);
    EXPECT_EQ(options.Formulas, (QStringList{u"1"_qs, u"-x"_qs}));
}

} // namespace
