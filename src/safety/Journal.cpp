#include "safety/Journal.h"
#include "safety/JournalWord.h"

#include "port/Tr.h"
#include "port/UserFolders.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <unistd.h>

namespace {
std::mutex appendMutex;

constexpr const char* kKeys[] = {"time",   "mode",      "jig",        "board",
                                 "chipId", "operation", "file",       "fileSha256",
                                 "backup", "result",    "failedStep", "device"};

std::string* Field(JournalRecord& r, std::string_view key) {
    std::string* fields[] = {&r.time,   &r.mode,      &r.jig,        &r.board,
                             &r.chipId, &r.operation, &r.file,       &r.fileSha256,
                             &r.backup, &r.result,    &r.failedStep, &r.device};
    for (std::size_t i = 0; i < std::size(kKeys); ++i)
        if (key == kKeys[i])
            return fields[i];
    return nullptr;
}

std::string ToJsonLine(JournalRecord record) {
    nlohmann::json j = nlohmann::json::object();
    for (const char* key : kKeys)
        if (const std::string* value = Field(record, key); !value->empty())
            j[key] = *value;
    if (record.fileSize)
        j["fileSize"] = *record.fileSize;
    // File names need not be UTF-8; a byte that is not becomes U+FFFD rather than a lost record.
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}
} // namespace

bool AppendJournal(const JournalRecord& record, const std::filesystem::path& file,
                   std::string* error) {
    const std::string line = ToJsonLine(record);
    std::lock_guard lock(appendMutex);
    if (!MakeWritableFolder(file.parent_path())) {
        *error = Fill(Tr("Common", "%1 cannot be created or written"), file.parent_path().string());
        return false;
    }
    const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = std::strerror(errno);
        return false;
    }
    // One write of the whole line: records of two programs never interleave.
    const ssize_t n = write(fd, line.data(), line.size());
    int writeError = errno;
    // On the disk before the chip changes: a "started" record must outlive a crash or a pulled
    // plug, or the journal cannot tell that an operation never ended.
    const bool synced = n == static_cast<ssize_t>(line.size()) && fsync(fd) == 0;
    if (!synced && n == static_cast<ssize_t>(line.size()))
        writeError = errno;
    close(fd);
    if (n != static_cast<ssize_t>(line.size())) {
        *error = n < 0 ? std::strerror(writeError) : Tr("Common", "the line was cut short");
        return false;
    }
    if (!synced) {
        *error = std::strerror(writeError);
        return false;
    }
    return true;
}

std::vector<JournalRecord> LoadJournal(const std::filesystem::path& file, std::size_t* unreadable) {
    std::vector<JournalRecord> records;
    std::size_t bad = 0;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (line.empty())
            continue;
        const nlohmann::json j = nlohmann::json::parse(line, nullptr, false);
        if (!j.is_object()) {
            ++bad;
            continue;
        }
        JournalRecord r;
        for (const auto& [key, value] : j.items()) {
            if (std::string* field = Field(r, key); field && value.is_string())
                *field = value.get<std::string>();
            else if (key == "fileSize" && value.is_number_unsigned())
                r.fileSize = value.get<std::uint64_t>();
        }
        records.push_back(std::move(r));
    }
    if (unreadable)
        *unreadable = bad;
    return records;
}

std::vector<JournalRecord> JournalOperations(const std::vector<JournalRecord>& records) {
    std::vector<JournalRecord> operations;
    std::vector<bool> ended(records.size(), false);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const JournalRecord& r = records[i];
        if (r.result != kStartedResult) {
            operations.push_back(r);
            continue;
        }
        // Its end record comes later, maybe after records of other programs.
        bool found = false;
        for (std::size_t j = i + 1; j < records.size() && !found; ++j) {
            const JournalRecord& e = records[j];
            found = !ended[j] && e.result != kStartedResult && e.time == r.time &&
                    e.mode == r.mode && e.operation == r.operation;
            if (found)
                ended[j] = true;
        }
        if (!found) {
            operations.push_back(r);
            operations.back().result = kNoEndResult;
        }
    }
    return operations;
}

namespace {
// The journal's own words, kept English in the file (scripts read it) and shown translated.
[[maybe_unused]] constexpr const char* kShownWords[] = {
    TR_NOOP("Common", "started"),
    TR_NOOP("Common", "done"),
    TR_NOOP("Common", "failed"),
    TR_NOOP("Common", "stopped"),
    TR_NOOP("Common", "no JIG"),
    TR_NOOP("Common", "cancelled"),
    TR_NOOP("Common", "read"),
    TR_NOOP("Common", "write"),
    TR_NOOP("Common", "erase"),
    TR_NOOP("Common", "check"),
    TR_NOOP("Common", "verify"),
    TR_NOOP("Common", "(simulated)"),
    TR_NOOP("Common", "no end: the program stopped during this operation")};
} // namespace

std::string JournalWord(const std::string& word) {
    return Tr("Common", word.c_str());
}

std::vector<std::string> JournalRecordLines(const JournalRecord& r) {
    std::string head =
        r.time + "  " + r.mode + "  " + JournalWord(r.operation) + "  " + JournalWord(r.result);
    if (!r.failedStep.empty())
        head += " (" + r.failedStep + ")";
    std::vector<std::string> lines{head};
    std::string jig = r.jig.empty() ? "-" : r.jig;
    if (!r.board.empty())
        jig += " (" + r.board + ")";
    lines.push_back(Fill(Tr("Common", "    JIG: %1"), jig) +
                    (r.device.empty() ? "" : " " + JournalWord(r.device)) +
                    (r.chipId.empty() ? "" : Fill(Tr("Common", "   chip ID: %1"), r.chipId)));
    if (!r.file.empty()) {
        std::string file = Fill(Tr("Common", "    file: %1"), r.file);
        if (r.fileSize)
            file += " (" + Fill(Tr("Common", "%1 bytes"), std::to_string(*r.fileSize)) +
                    (r.fileSha256.empty() ? "" : ", SHA-256 " + r.fileSha256) + ")";
        lines.push_back(file);
    }
    if (!r.backup.empty())
        lines.push_back(Fill(Tr("Common", "    backup: %1"), r.backup));
    return lines;
}
