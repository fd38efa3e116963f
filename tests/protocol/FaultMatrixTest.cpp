// One fault matrix for every mode (support/ModeAdapters.h): for each board and operation, the
// JIG falls silent at its replies in turn (the first ones, a spread through the loops, the last
// ones) and at the first and the last wait of each kind of frame the host sends, vanishes at
// those same replies, corrupts the first status byte, splits every reply into pieces, and delays
// one reply just inside and just outside the bound of its wait. Every case must end (a watchdog far
// above the bounds catches a hang), idle with the link and the file closed and the controls back,
// with a line that names the step where it failed; a read that ended early leaves whole blocks, a
// write never touches its image, and the cases that must succeed do so with no protocol
// surprise and the same file as a clean run.
#include "link/WaitBounds.h"
#include "modetable/ModeTable.h"
#include "support/FuzzSeeds.h"
#include "support/ModeAdapters.h"
#include "support/Pattern.h"
#include "support/SimFixture.h"
#include "support/Surprises.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>

namespace {
using std::chrono::milliseconds;
namespace fs = std::filesystem;

// Every wait of an engine with settings gets this bound in the matrix.
constexpr milliseconds kShort{300};

// An operation of the adapters' table as the matrix runs it.
struct MatrixOperation {
    const ModeAdapter* adapter;
    std::string mode;
    std::string name;
    // A read's whole file (0 for other operations); the unit a read that ended early leaves
    // whole in it is the adapter's.
    std::uintmax_t fullSize = 0;
    // Replies at the end that only answer end signals, after the outcome is settled: a JIG
    // that falls silent there may leave a success.
    long endReplies = 2;
    // The longest wait of the operation with its short bounds (what a delayed reply is measured
    // against), and the bound a silent JIG costs at most per wait.
    milliseconds bound{0};
    std::uint8_t variant = 0; // ModeRequest::variant
    // The image a write takes; the other operations find one in place and leave it so.
    std::string Image() const {
        return Pattern(adapter->Writes() ? adapter->fileSize : 131072, 77, 3, 9);
    }
    ModeResult Run(const std::shared_ptr<FtdiApi>& sim, const std::string& file) const {
        ModeRequest request;
        request.api = sim;
        request.file = file;
        request.bound = kShort;
        request.variant = variant;
        return adapter->run(*adapter, request);
    }
};

const std::vector<MatrixOperation>& MatrixOperations() {
    static const std::vector<MatrixOperation> ops = [] {
        std::vector<MatrixOperation> all;
        for (const ModeAdapter& a : ModeAdapters()) {
            const std::string mode = a.mode;
            if (mode == "ENE KB90XX" && std::string(a.operation) == "ffc")
                continue; // the cable routing ends with no outcome of its own
            MatrixOperation op{&a, mode, a.operation};
            op.fullSize = a.Reads() ? a.fileSize : 0;
            // MEC: the stream's end registers, SPI_ON, the result signal and the JTAG release
            // come after the outcome; JTAG: the result signal and the reset.
            if (mode == "MEC jtag")
                op.endReplies = 5;
            if (mode == "NUVOTON jtag" && op.name != "check")
                op.endReplies = 3;
            op.bound = mode == "EDID lcd"           ? WaitBounds::EepromReply
                       : mode == "Keyboard testing" ? WaitBounds::KeyboardAnswer
                                                    : kShort;
            all.push_back(op);
            if (mode == "MEC jtag" && a.Reads()) { // the info block after the main flash
                op.name = "read --info";
                op.variant = 0x80;
                op.fullSize += 2048;
                all.push_back(op);
            }
        }
        return all;
    }();
    return ops;
}

enum class Expect { Succeed, Fail, Either };

struct MatrixCase {
    const MatrixOperation* op;
    std::string board;
    std::string fault; // how it reads in a failure message
    std::string json;
    Expect expect;
    milliseconds limit; // the watchdog
    std::string cleanFile;
    // The JIG was identified, then lost: a failure, never taken for a JIG that was not there.
    bool lostAfterIdentifying = false;
};

// Whether this process still holds `path` open.
bool HeldOpen(const std::string& path) {
    std::error_code ec;
    const fs::path want = fs::weakly_canonical(path, ec);
    for (const auto& fd : fs::directory_iterator("/proc/self/fd", ec)) {
        std::error_code e;
        const fs::path target = fs::read_symlink(fd.path(), e);
        if (!e && target == want)
            return true;
    }
    return false;
}

std::string FaultJson(const std::string& fault) {
    return "{\"faults\": [" + fault + "]}";
}

// Replies in turn: the first ones (set-up steps, each its own wait), a spread through the
// middle (the loops, whose waits repeat), and the last ones (the ends of the operation).
std::vector<long> SilentReplies(long replies) {
    std::set<long> at;
    for (long k = 0; k < std::min(replies, 10L); ++k)
        at.insert(k);
    for (long k = std::max(0L, replies - 5); k < replies; ++k)
        at.insert(k);
    for (int i = 1; i <= 4; ++i)
        at.insert(replies * i / 5);
    at.erase(replies);
    return {at.begin(), at.end()};
}

using Exchange = RecordingFtdiApi::Exchange;

// A host frame whose reply never comes, as the host bytes up to and including it.
struct Cut {
    long hostBytes;
    bool nearTheEnd; // among the replies that only answer end signals
};

// The first and the last wait of each kind. A short frame (a command and its arguments) is a
// kind of its own, unless it is one of a loop's many (a block address, a register in turn): those
// are a kind by their length and first byte. A long frame (data, a batch) is a kind by its length.
std::vector<Cut> CutsAtEachKindOfWait(const std::vector<Exchange>& exchanges, long endReplies) {
    using Key = std::vector<std::uint8_t>;
    constexpr std::size_t kShortFrame = 8;
    auto loopKey = [](const Exchange& e) {
        Key k{1, static_cast<std::uint8_t>(e.written.size() & 0xFF),
              static_cast<std::uint8_t>(e.written.size() >> 8)};
        if (e.written.size() <= kShortFrame)
            k.push_back(e.written[0]);
        return k;
    };
    std::map<Key, std::set<Key>> loops;
    long answered = 0;
    for (const Exchange& e : exchanges)
        if (!e.read.empty() && !e.written.empty()) {
            ++answered;
            if (e.written.size() <= kShortFrame)
                loops[loopKey(e)].insert(e.written);
        }
    std::map<Key, std::pair<std::size_t, std::size_t>> firstLast; // indices into `cuts`
    std::vector<Cut> cuts;
    long bytes = 0;
    long seen = 0;
    for (const Exchange& e : exchanges) {
        bytes += static_cast<long>(e.written.size());
        if (e.read.empty() || e.written.empty())
            continue;
        const bool loop = e.written.size() > kShortFrame || loops[loopKey(e)].size() > 16;
        Key key = loop ? loopKey(e) : Key{0};
        if (!loop)
            key.insert(key.end(), e.written.begin(), e.written.end());
        cuts.push_back({bytes, ++seen > answered - endReplies});
        auto [at, added] = firstLast.try_emplace(key, cuts.size() - 1, cuts.size() - 1);
        if (!added)
            at->second.second = cuts.size() - 1;
    }
    std::set<std::size_t> keep;
    for (const auto& [key, fl] : firstLast)
        keep.insert({fl.first, fl.second});
    std::vector<Cut> out;
    for (std::size_t i : keep)
        out.push_back(cuts[i]);
    return out;
}

// The first status byte the operation examines, as an offset among the reply bytes, and what
// it is turned into: its bits flipped, or the value a refusal has where only that one fails
// (most acknowledgements are not examined: any byte ends their wait). Nothing where the
// operation examines none.
struct StatusFault {
    long offset = 0;
    int xorWith = 0xFF;
};

std::optional<StatusFault> StatusByte(const MatrixOperation& op, const std::string& board,
                                      const std::vector<Exchange>& exchanges) {
    std::vector<std::uint8_t> replies;
    for (const Exchange& e : exchanges)
        replies.insert(replies.end(), e.read.begin(), e.read.end());
    // `index` from the end of the reply when negative.
    auto find = [&](auto match, long index) -> std::optional<long> {
        long offset = 0;
        bool identified = false;
        for (const Exchange& e : exchanges) {
            const long size = static_cast<long>(e.read.size());
            const long at = index < 0 ? size + index : index;
            if (identified && match(e) && at >= 0 && at < size)
                return offset + at;
            identified = identified || e.written == std::vector<std::uint8_t>{'B'};
            offset += size;
        }
        return std::nullopt;
    };
    auto flip = [](std::optional<long> at) -> std::optional<StatusFault> {
        if (!at)
            return std::nullopt;
        return StatusFault{*at, 0xFF};
    };
    // The byte made into `value`.
    auto into = [&](std::optional<long> at, std::uint8_t value) -> std::optional<StatusFault> {
        if (!at)
            return std::nullopt;
        return StatusFault{*at, replies[static_cast<std::size_t>(*at)] ^ value};
    };
    auto written = [](std::vector<std::uint8_t> bytes) {
        return [bytes](const Exchange& e) { return e.written == bytes; };
    };
    auto afterBlock = [](const Exchange& e) { return e.written.size() >= 256; };
    auto any = [](const Exchange& e) { return e.read.size() == 1; };
    if (op.mode == "MEC jtag") // the status after a read block, the answer to a written one
        return op.adapter->Reads()
                   ? flip(find([](const Exchange& e) { return e.read.size() > 1024; }, 1024))
               : op.name == "write" ? flip(find(afterBlock, 0))
                                    : std::nullopt;
    if (op.mode == "ENE KB90XX") {
        if (op.name == "read") // 'G' between blocks (PCB3 reads)
            return flip(find(written({'?'}), 0));
        // PCB3 refuses a block with 'E'; PCB2 answers the checksums of the flash at the end.
        return board == "pcb3" ? into(find(afterBlock, 0), 'E') : flip(find(written({'S'}), -4));
    }
    if (op.mode == "NUVOTON spi") // the flash ID; the status of a written page, 00h refusing it
        return op.name == "read"
                   ? flip(find([](const Exchange& e) { return e.read.size() == 4; }, 0))
                   : into(find(afterBlock, 0), 0x00);
    if (op.mode == "NUVOTON jtag") // the JTAG identifier
        return flip(find(written({'J', 'D', 0xFF, 0xFF, 0xFF, 0xFF}), 0));
    if (op.mode == "EDID lcd") // the status pair after the data
        return flip(op.name == "read" ? find(written({'E', 'r'}), 256) : find(afterBlock, 0));
    if (op.mode == "ITE") // the answer to the test command
        return flip(find(any, 0));
    return std::nullopt;
}

struct Outcome {
    bool passed = true;
    std::string why;
    void Check(bool ok, const std::string& what) {
        if (!ok) {
            passed = false;
            why += "  " + what + "\n";
        }
    }
};

Outcome RunCase(const MatrixCase& c, const std::string& folder) {
    Outcome o;
    const MatrixOperation& op = *c.op;
    const bool read = op.fullSize != 0;
    const std::string file = folder + "/image.bin";
    const std::string image = op.Image();
    if (!read)
        WriteFileBytes(file, image);
    auto sim = MakeSim(c.board, c.json);
    std::packaged_task<ModeResult()> task([&] { return op.Run(sim, file); });
    auto done = task.get_future();
    std::thread worker(std::move(task));
    const bool ended = done.wait_for(c.limit) == std::future_status::ready;
    o.Check(ended, "did not end within " + std::to_string(c.limit.count()) + " ms");
    worker.join();
    const ModeResult r = done.get();
    auto lines = [&] {
        std::string text;
        for (const std::string& l : r.lines)
            text += "    | " + l + "\n";
        return text;
    };
    if (c.expect == Expect::Succeed)
        o.Check(r.succeeded, "did not succeed:\n" + lines());
    if (c.expect == Expect::Fail)
        o.Check(!r.succeeded, "reported success");
    if (c.lostAfterIdentifying && c.expect == Expect::Fail)
        o.Check(r.outcome == ::Outcome::Failed, "ended as \"" + JournalResult(r.outcome) + "\"");
    o.Check(r.idle, "not idle");
    o.Check(r.linkClosed, "link left open");
    o.Check(r.controlsEnabled, "controls not back");
    if (!r.succeeded)
        o.Check(r.namesStep, "no line names the step:\n" + lines());
    for (const std::string& what : r.broken)
        o.Check(false, what + ":\n" + lines());
    o.Check(!HeldOpen(file), "file left open");
    if (read && fs::exists(file)) {
        const auto size = fs::file_size(file);
        o.Check(size <= op.fullSize, "file larger than the chip");
        if (!r.succeeded)
            o.Check(size % op.adapter->blockSize == 0,
                    "an early end left part of a block (" + std::to_string(size) + " bytes)");
        else
            o.Check(ReadFileText(file) == c.cleanFile, "file differs from a clean run's");
    }
    if (!read)
        o.Check(ReadFileText(file) == image, "the image file was changed");
    const auto surprises = sim->Jig().Surprises();
    if (c.expect == Expect::Succeed || c.fault.rfind("vanish", 0) == 0)
        o.Check(surprises.empty(), "protocol surprises:\n" + DescribeSurprises(surprises));
    return o;
}

// A clean run of an operation: what the faults are placed by.
struct Baseline {
    long replies = 0;
    std::vector<Cut> cuts;
    std::optional<StatusFault> status;
    std::string file;
    milliseconds took{0};
};

Baseline CleanRun(const MatrixOperation& op, const std::string& board, const std::string& folder,
                  std::string* failure) {
    Baseline b;
    const std::string file = folder + "/clean.bin";
    if (op.fullSize == 0)
        WriteFileBytes(file, op.Image());
    auto sim = MakeSim(board);
    auto recording = std::make_shared<RecordingFtdiApi>(sim);
    const auto start = SteadyClock::now();
    const ModeResult r = op.Run(recording, file);
    b.took = std::chrono::duration_cast<milliseconds>(SteadyClock::now() - start);
    if (!r.succeeded) {
        *failure = op.mode + " " + op.name + " on " + board + ": the clean run failed:\n";
        for (const std::string& l : r.lines)
            *failure += "    | " + l + "\n";
    }
    for (const std::string& what : r.broken)
        *failure += "clean run: " + what + "\n";
    const auto surprises = sim->Jig().Surprises();
    if (!surprises.empty())
        *failure += "clean run surprises:\n" + DescribeSurprises(surprises);
    b.replies = sim->Jig().RepliesSent();
    b.status = StatusByte(op, board, recording->Exchanges());
    b.cuts = CutsAtEachKindOfWait(recording->Exchanges(), op.endReplies);
    b.file = op.fullSize ? ReadFileText(file) : "";
    return b;
}

std::vector<MatrixCase> CasesOf(const MatrixOperation& op, const std::string& board,
                                const Baseline& b) {
    std::vector<MatrixCase> cases;
    const milliseconds limit = b.took * 4 + op.bound * 4 + milliseconds(10000);
    auto add = [&](std::string fault, std::string spec, Expect expect) {
        cases.push_back({&op, board, std::move(fault), FaultJson(spec), expect, limit, b.file});
    };
    // A scan runs until it is stopped: how many answers a clean run saw is not fixed, so the
    // faults go to the first answers, which every scan needs.
    const bool scan = op.mode == "Keyboard testing";
    // The last replies answer the end signals, after the data: an operation may count them done.
    const long needed = scan ? 3 : b.replies - op.endReplies;
    for (long k : SilentReplies(scan ? needed : b.replies))
        add("silence from reply " + std::to_string(k) + " of " + std::to_string(b.replies),
            R"({"type": "silence", "afterReplies": )" + std::to_string(k) + "}",
            k < needed ? Expect::Fail : Expect::Either);
    if (!scan)
        for (const Cut& cut : b.cuts)
            add("silence after host byte " + std::to_string(cut.hostBytes),
                R"({"type": "silence", "afterHostBytes": )" + std::to_string(cut.hostBytes) + "}",
                cut.nearTheEnd ? Expect::Either : Expect::Fail);
    // The JIG vanishes at the same replies as it falls silent: a lost device ends a wait at
    // once, on a path of its own.
    // The identification takes the first three replies at most; ITE's other operations follow
    // the APPLY the adapter sends first, and a JIG lost during it is gone when they connect.
    const bool afterApply = op.mode == "ITE" && op.name != "apply";
    for (long k : SilentReplies(scan ? needed : b.replies)) {
        add("vanish at reply " + std::to_string(k),
            R"({"type": "vanish", "afterReplies": )" + std::to_string(k) + "}",
            k < needed ? Expect::Fail : Expect::Either);
        cases.back().lostAfterIdentifying = k >= 3 && !afterApply;
    }
    const long middle = scan ? 2 : b.replies / 2;
    if (b.status)
        add("status byte " + std::to_string(b.status->offset) + " corrupted",
            R"({"type": "corrupt", "replyByte": )" + std::to_string(b.status->offset) +
                R"(, "xor": )" + std::to_string(b.status->xorWith) + "}",
            Expect::Fail);
    add("replies split", R"({"type": "split", "pieces": 100, "ms": 1})", Expect::Succeed);
    // The EEPROM: the JIG itself waits only a second for the data after its ready byte, so the
    // delay goes to the reply that carries the status (picked by its byte: how the JIG's
    // output is grouped into replies may differ from run to run).
    const bool byStatus = op.mode == "EDID lcd" && b.status;
    const std::string target = byStatus ? R"("replyByte": )" + std::to_string(b.status->offset)
                                        : R"("afterReplies": )" + std::to_string(middle);
    const std::string which = byStatus ? "the status reply" : "reply " + std::to_string(middle);
    // Margins a loaded machine (the sanitizer builds, two cores shared) cannot eat: the host's
    // wait starts a little after the JIG's clock for the reply does.
    const long inside = op.bound.count() / 2;
    const long outside = op.bound.count() * 3 / 2 + 300;
    add(which + " " + std::to_string(inside) + " ms late",
        R"({"type": "delay", )" + target + R"(, "ms": )" + std::to_string(inside) + "}",
        Expect::Succeed);
    add(which + " " + std::to_string(outside) + " ms late",
        R"({"type": "delay", )" + target + R"(, "ms": )" + std::to_string(outside) + "}",
        Expect::Fail);
    return cases;
}

// Runs `jobs` on a few threads: most cases wait out a bound, which costs no CPU.
template <class Job> void RunAll(std::size_t count, unsigned threads, Job job) {
    std::atomic<std::size_t> next{0};
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t)
        pool.emplace_back([&] {
            for (std::size_t i = next++; i < count; i = next++)
                job(i);
        });
    for (std::thread& t : pool)
        t.join();
}

