#pragma once

#include "model/CalcEvaluation.h"
#include "model/ResultFormat.h"
#include "model/VariableButtonData.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A command line that cannot be used; the message is one line for standard error.
class ECliUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TCliOptions {
    TDisplayFormat Format;
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
    // one fails every evaluation with the failure it gave, as it would in the window.
    std::optional<TCalcVariables> FVariables;
    std::exception_ptr FVariableFailure;
    std::optional<long double> FPreviousResult;
};

// Where a run of the program reads and writes: the process's standard streams, or memory.
class TCliStreams {
public:
    virtual ~TCliStreams() = default;
    // Reads at most ASize bytes of standard input; 0 at its end (or on a read error).
    virtual std::size_t ReadInput(char* AData, std::size_t ASize) = 0;
    // Writes to standard output, possibly buffered; false once a write has failed.
    virtual bool WriteOutput(std::string_view AText) = 0;
    // Pushes buffered output on; false once a write has failed.
    virtual bool FlushOutput() = 0;
    // Why output failed, for the message; may be empty.
    virtual std::string OutputErrorText() const { return {}; }
    // Writes one diagnostic line (without its "\n") to standard error.
    virtual void WriteErrorLine(std::string_view ALine) = 0;
};

// The whole program: parses the arguments (without the program's own name), evaluates them or
// the lines of standard input, writes the answers. Returns the exit status: 0 all succeeded,
// 1 any failed or standard output could not be written (said on standard error), 2 usage error.
// It never ends the process.
int RunCalcCli(const std::vector<std::string>& AArguments, TCliStreams& AStreams);

// The standard streams of the process: standard input by read(2), standard output through
// stdio, standard error unbuffered.
class TProcessCliStreams : public TCliStreams {
public:
    std::size_t ReadInput(char* AData, std::size_t ASize) override;
    bool WriteOutput(std::string_view AText) override;
    bool FlushOutput() override;
    std::string OutputErrorText() const override;
    void WriteErrorLine(std::string_view ALine) override;

private:
    int FErrorNumber = 0; // errno of the first failed write; 0 while all went well
};
