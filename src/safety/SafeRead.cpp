#include "safety/SafeRead.h"

#include "port/Tr.h"
#include "safety/BackupFile.h"
#include "safety/ImageCheck.h"
#include "safety/ImageDiff.h"

#include <algorithm>

namespace {
constexpr std::size_t kRangesShown = 8;
} // namespace

namespace {
bool AllOneValue(const std::vector<std::uint8_t>& image, std::uint8_t value) {
    return !image.empty() &&
           std::all_of(image.begin(), image.end(), [value](std::uint8_t b) { return b == value; });
}

// A blank chip and a read that never reached it look the same; erasing after the second loses
// the customer's firmware with a blank backup.
bool BlankMayBeErased(const std::vector<std::uint8_t>& image, const LogLine& log,
                      const SafetyOptions& safety, const AskYesNoFn& ask) {
    if (!AllOneValue(image, 0xFF) && !AllOneValue(image, 0x00))
        return true;
    log(Fill(Tr("Common", "The chip reads blank (all %1). A failed read looks the same."),
             image.front() == 0xFF ? "FFh" : "00h"));
    if (safety.eraseBlank) {
        log(Tr("Common", "Erasing anyway (--force)."));
        return true;
    }
    if (safety.askBeforeErasingBlank && ask && ask(Tr("Common", kBlankBackupQuestion))) {
        log(Tr("Common", "Erasing anyway: the technician agreed."));
        return true;
    }
    log(safety.askBeforeErasingBlank
            ? Tr("Common", "Nothing was erased or written: the backup reads blank.")
            : Tr("Common", "Nothing was erased or written: the backup reads blank (--force "
                           "erases anyway)."));
    return false;
}
} // namespace

std::optional<std::filesystem::path> TakeBackup(const std::string& mode, const std::string& chipId,
                                                const ReadWholeChip& read, const LogLine& log,
                                                const SafetyOptions& safety,
                                                const AskYesNoFn& ask) {
    log(Tr("Common", "Backup: reading the chip before anything is erased or written ..."));
    std::vector<std::uint8_t> image;
    if (!read(image)) {
        log(Tr("Common", "The backup read failed: nothing was erased or written."));
        return std::nullopt;
    }
    // A read that "succeeded" with nothing is no backup.
    if (image.empty()) {
        log(Tr("Common", "The backup read gave no bytes: nothing was erased or written."));
        return std::nullopt;
    }
    LogImageCheck(image, log);
    if (!BlankMayBeErased(image, log, safety, ask))
        return std::nullopt;
    const SavedBackup saved = SaveBackup(mode, chipId, image);
    if (!saved.Ok()) {
        log(Fill(Tr("Common",
                    "The backup could not be saved in %1 (%2): nothing was erased or written."),
                 saved.path.string(), saved.error));
        return std::nullopt;
    }
    log(Tr("Common", "Backup saved: ") + saved.path.string());
    return saved.path;
}

bool ReadAgainAndCompare(std::span<const std::uint8_t> first, const ReadWholeChip& read,
                         const LogLine& log) {
    log(Tr("Common", "Reading a second time to compare ..."));
    std::vector<std::uint8_t> second;
    if (!read(second))
        return false;
    const std::vector<DiffRange> ranges = DiffRanges(first, second);
    if (ranges.empty() && first.size() == second.size()) {
        log(Tr("Common", "Both reads are the same."));
        return true;
    }
    if (first.size() != second.size())
        log(Fill(Tr("Common", "The two reads differ in size: %1 and %2 bytes."),
                 std::to_string(first.size()), std::to_string(second.size())));
    if (!ranges.empty())
        log(Fill(Tr("Common", "The two reads differ in %1 bytes (a loose clip or a long wire, "
                              "not the chip?), first read / second read:"),
                 std::to_string(DifferingBytes(ranges))));
    for (std::size_t i = 0; i < ranges.size() && i < kRangesShown; ++i)
        log(Tr("Common", "  at ") + DiffRangeText(ranges[i], first, second));
    if (ranges.size() > kRangesShown)
        log(Fill(Tr("Common", "  ... and %1 more places"),
                 std::to_string(ranges.size() - kRangesShown)));
    return false;
}

void LogImageCheck(std::span<const std::uint8_t> image, const LogLine& log) {
    for (const std::string& line : ImageCheckLines(image))
        log(line);
}
