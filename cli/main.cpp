// zemtrix-calc: the calculator's formula evaluation on the command line.
#include "cli/CalcCli.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    TProcessCliStreams streams;
    try {
        const std::vector<std::string> arguments(argc > 1 ? argv + 1 : argv,
                                                 argc > 1 ? argv + argc : argv);
        return RunCalcCli(arguments, streams);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zemtrix-calc: %s\n", e.what());
        return 2;
    }
}
