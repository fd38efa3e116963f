#include "cli/IteVerify.h"

#include "cli/CliSafety.h"
#include "cli/CliSignals.h"
#include "cli/TempFile.h"
#include "operation/ChipState.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {
std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

std::vector<std::uint8_t> FileBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

int Unverified(int status, const IteEngine& engine, const CliArgs& args) {
    ChipProgress written;
    written.AllWritten();
    const std::string& backup = engine.Run().BackupPath();
    PrintChipState(written.Line(backup), args, IteWriteCommand(args), backup);
    return status;
}
} // namespace

std::string IteWriteCommand(const CliArgs& args) {
    std::string command = "ite write --no-backup";
    for (const char* option : {"mb", "pins"})
        if (args.values.count(option) != 0)
            command += std::string(" --") + option + " " + Quoted(args.Value(option));
    if (args.Flag("reversed"))
        command += " --reversed";
    return command;
}

int VerifyIteWrite(IteEngine& engine, IteCliPort& port, const CliArgs& args, std::uint64_t* bytes,
                   std::int64_t* workerCpu) {
    const std::vector<std::uint8_t> expected = engine.Image();
    TempFile readBack("tolvane-ite-verify");
    if (readBack.Path().empty()) {
        port.Say(IteSource{TR_NOOP("Ite", "Проверка невозможна: нет временного файла."),
                           TR_NOOP("Ite", "Verify: no temporary file to read the flash into.")});
        return Unverified(kExitFailed, engine, args);
    }
    if (StopSignal() != 0)
        return Unverified(kExitFailed, engine, args);
    port.Say(IteSource{TR_NOOP("Ite", "Проверка: читаем флеш обратно ..."),
                       TR_NOOP("Ite", "Verify: reading the flash back ...")});
    // The read-back belongs to the write: no record, no second read of its own.
    engine.Run().SetSafety({});
    const Outcome outcome = RunToEnd(engine.Run(), [&] { engine.ReadFile(readBack.Path()); });
    *bytes += engine.Run().FileBytes();
    *workerCpu += engine.Run().WorkerCpuNanos();
    const int status = ExitStatusOf(outcome);
    if (status != kExitOk)
        return Unverified(status, engine, args);
    const std::vector<std::uint8_t> flash = FileBytes(readBack.Path());
    for (std::size_t at = 0; at < expected.size(); ++at) {
        if (at >= flash.size() || flash[at] != expected[at]) {
            const std::string where = "0x" + Hex(static_cast<unsigned>(at), 5);
            const std::string what =
                at < flash.size() ? " (" + Hex(flash[at], 2) + " / " + Hex(expected[at], 2) + ")"
                                  : "";
            port.Say(IteFill(
                {TR_NOOP("Ite", "Проверка: флеш отличается от файла, первое отличие по адресу "
                                "%1%2 (флеш / файл)"),
                 TR_NOOP("Ite", "Verify: the flash differs from the file at offset %1%2 (flash / "
                                "file)")},
                where, what));
            return kExitFailed;
        }
    }
    port.Say(IteSource{TR_NOOP("Ite", "Проверка: флеш совпадает с файлом."),
                       TR_NOOP("Ite", "Verify: the flash matches the file.")});
    return kExitOk;
}
