// "compare": where two dumps differ, for the modes whose window leaves that to a hex editor;
// "show": what a dump holds, block by block. Both print the same map.
#include "cli/CliApp.h"
#include "port/FileBytes.h"
#include "port/RegularFile.h"
#include "port/Tr.h"
#include "safety/DumpMap.h"
#include "safety/ImageDiff.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
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
        *problem = errno ? std::strerror(errno) : Tr("Cli", "it cannot be read");
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(bytes->begin(), bytes->end());
}

// --block N, else the default for an image of `bytes`; 0 when N is no number of bytes.
std::size_t BlockSize(const CliArgs& args, std::size_t bytes) {
    if (!args.values.count("block"))
        return DefaultBlockSize(bytes);
    const std::string text = args.Value("block");
    char* end = nullptr;
    const unsigned long long n = std::strtoull(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || text[0] == '-' || n == 0 || n > kLargestFileToRead) {
        const std::string line =
            Fill(Tr("Cli", "--block takes a number of bytes from 1 on, not \"%1\""), text);
        std::fprintf(stderr, "%s\n", line.c_str());
        return 0;
    }
    return static_cast<std::size_t>(n);
}

void PrintMap(const DumpMap& map) {
    for (const std::string& line : DumpMapLines(map))
        std::printf("%s\n", line.c_str());
}

int RunShow(const CliArgs& args) {
    const std::string& name = args.positional.at(0);
    std::string problem;
    const auto image = Load(name, &problem);
    if (!image) {
        std::fprintf(stderr, "%s\n", FileProblemLine(name, problem).c_str());
        return kTrouble;
    }
    const std::size_t block = BlockSize(args, image->size());
    if (!block)
        return kExitUsage;
    for (const std::string& line : ImageCheckLines(*image))
        std::printf("%s\n", line.c_str());
    PrintMap(MapImage(*image, block));
    return kExitOk;
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
    const std::size_t block = BlockSize(args, std::max(a->size(), b->size()));
    if (!block)
        return kExitUsage;
    const std::vector<DiffRange> ranges = DiffRanges(*a, *b);
    for (const DiffRange& r : ranges)
        std::printf("%s\n", DiffRangeText(r, *a, *b).c_str());
    if (a->size() != b->size()) {
        const bool aLonger = a->size() > b->size();
        char from[24];
        std::snprintf(from, sizeof from, "0x%06zX", std::min(a->size(), b->size()));
        std::printf("%s\n",
                    Fill(Tr("Cli", "%1 is %2 bytes, %3 %4: the bytes from %5 on are only in %6"),
                         nameA, std::to_string(a->size()), nameB, std::to_string(b->size()), from,
                         aLonger ? nameA : nameB)
                        .c_str());
    }
    if (ranges.empty() && a->size() == b->size()) {
        std::printf("%s\n", Fill(Tr("Cli", "%1 and %2 are the same (%3 bytes)"), nameA, nameB,
                                 std::to_string(a->size()))
                                .c_str());
        PrintMap(MapAgainst(*a, *b, block));
        return kExitOk;
    }
    std::printf("%s\n", Fill(Tr("Cli", "%1 bytes differ in %2 places"),
                             std::to_string(DifferingBytes(ranges)), std::to_string(ranges.size()))
                            .c_str());
    PrintMap(MapAgainst(*a, *b, block));
    return kExitFailed;
}

void AddCompareCommand(CliApp& cli) {
    cli.Command(&cli.Root(), "compare",
                Tr("Cli", "Compare two dumps: the ranges where they differ"), RunCompare)
        .Details(Tr("Cli", "Prints every range where A.bin and B.bin differ: its offset, its "
                           "length and the bytes of each (A / B, at most 16 of a range shown), "
                           "and where one file is longer; then the map of A.bin that \"show\" "
                           "prints, with X for each block that differs from B.bin. Needs no "
                           "JIG."))
        .Positional("A.bin", Tr("Cli", "the first file"))
        .Positional("B.bin", Tr("Cli", "the second file"))
        .Value("--block", "N",
               Tr("Cli", "bytes a block of the map (default 4096, less for a small file)"))
        .ExitStatus(Tr("Cli", "0 the same, 1 they differ, 2 a file cannot be read, 64 wrong "
                              "usage (as cmp)"));
}
const CliRegistration kCompare{96, AddCompareCommand};

void AddShowCommand(CliApp& cli) {
    cli.Command(&cli.Root(), "show", Tr("Cli", "Show what a dump holds, block by block"), RunShow)
        .Details(Tr("Cli", "Prints the file's size, CRC-32 and SHA-256 and its map: one "
                           "character a block, # data, . all FFh, 0 all 00h, 64 blocks a line "
                           "after the offset of the first. Needs no JIG."))
        .Positional("FILE", Tr("Cli", "the dump"))
        .Value("--block", "N", Tr("Cli", "bytes a block (default 4096, less for a small file)"))
        .ExitStatus(Tr("Cli", "0 shown, 2 the file cannot be read, 64 wrong usage"));
}
const CliRegistration kShow{95, AddShowCommand};
} // namespace
