#include "safety/OperationRecord.h"

#include "link/VersionText.h"
#include "port/RegularFile.h"
#include "port/Tr.h"
#include "port/UserFolders.h"
#include "safety/Sha256.h"

#include <ctime>
#include <filesystem>
#include <fstream>

namespace {
std::string Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

// Size and SHA-256 of a file as it lies on the disk now; nothing for a device, a pipe or a
// file of /proc, which never end.
void DescribeFile(JournalRecord& r) {
    if (!RegularFileProblem(r.file, kLargestFileToRead).empty())
        return;
    std::ifstream in(r.file, std::ios::binary);
    if (!in)
        return;
    Sha256 sha;
    std::uint64_t size = 0;
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        const auto n = static_cast<std::size_t>(in.gcount());
        sha.Add({reinterpret_cast<const std::uint8_t*>(chunk), n});
        size += n;
    }
    if (in.bad())
        return;
    r.fileSize = size;
    r.fileSha256 = HexText(sha.Finish());
}
} // namespace

void OperationRecord::Begin(bool active, const std::string& mode, const std::string& operation,
                            bool simulated) {
    std::lock_guard lock(mutex_);
    open_ = active;
    started_ = false;
    record_ = JournalRecord{};
    record_.time = Now();
    record_.mode = mode;
    record_.operation = operation;
    if (simulated)
        record_.device = "(simulated)";
}

void OperationRecord::SetJig(const std::string& versionText) {
    std::lock_guard lock(mutex_);
    record_.jig = versionText;
    const Board board = BoardOf(versionText);
    record_.board = board == Board::None ? "" : BoardName(board);
}

void OperationRecord::SetChipId(const std::string& chipId) {
    std::lock_guard lock(mutex_);
    record_.chipId = chipId;
}

std::string OperationRecord::ChipId() const {
    std::lock_guard lock(mutex_);
    return record_.chipId;
}

void OperationRecord::SetFile(const std::string& path) {
    // Where the file was, whatever folder the program ran in.
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    std::lock_guard lock(mutex_);
    record_.file = ec ? path : absolute.lexically_normal().string();
}

void OperationRecord::SetBackup(const std::string& path) {
    std::lock_guard lock(mutex_);
    record_.backup = path;
}

bool OperationRecord::Open() const {
    std::lock_guard lock(mutex_);
    return open_;
}

void OperationRecord::Started(const LogLine& log) {
    JournalRecord r;
    {
        std::lock_guard lock(mutex_);
        if (!open_ || started_)
            return;
        started_ = true;
        r = record_;
    }
    r.result = kStartedResult;
    Append(r, log);
}

void OperationRecord::End(const std::string& result, const std::string& failedStep,
                          const LogLine& log) {
    JournalRecord r;
    {
        std::lock_guard lock(mutex_);
        if (!open_)
            return;
        open_ = false;
        r = record_;
    }
    r.result = result;
    r.failedStep = result == "done" ? "" : failedStep;
    // A read that did not succeed left the file as it was: its size and hash would pass for the
    // dump of this read.
    if (!r.file.empty() && (result == "done" || r.operation != "read"))
        DescribeFile(r);
    Append(r, log);
}

void OperationRecord::Append(JournalRecord r, const LogLine& log) {
    std::string error;
    const std::filesystem::path journal = JournalFile();
    if (!AppendJournal(r, journal, &error) && log)
        log(Fill(Tr("Common", "The journal could not be written (%1: %2)"), journal.string(),
                 error));
}
