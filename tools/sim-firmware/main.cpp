// Writes the simulated JIG's stand-in firmware files into the folder given.
#include "sim/StandInFirmware.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tolvane-sim-firmware FOLDER\n");
        return 64;
    }
    std::string error;
    if (!WriteStandInFirmware(argv[1], &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
