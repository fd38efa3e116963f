// A JIG that falls silent at each wait of each operation, or vanishes mid-transfer: every
// operation ends within its bound with a line naming the step and the failure signal where the
// operation sends one. That each ends idle with the link closed and the buttons usable is the
// fault matrix's to check, at these same waits, silent or vanishing.
#include "IteRig.h"

#include <filesystem>

namespace {
// Replies the JIG has sent once Start() has applied the wiring: the identification, "*", the
// fifteen triples' "+" and the one of "QQQ".
constexpr int kApplyReplies = 18;

IteBounds Short() {
    IteBounds b;
    b.attach = b.command = b.block = b.firstBlock = Millis(150 * kSanitizerSlowdown);
    return b;
}

bool HasLineStarting(const std::vector<std::string>& lines, const std::string& start) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.rfind(start, 0) == 0; });
}

struct FaultCase {
    int afterReplies; // counted from the JIG's start
    const char* step; // the step the English log names ("" for the identification)
};
} // namespace

class IteFaults : public IteTest {
  protected:
    void StartWith(const std::string& board, const char* type, int afterReplies, bool apply) {
        Start(board,
              std::string(R"({"faults": [{"type": ")") + type + R"(", "afterReplies": )" +
                  std::to_string(afterReplies) + "}]}",
              apply);
        engine->SetBounds(Short());
    }
    // The operation ended as a lost contact does.
    void ExpectEnded(const FaultCase& c, bool finishByte) {
        EXPECT_NE(engine->Run().Result(), Outcome::Succeeded);
        const auto lines = En();
        if (std::string(c.step).empty()) {
            EXPECT_EQ(lines.back(), "The programmer is not found or does not respond");
            return;
        }
        const bool named =
            HasLineStarting(lines, std::string("Timeout: no answer from the JIG (") + c.step) ||
            HasLineStarting(lines, std::string("The JIG was lost (") + c.step);
        EXPECT_TRUE(named) << Dump();
        if (finishByte) {
            EXPECT_EQ(HostBytes().back(), 'O');
        }
    }
};

TEST_F(IteFaults, SilenceAtEachWaitNamesIt) {
    WriteFileBytes(dir.File("in.bin"), ItePattern(131072));
    const std::string out = dir.File("partial.bin");
    enum Op { kCheck, kApply, kRead, kWrite };
    const int start = kApplyReplies + 1; // after the identification
    const struct {
        Op op;
        const char* board;
        FaultCase fault;
    } cases[] = {
        {kCheck, "pcb2-ite", {kApplyReplies, ""}},
        {kCheck, "pcb2-ite", {start, "test command"}},
        {kCheck, "pcb2-ite", {start + 1, "address cycle 0x00"}},
        {kCheck, "pcb2-ite", {start + 2, "data read of register 0x00"}},
        {kCheck, "pcb2-ite", {start + 6, "data read of register 0x02"}},
        {kApply, "pcb3", {0, ""}},
        {kApply, "pcb3", {1, "enter setup"}},
        {kApply, "pcb3", {2, "pin assignment IN"}},
        {kApply, "pcb3", {9, "pin assignment d0"}},
        {kApply, "pcb3", {17, "end of setup QQQ"}},
        {kRead, "pcb3", {start, "test command"}},
        {kRead, "pcb3", {start + 1, "register write (R001)"}},
        {kRead, "pcb3", {start + 2, "register write (R001)"}},
        {kRead, "pcb3", {start + 26, "register write (R013)"}},
        {kRead, "pcb3", {start + 27, "block 1 of 512"}},
        {kRead, "pcb3", {start + 27 + 99, "block 100 of 512"}},
        {kWrite, "pcb2-ite", {start, "test command"}},
        {kWrite, "pcb2-ite", {start + 1, "register write (T001)"}},
        {kWrite, "pcb2-ite", {start + 38, "register write (T019)"}},
        {kWrite, "pcb2-ite", {start + 39, "write address"}},
        {kWrite, "pcb2-ite", {start + 40, "block 1 of 1024"}},
        {kWrite, "pcb2-ite", {start + 40 + 511, "block 512 of 1024"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.op) + " " + c.fault.step);
        StartWith(c.board, "silence", c.fault.afterReplies, c.op != kApply);
        switch (c.op) {
        case kCheck:
            Check();
            break;
        case kApply:
            Apply(DefaultBoxes());
            break;
        case kRead:
            Read(out);
            break;
        case kWrite:
            Write(dir.File("in.bin"));
            break;
        }
        ExpectEnded(c.fault, c.op != kApply); // APPLY closes the link without a finish byte
        if (c.op == kApply) {
            EXPECT_NE(HostBytes().back(), 'O');
        }
        if (c.op == kRead) {
            const int blocks = std::max(0, c.fault.afterReplies - (start + 27));
            EXPECT_FALSE(std::filesystem::exists(out));
            EXPECT_EQ(FileBytes(out + ".partial").size(), static_cast<std::size_t>(blocks) * 256u);
        }
    }
}

TEST_F(IteFaults, AJigThatVanishesMidTransferIsLetGo) {
    const int start = kApplyReplies + 1;
    StartWith("pcb3", "vanish", start + 27 + 201, true);
    const std::string out = dir.File("partial.bin");
    Read(out);
    ExpectEnded({0, "block 201 of 512"}, false);
    EXPECT_EQ(FileBytes(out + ".partial").size(), 200u * 256u);

    WriteFileBytes(dir.File("in.bin"), ItePattern(131072));
    StartWith("pcb2-ite", "vanish", start + 40 + 701, true);
    Write(dir.File("in.bin"));
    ExpectEnded({0, "block 701 of 1024"}, false);
    EXPECT_TRUE(port.english.HasLine("Error writing to flash or lost contact with ITE"));
    EXPECT_TRUE(port.english.HasLine(
        "The chip is partly written (blocks 1 to 700 of 1024). No backup was taken."));
}

TEST_F(IteFaults, ABlockReadSilentInTheJigItselfEndsWithinItsBound) {
    Start("pcb2-ite", R"({"chips": {"ite": {"silentAtBlock": 20}}})");
    engine->SetBounds(Short());
    const std::string out = dir.File("partial.bin");
    Read(out);
    EXPECT_EQ(
        EnFrom("ERROR reading block ->20"),
        (std::vector<std::string>{"ERROR reading block ->20",
                                  "Timeout: no answer from the JIG (block 20 of 512)", kIteStampEn,
                                  "The 4864 bytes received are kept in " + out + ".partial; " +
                                      out + " is unchanged."}));
    EXPECT_EQ(Ru()[Ru().size() - 3], "Нет ответа от программатора (блок 20 из 512)");
    EXPECT_EQ(FileBytes(out + ".partial").size(), 19u * 256u);
    EXPECT_EQ(port.english.Gauge(), 19);
    ExpectIdle();
}
