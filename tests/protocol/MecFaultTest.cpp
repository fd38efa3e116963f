// Every operation against a JIG that falls silent at one of its replies, or vanishes: each
// ends within its bounds, names what it was waiting for, and leaves the window usable (for the
// silent JIG the fault matrix checks that, at these same waits).
#include "MecRig.h"

#include <future>
#include <set>

namespace {
enum class Op { Check, Read, ReadInfo, Erase, Write };

const char* OpName(Op op) {
    switch (op) {
    case Op::Check:
        return "check";
    case Op::Read:
        return "read";
    case Op::ReadInfo:
        return "read --info";
    case Op::Erase:
        return "erase";
    case Op::Write:
        return "write";
    }
    return "?";
}

// Replies of the JIG in the wire's order: each one follows bytes from the host.
int CountReplies(const std::vector<TranscriptEntry>& transcript) {
    int replies = 0;
    bool inReply = false;
    for (const TranscriptEntry& e : transcript) {
        if (!e.toJig && !inReply)
            ++replies;
        inReply = !e.toJig;
    }
    return replies;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines)
        text += l + "\n";
    return text;
}

bool NamesTheFailure(const std::vector<std::string>& lines) {
    for (const std::string& l : lines)
        if (l.rfind("Timeout: no answer from the JIG (", 0) == 0 ||
            l.rfind("The JIG was lost (", 0) == 0 || l.rfind("Потеряна связь с MEC", 0) == 0 ||
            l.rfind("Lost communication with MEC", 0) == 0)
            return true;
    return false;
}
// The mode's end sequence ran to its last line, the empty one; only the lines every operation
// ends with follow it (where the chip stands, what a read kept).
bool EndSequenceRan(std::vector<std::string> lines) {
    while (!lines.empty() && (lines.back().rfind("The chip ", 0) == 0 ||
                              lines.back().find(" bytes received ") != std::string::npos))
        lines.pop_back();
    return !lines.empty() && lines.back().empty();
}
} // namespace

class MecFaults : public MecTest,
                  public ::testing::WithParamInterface<std::tuple<const char*, Op>> {
  protected:
    void SetUp() override {
        MecTest::SetUp();
        WriteFileBytes(dir.File("in.bin"), MecPattern(196608));
    }
    Op TheOp() const { return std::get<1>(GetParam()); }
    // Runs the operation; false when it did not end (a wait without a bound).
    bool RunOp() {
        switch (TheOp()) {
        case Op::Check:
            Check();
            break;
        case Op::Read:
        case Op::ReadInfo:
            port.QueueFileAnswer(dir.File("out.bin"));
            engine->ReadClick(TheOp() == Op::ReadInfo);
            break;
        case Op::Erase:
            engine->EraseClick(false);
            break;
        case Op::Write:
            port.QueueFileAnswer(dir.File("in.bin"));
            engine->WriteClick();
            break;
        }
        auto done = std::async(std::launch::async, [this] { engine->WaitForWorker(); });
        return done.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
    }
    void StartWithFault(const std::string& fault) {
        port.ClearLog();
        Start(std::get<0>(GetParam()), R"({"faults": [)" + fault + "]}");
        ShortBounds();
    }
};

TEST_P(MecFaults, SilenceAtAnyReplyEndsTheOperation) {
    Start(std::get<0>(GetParam()));
    ASSERT_TRUE(RunOp());
    ASSERT_EQ(engine->Run().Result(), Outcome::Succeeded);
    const int replies = CountReplies(sim->Jig().Transcript());
    std::set<int> at;
    for (int k = 1; k <= std::min(replies - 1, 12); ++k)
        at.insert(k);
    for (int k : {replies / 2, replies - 3, replies - 2, replies - 1})
        if (k > 0)
            at.insert(k);

    for (int k : at) {
        SCOPED_TRACE(std::string(OpName(TheOp())) + ", silent from reply " + std::to_string(k) +
                     " of " + std::to_string(replies));
        StartWithFault(R"({"type": "silence", "afterReplies": )" + std::to_string(k) + "}");
        ASSERT_TRUE(RunOp());
        EXPECT_TRUE(NamesTheFailure(port.Lines())) << Joined(port.Lines());
        EXPECT_TRUE(EndSequenceRan(port.Lines())) << Joined(port.Lines());
    }
}

TEST_P(MecFaults, JigThatVanishesEndsTheOperation) {
    std::vector<int> at{3, 6};
    if (TheOp() == Op::Erase)
        at.push_back(8); // PCB2: among the busy polls, PCB3: the erase command
    if (TheOp() != Op::Check && TheOp() != Op::Erase)
        at.insert(at.end(), {9, 40, 100}); // the streams
    for (int k : at) {
        SCOPED_TRACE(std::string(OpName(TheOp())) + ", vanishing after reply " + std::to_string(k));
        StartWithFault(R"({"type": "vanish", "afterReplies": )" + std::to_string(k) + "}");
        ASSERT_TRUE(RunOp());
        EXPECT_EQ(engine->Run().State(), "NONE");
        EXPECT_FALSE(engine->LinkOpen());
        EXPECT_FALSE(engine->FileOpen());
        EXPECT_NE(engine->Run().Result(), Outcome::Succeeded);
        EXPECT_TRUE(NamesTheFailure(port.Lines())) << Joined(port.Lines());
    }
}

INSTANTIATE_TEST_SUITE_P(All, MecFaults,
                         ::testing::Combine(::testing::Values("pcb2-v42", "pcb3"),
                                            ::testing::Values(Op::Check, Op::Read, Op::ReadInfo,
                                                              Op::Erase, Op::Write)));
