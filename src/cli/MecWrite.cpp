// "mec write": what a careful technician does around the window's WRITE: erase MAIN first,
// write, then read MAIN back and compare it with the file.
#include "cli/CliSafety.h"
#include "cli/CliSignals.h"
#include "cli/MecCli.h"
#include "cli/TempFile.h"
#include "operation/ChipState.h"
#include "operation/ImageToWrite.h"
#include "port/Tr.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <vector>

namespace {
// MAIN as the write puts it into the flash, read whole before anything is erased: the file's
// first 196608 bytes (MAIN followed by INFO is taken too), a shorter file filled up with 0xFF.
// Refused: nullopt, with the exit status in `refusal`.
std::optional<std::vector<std::uint8_t>> LoadMainImage(const std::string& name, int* refusal) {
    ImageToWrite image = LoadImageToWrite(name, Mec::kMainBytes, Mec::kMainBytes + Mec::kInfoBytes);
    if (!image.Ok()) {
        std::fprintf(stderr, "%s\n", image.error.c_str());
        *refusal = ExitStatusOf(image.Refusal());
        return std::nullopt;
    }
    if (image.fileSize != static_cast<std::size_t>(Mec::kMainBytes) &&
        image.fileSize != static_cast<std::size_t>(Mec::kMainBytes + Mec::kInfoBytes))
        std::fprintf(stderr, "%s\n",
                     Fill(Tr("Cli", "note: %1 has %2 bytes; MAIN takes its first %3 (a shorter "
                                    "file is filled up with 0xFF)"),
                          name, std::to_string(image.fileSize), std::to_string(Mec::kMainBytes))
                         .c_str());
    image.bytes.resize(Mec::kMainBytes);
    return std::move(image.bytes);
}

int Compare(const std::vector<std::uint8_t>& image, const std::string& readBack,
            const std::string& name, OperatorPort& port) {
    std::ifstream in(readBack, std::ios::binary);
    std::vector<std::uint8_t> flash((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (flash.size() != image.size()) {
        port.Log(Fill(Tr("Cli", "Verification failed: read back %1 bytes instead of %2"),
                      std::to_string(flash.size()), std::to_string(image.size())));
        return kExitFailed;
    }
    std::size_t differing = 0;
    std::size_t first = image.size();
    for (std::size_t i = 0; i < image.size(); ++i) {
        if (image[i] != flash[i]) {
            first = std::min(first, i);
            ++differing;
        }
    }
    if (differing == 0) {
        port.Log(Tr("Cli", "Verification OK: MAIN is byte for byte ") + name);
        return kExitOk;
    }
    char offset[16], fileByte[4], flashByte[4];
    std::snprintf(offset, sizeof offset, "0x%05zX", first);
    std::snprintf(fileByte, sizeof fileByte, "%02X", image[first]);
    std::snprintf(flashByte, sizeof flashByte, "%02X", flash[first]);
    port.Log(Fill(Tr("Cli", "Verification failed: MAIN differs from %1 at offset %2 (file %3, "
                            "flash %4); %5 bytes differ"),
                  name, offset, fileByte, flashByte, std::to_string(differing)));
    return kExitFailed;
}
} // namespace

int RunMecWrite(const CliArgs& args) {
    const std::string in = args.positional.at(0);
    // Nothing is erased for a file that cannot be written.
    int refusal = kExitFailed;
    const std::optional<std::vector<std::uint8_t>> image = LoadMainImage(in, &refusal);
    if (!image)
        return refusal;
    CliPort port;
    return WithMecEngine(args, port, [&](Mec16xxEngine& engine, MecStats& stats) {
        std::string backup;
        if (!args.Flag("no-erase")) {
            port.Log(Tr("Cli", "--- erase MAIN"));
            const int status = RunMecOperation(engine, [&] { engine.EraseClick(false); });
            stats.Add(engine);
            PrintMecChipState(engine, args);
            if (status != kExitOk)
                return status;
            backup = engine.Run().BackupPath();
            // The erase kept what the chip held; a backup now would only hold the blank flash.
            engine.Run().SetSafety({.active = true});
        }
        port.Log(Tr("Cli", "--- write ") + in);
        if (!args.Flag("no-erase")) {
            engine.ContinueAfterErase(backup);
            if (StopSignal() != 0) {
                ChipProgress erased;
                erased.Erased();
                PrintChipState(erased.Line(backup), args, "mec write", backup);
                return static_cast<int>(kExitFailed);
            }
        }
        int status = RunMecOperation(engine, [&] { engine.WriteFile(in); });
        stats.Add(engine);
        PrintMecChipState(engine, args, backup);
        if (!engine.Run().BackupPath().empty())
            backup = engine.Run().BackupPath();
        if (status != kExitOk || args.Flag("no-verify"))
            return status;

        port.Log(Tr("Cli", "--- read MAIN back"));
        TempFile readBack("tolvane-mec-verify");
        if (readBack.Path().empty()) {
            std::fprintf(stderr, "%s%s\n",
                         Tr("Cli", "cannot create a file for the read-back: ").c_str(),
                         std::strerror(errno));
            return static_cast<int>(kExitFailed);
        }
        status = RunMecOperation(engine, [&] { engine.ReadFile(readBack.Path(), false); });
        stats.Add(engine);
        if (status != kExitOk) {
            ChipProgress written;
            written.AllWritten();
            PrintChipState(written.Line(backup), args, "mec write", backup);
            return status;
        }
        return Compare(*image, readBack.Path(), in, port);
    });
}