// A mode of the mode table cannot miss the matrix, the safety net or the fuzzers: each of its
// operations has an adapter, and each adapter is an operation of a mode.
TEST(FaultMatrix, EveryOperationOfTheModeTableHasAnAdapter) {
    const std::pair<unsigned, std::vector<const char*>> names[] = {
        {kOpCheck, {"check"}}, {kOpRead, {"read"}},           {kOpErase, {"erase"}},
        {kOpWrite, {"write"}}, {kOpWiring, {"apply", "ffc"}}, {kOpScan, {"scan"}}};
    std::size_t operations = 0;
    for (const ModeEntry& m : Modes())
        for (const auto& [bit, ops] : names)
            if (m.operations & bit) {
                ++operations;
                EXPECT_TRUE(std::any_of(
                    ops.begin(), ops.end(),
                    [&](const char* op) { return FindModeAdapter(m.name, op) != nullptr; }))
                    << m.name << " " << ops.front();
            }
    EXPECT_EQ(ModeAdapters().size(), operations);
    for (const ModeAdapter& a : ModeAdapters())
        EXPECT_NE(FindMode(a.mode), nullptr) << a.mode;
}

TEST(FaultMatrix, EveryModeBoardAndOperationEndsCleanlyUnderEachFault) {
    WatchSurprises();
    TempDir dir;
    struct Pair {
        const MatrixOperation* op;
        std::string board;
    };
    std::vector<Pair> pairs;
    for (const MatrixOperation& op : MatrixOperations())
        for (const std::string& board : op.adapter->boards)
            pairs.push_back({&op, board});

    std::vector<Baseline> baselines(pairs.size());
    std::vector<std::string> cleanFailures(pairs.size());
    RunAll(pairs.size(), 2, [&](std::size_t i) {
        const std::string folder = dir.File("clean-" + std::to_string(i));
        fs::create_directories(folder);
        baselines[i] = CleanRun(*pairs[i].op, pairs[i].board, folder, &cleanFailures[i]);
    });
    std::vector<MatrixCase> cases;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        EXPECT_TRUE(cleanFailures[i].empty()) << cleanFailures[i];
        if (cleanFailures[i].empty()) {
            auto more = CasesOf(*pairs[i].op, pairs[i].board, baselines[i]);
            cases.insert(cases.end(), more.begin(), more.end());
        }
    }

    std::vector<Outcome> outcomes(cases.size());
    RunAll(cases.size(), 6, [&](std::size_t i) {
        const std::string folder = dir.File("case-" + std::to_string(i));
        fs::create_directories(folder);
        outcomes[i] = RunCase(cases[i], folder);
    });
    // Each case judged the surprises of its own JIG.
    TakeSurprises();

    std::size_t passed = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        if (outcomes[i].passed) {
            ++passed;
            continue;
        }
        const MatrixCase& c = cases[i];
        ADD_FAILURE() << c.op->mode << " " << c.op->name << " on " << c.board << ", " << c.fault
                      << ":\n"
                      << outcomes[i].why;
    }
    std::printf("fault matrix: %zu cases, %zu passed\n", cases.size(), passed);
    EXPECT_EQ(passed, cases.size());
}
} // namespace
