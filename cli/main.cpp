// zemtrix-calc: the calculator's formula evaluation on the command line.
#include "cli/CalcCli.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    try {
        return RunCalcCli(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zemtrix-calc: %s\n", e.what());
        return 2;
    }
}
