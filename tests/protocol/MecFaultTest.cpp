// MEC16xx operations against a JIG that falls silent at one of its waits: each ends as a
// failure within its bounds, with the lines that name what it waited for (the fault matrix
// sweeps every reply, silent or vanishing, for the end states, the end sequence and a line
// naming the failed step).
#include "MecRig.h"

#include <future>

namespace {
enum class Op { Check, Read, ReadInfo, Erase, Write };

const char* OpName(Op op) {
    constexpr const char* names[] = {"check", "read", "read --info", "erase", "write"};
    return names[static_cast<int>(op)];
}

struct SilentCase {
    const char* board;
    Op op;
    int afterReplies;
    std::vector<std::string> lines; // from the first of them to the end
    std::string failedStep;
    std::string wire = ""; // all the host sent, when checked
};

const std::string kUnchanged = "The chip is unchanged. No backup was taken.";

// Replies, PCB2: the version, '1', the ID, then one per register access; a write's stream has a
// request and a 'G' per block. PCB3 opens with four named commands instead of '1'.
const std::vector<SilentCase>& SilentCases() {
    const std::string stamp = kMecStamp, stampRu = kMecStampRu;
    // clang-format off
    static const std::vector<SilentCase> cases{
        {"pcb2-v42", Op::Check, 1,
         {"Version FW -> M88_JTAG_V42  ", "Timeout: no answer from the JIG (answer to JTAG_RESET)",
          "Потеряна связь с MEC (I100)", "Потеряна связь с MEC (I101)",
          "Потеряна связь с MEC (I102)", "Потеряна связь с MEC (I103)", "Close VCOM port", stamp,
          ""},
         "answer to JTAG_RESET",
         "B1O0"}, // nothing more was waited for: the error signal and the release went out
        {"pcb2-v42", Op::Check, 2,
         {"получили ответ после команды 1", "Timeout: no answer from the JIG (answer to ID_READ)",
          "ID готово 4 байта но сняли меньше ОШИБКА", "Потеряна связь с MEC (I100)",
          "Потеряна связь с MEC (I101)", "Потеряна связь с MEC (I102)",
          "Потеряна связь с MEC (I103)", "Close VCOM port", stamp, ""}, "answer to ID_READ"},
        {"pcb2-v42", Op::Read, 3,
         {"ID from MEC -> 0216 A445h", "Потеряна связь с MEC (R100)", "Close VCOM port", stamp, ""},
         "R100"},
        {"pcb3", Op::ReadInfo, 202,
         {"Timeout: no answer from the JIG (INFO block 2 of 2)",
          "Lost communication with MEC (P109).", "Close VCOM port", stamp, "",
          "The 197632 bytes received are kept in {out}.partial; {out} is unchanged."},
         "INFO block 2 of 2"},
        {"pcb2-v42", Op::Erase, 7,
         {"Отправили команду стирания.", "Потеряна связь с MEC16 (E104)", "Закрыли VCOM порт",
          stampRu, "", "The chip may be partly erased. No backup was taken."}, "E104"},
        {"pcb3", Op::Erase, 6,
         {"--> Стирание и запись загрузочного блока разрешена", "Потеряна связь с MEC16 (E101)",
          "Timeout: no answer from the JIG (answer to JTAG_RESET)", "Закрыли VCOM порт",
          stampRu, "", kUnchanged}, "E101"},
        {"pcb2-v42", Op::Write, 3,
         {"Получен ID от MEC16 -> 0216 A445h", "Потеряна связь с MEC16 (TW001)",
          "Закрыли VCOM порт", stampRu, "", kUnchanged}, "TW001"},
        {"pcb2-v42", Op::Write, 25,
         {"Timeout: no answer from the JIG (request for block 10 of 768)",
          "Потеряна связь с MEC16 (W103)", stamp, "",
          "The chip is partly written (blocks 1 to 9 of 768). No backup was taken."},
         "request for block 10 of 768"},
        {"pcb3", Op::Write, 10,
         {"Timeout: no answer from the JIG (answer to block 1 of 768)",
          "Потеряна связь с MEC16 (W103)", stamp, "", "The chip may be partly written (block 1 of "
          "768 went out unconfirmed). No backup was taken."}, "answer to block 1 of 768"},
    };
    // clang-format on
    return cases;
}
} // namespace

class MecFaults : public MecTest {
  protected:
    // A JIG with an erased MAIN (so that a write takes) and `fault`, and short bounds.
    void StartWithFault(const std::string& board, const std::string& fault) {
        port.ClearLog();
        WriteFileBytes(dir.File("chip.bin"), std::string(SimMec16xx::kImageSize, '\xFF'));
        WriteFileBytes(dir.File("in.bin"), MecPattern(SimMec16xx::kMainSize));
        Start(board, R"({"chips": {"mec": {"file": ")" + dir.File("chip.bin") +
                         R"("}}, "faults": [)" + fault + "]}");
        ShortBounds();
    }
    // Runs `op`; false when it did not end (a wait without a bound).
    bool RunOp(Op op) {
        switch (op) {
        case Op::Check:
            Check();
            break;
        case Op::Read:
        case Op::ReadInfo:
            port.QueueFileAnswer(dir.File("out.bin"));
            engine->ReadClick(op == Op::ReadInfo);
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
};

TEST_F(MecFaults, SilenceAtAWaitEndsTheOperationWithItsLines) {
    for (const SilentCase& c : SilentCases()) {
        SCOPED_TRACE(std::string(OpName(c.op)) + " on " + c.board + ", silent after reply " +
                     std::to_string(c.afterReplies));
        StartWithFault(c.board, R"({"type": "silence", "afterReplies": )" +
                                    std::to_string(c.afterReplies) + "}");
        ASSERT_TRUE(RunOp(c.op));
        std::vector<std::string> lines = c.lines;
        for (std::string& l : lines)
            for (std::size_t at; (at = l.find("{out}")) != std::string::npos;)
                l.replace(at, 5, dir.File("out.bin"));
        EXPECT_EQ(LinesFrom(lines.front()), lines);
        EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
        EXPECT_EQ(engine->Run().FailedStep(), c.failedStep);
        if (!c.wire.empty()) {
            EXPECT_EQ(HostText(), c.wire);
        }
    }
}
