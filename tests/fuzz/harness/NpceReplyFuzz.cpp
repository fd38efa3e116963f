// The npce mode's engine against a JIG that answers whatever the fuzzer says (support/FuzzJig.h):
// every operation ends idle, with the link closed and its controls back (support/FuzzModes.cpp).
#include "support/FuzzModes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return RunFuzzedMode("npce", data, size);
}
