#pragma once

#include "model/CalcEvaluation.h"
#include "model/ResultFormat.h"
#include "model/RoundSelector.h"
#include "model/VariableButtonData.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <string>

// A command line that cannot be used; the message is one line for standard error.
class ECliUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TCliOptions {
    int RoundDecimal = -1;
    TRoundSelector RoundSelector = rs54;
    bool IsDigitGroupingSeparator = false;
    bool IsPercent = false;
    bool IsRaw = false;
    bool IsHelp = false;
    bool IsVersion = false;
    TVariableButtonData Variables;
    QStringList Formulas;
};

// Parses the arguments (without the program's own name). Throws ECliUsageError.
TCliOptions ParseCliArguments(const QStringList& AArguments);

// The usage text printed by --help.
std::string CliUsageText();

// Evaluates formulas one after another as the window does on Enter; "ANS" is the newest
// successful result.
class TCliSession {
public:
    explicit TCliSession(const TCliOptions& AOptions);

    struct TAnswer {
        QString Text;                         // the result line, or "Error"
        std::optional<std::string> ErrorLine; // "error: KIND at POSITION" for a failure
    };
    TAnswer Evaluate(const QString& AFormula);

private:
    QString DisplayText(long double AUnrounded, long double ARounded) const;

    const TCliOptions& FOptions;
    TNumberSeparators FSeparators;
    // The variables never change during a run, so their texts are read once; an unreadable
    // one fails every evaluation, as it would in the window.
    std::optional<TCalcVariables> FVariables;
    std::optional<long double> FPreviousResult;
};

// The whole program: parses argv, evaluates the arguments or standard input, writes answers.
// Returns the exit status: 0 all succeeded, 1 any failed, 2 usage error.
int RunCalcCli(int argc, char** argv);
