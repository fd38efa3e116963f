// "compare": where two dumps differ, for the modes whose window leaves that to a hex editor.
#include "cli/CliApp.h"
#include "port/FileBytes.h"
#include "port/RegularFile.h"
#include "safety/ImageDiff.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {
constexpr int kTrouble = 2; // as cmp: a file that cannot be read

// The whole file, or the one line that says why not.
std::optional<std::vector<std::uint8_t>> Load(const std::string& path, std::string* problem) {
    *problem = RegularFileProblem(path, kLargestFileToRead);
    if (!problem->empty())
        return std::nullopt;
    errno = 0;
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        *problem = errno ? std::strerror(errno) : "it cannot be read";
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(bytes->begin(), bytes->end());
}

int RunCompare(const CliArgs& args) {
    const std::string& nameA = args.positional.at(0);
    const std::string& nameB = args.positional.at(1);
    std::string problem;
    const auto a = Load(nameA, &problem);
    const auto b = a ? Load(nameB, &problem) : std::nullopt;
    if (!b) {
        std::fprintf(stderr, "%s\n", FileProblemLine(a ? nameB : nameA, problem).c_str());
        return kTrouble;
    }
    const std::vector<DiffRange> ranges = DiffRanges(*a, *b);
    for (const DiffRange& r : ranges)
        std::printf("%s\n", DiffRangeText(r, *a, *b).c_str());
    if (a->size() != b->size()) {
        const bool aLonger = a->size() > b->size();
        std::printf("%s is %zu bytes, %s %zu: the bytes from 0x%06zX on are only in %s\n",
                    nameA.c_str(), a->size(), nameB.c_str(), b->size(),
                    std::min(a->size(), b->size()), (aLonger ? nameA : nameB).c_str());
    }
    if (ranges.empty() && a->size() == b->size()) {
        std::printf("%s and %s are the same (%zu bytes)\n", nameA.c_str(), nameB.c_str(),
                    a->size());
        return kExitOk;
    }
    std::printf("%zu bytes differ in %zu places\n", DifferingBytes(ranges), ranges.size());
    return kExitFailed;
}

void AddCompareCommand(CliApp& cli) {
    cli.Command(&cli.Root(), "compare", "Compare two dumps: the ranges where they differ",
                RunCompare)
        .Details("Prints every range where A.bin and B.bin differ: its offset, its length and "
                 "the bytes of each (A / B, at most 16 of a range shown), and where one file "
                 "is longer. Needs no JIG.")
        .Positional("A.bin", "the first file")
        .Positional("B.bin", "the second file")
        .ExitStatus("0 the same, 1 they differ, 2 a file cannot be read, 64 wrong usage (as "
                    "cmp)");
}
const CliRegistration kCompare{96, AddCompareCommand};
} // namespace
