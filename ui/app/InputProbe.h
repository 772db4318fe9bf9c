#pragma once

#include <QLineEdit>

#include <cstdio>

// For bench/startup.sh: with ZEMTRIX_INPUT_PROBE set, the first change of ALine writes "input" on
// stdout, which times the first typed key from outside. Without it nothing is connected.
inline void ConnectInputProbe(QLineEdit* ALine) {
    if (ALine == nullptr || !qEnvironmentVariableIsSet("ZEMTRIX_INPUT_PROBE")) return;
    QObject::connect(ALine, &QLineEdit::textChanged, ALine, [] {
        static bool isReported = false;
        if (isReported) return;
        isReported = true;
        std::fputs("input\n", stdout);
        std::fflush(stdout);
    });
}
