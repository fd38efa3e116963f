// The connection check and the register frames under it, on both boards.
#include "MecRig.h"

#include "modes/Mec16xx/MecRegisters.h"
#include "modes/Mec16xx/MecTexts.h"
#include "support/RawLink.h"
#include "support/Surprises.h"

TEST_F(MecTest, Pcb2CheckOfAFreeChipShowsEverythingAndSignalsSuccess) {
    Start("pcb2-v42");
    Check();
    EXPECT_EQ(port.Lines(),
              (std::vector<std::string>{
                  kMecStamp, "Version FW -> M88_JTAG_V42  ", "получили ответ после команды 1",
                  "ID from MEC -> 0216 A445h", "REG FFFD00h -> 0016 0900h",
                  "REG FF3908h -> 0000 0000h", "REG FF3910h -> 0000 0000h",
                  "REG FF390Ch -> 0000 0000h", "--> Erase and Write allowed (FWP pin).",
                  "--> Erase and Write boot allowed.", "Close VCOM port", kMecStamp, ""}));
    EXPECT_EQ(HostText(), "B1jrFFFD00rFF3908rFF3910rFF390CI0");
    EXPECT_EQ(engine->Indicator(MecIndicator::Fwp), Mec::kLime);
    EXPECT_EQ(engine->Indicator(MecIndicator::BootLock), Mec::kLime);
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    ExpectIdle();
}

TEST_F(MecTest, Pcb3CheckOfAProtectedChipShowsBothRedAndSignalsTheError) {
    Start("pcb3", R"({"chips": {"mec": {"fwp": true, "bootLock": true}}})");
    Check();
    EXPECT_EQ(LinesFrom("REG FF390Ch -> 0000 0018h"),
              (std::vector<std::string>{
                  "REG FF390Ch -> 0000 0018h", "--> FW write protect! (FWP ножка)",
                  "--> Boot_Lock! (защита загрузочного блока)", "Close VCOM port", kMecStamp, ""}));
    EXPECT_FALSE(port.HasLine("получили ответ после команды 1"));
    // Every mode frame carries the leading 'M'; the JTAG lines are the JIG's own commands.
    EXPECT_EQ(HostText(), "BSRJXJ1MjMrFFFD00MrFF3908MrFF3910MrFF390COJ1JS");
    EXPECT_EQ(engine->Indicator(MecIndicator::Fwp), Mec::kRed);
    EXPECT_EQ(engine->Indicator(MecIndicator::BootLock), Mec::kRed);
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    EXPECT_EQ(engine->Run().FailedStep(), "FWP");
}

// Register replies the JIG spoils: byte 4 of a read is not interpreted; a short one is a lost
// register, after which the check goes on; with the status lost the indicators stay black.
TEST_F(MecTest, SpoiltRegisterRepliesInTheCheck) {
    struct Case {
        const char* board;
        const char* json;
        std::vector<std::string> lines;
        const char* absent;
        const char* failedStep;
    };
    // Replies: the version (14 bytes on a PCB2, 17 on a PCB3), the opening, the ID (4), then
    // FFFD00h from byte 19 on (PCB2).
    const Case cases[] = {
        {"pcb2-v42",
         R"({"chips": {"mec": {"regFFFD00": 305419896}},
                         "faults": [{"type": "corrupt", "replyByte": 23, "xor": 155}]})",
         {"REG FFFD00h -> 1234 5678h"},
         "Потеряна связь с MEC (I100)",
         ""},
        {"pcb2-v42",
         R"({"faults": [{"type": "drop", "replyByte": 28}]})",
         {"Потеряна связь с MEC (I101)", "REG FF3910h -> 0000 0000h",
          "--> Erase and Write boot allowed."},
         "REG FF3908h -> 0000 0000h",
         "I101"},
        {"pcb3",
         R"({"faults": [{"type": "drop", "replyByte": 40}]})",
         {"Потеряна связь с MEC (I103)"},
         "--> Erase and Write allowed (FWP pin).",
         "I103"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json);
        port.ClearLog();
        Start(c.board, c.json);
        Check();
        for (const std::string& line : c.lines)
            EXPECT_TRUE(port.HasLine(line)) << line;
        EXPECT_FALSE(port.HasLine(c.absent));
        EXPECT_EQ(engine->Run().FailedStep(), c.failedStep);
        EXPECT_EQ(engine->Run().Result(), *c.failedStep ? Outcome::Failed : Outcome::Succeeded);
        const std::string wire = HostText(); // the signal, then the release
        EXPECT_EQ(wire[wire.size() - (std::string(c.board) == "pcb3" ? 5 : 2)],
                  *c.failedStep ? 'O' : 'I');
    }
    EXPECT_EQ(engine->Indicator(MecIndicator::Fwp), Mec::kBlack);
    EXPECT_EQ(engine->Indicator(MecIndicator::BootLock), Mec::kBlack);
}

TEST_F(MecTest, Pcb3ChipAnswersOnlyWithTheCpldInItsPowerUpRouting) {
    Start("pcb3");
    std::unique_ptr<ProgrammerLink> link = OpenRawLink(sim);
    const std::string blank(4, '\xFF');
    auto id = [&] { // one JTAG session: lines taken, TAP reset, ID, lines given back
        EXPECT_EQ(Ask(*link, "JX", 1), "X");
        EXPECT_EQ(Ask(*link, "J1", 1), "1");
        const std::string answer = Ask(*link, "Mj", 4);
        EXPECT_EQ(Ask(*link, "JS", 1), "S");
        return answer;
    };
    EXPECT_EQ(id(), blank); // no RESET_ALTERA since power-up
    EXPECT_EQ(Ask(*link, "SR", 1), "R");
    EXPECT_EQ(id(), "\x02\x16\xA4\x45");
    EXPECT_EQ(Ask(*link, std::string("SW\x40\x05", 4), 1), "W"); // a read-back contact
    EXPECT_EQ(id(), blank);
    link.reset();
    Check(); // the check resets the CPLD first
    EXPECT_TRUE(port.HasLine("ID from MEC -> 0216 A445h"));
}

TEST_F(MecTest, NoProgrammerEndsTheCheckAtOnce) {
    Start("pcb3", R"({"devices": []})");
    Check();
    EXPECT_EQ(port.Lines(),
              (std::vector<std::string>{kMecStamp, "VCOM port is not found on the machine!"}));
    EXPECT_EQ(engine->Run().Result(), Outcome::NoJig);
    ExpectIdle();
}

// No button acts while an operation runs (their state is the only guard); idle, HELP lists the
// wiring and STOP and EXIT lets the window go.
TEST_F(MecTest, HelpAndTheOtherButtonsActOnlyWhileIdle) {
    Start("pcb2-v42");
    port.onGauge = [&](int block) {
        if (block != 10)
            return;
        const std::size_t before = port.Lines().size();
        engine->CheckClick();
        engine->EraseClick(false);
        engine->ReadClick(false);
        engine->WriteClick();
        engine->HelpClick();
        EXPECT_EQ(port.Lines().size(), before);
        EXPECT_EQ(engine->Run().State(), "READ_MAIN");
    };
    Read(dir.File("main.bin"));
    port.onGauge = nullptr;
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(port.Dialogs().size(), 1u);
    EXPECT_EQ(Chip().Erases(), 0);

    port.ClearLog();
    engine->HelpClick();
    const auto lines = port.Lines();
    ASSERT_GE(lines.size(), 16u);
    EXPECT_EQ(lines.front(), "Распиновка для расширенной версии (PCB2):");
    EXPECT_EQ(lines[1], "1-JRST mec16 (не обязательно!)");
    EXPECT_EQ(lines.back(), "Не тестировалось с MEC1619 - могут быть проблемы с записью.");
    EXPECT_TRUE(port.HasLine("Для MBX-237 нужно посадить на землю VCI_IN1(F4)."));
    EXPECT_TRUE(engine->StopExitClick());
}

// No chip answers: its registers would read as all ones and look like both protection bits.
TEST_F(MecTest, AMissingChipIsSaidSoAndNoProtectionIsJudged) {
    Start("pcb2-v42", R"({"chips": {"mec": {"connected": false}}})");
    Check();
    EXPECT_EQ(LinesFrom("ID from MEC -> FFFF FFFFh"),
              (std::vector<std::string>{"ID from MEC -> FFFF FFFFh", kMecNoChipLine,
                                        "Close VCOM port", kMecStamp, ""}));
    EXPECT_EQ(HostText(), "B1jO0"); // no register read
    EXPECT_EQ(engine->Indicator(MecIndicator::Fwp), Mec::kBlack);
    EXPECT_EQ(engine->Run().FailedStep(), "no chip");
    engine->EraseClick(false);
    engine->WaitForWorker();
    EXPECT_TRUE(port.HasLine(kMecNoChipLine));
    EXPECT_FALSE(port.HasLine("--> FW write protect! (FWP ножка)"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    EXPECT_EQ(engine->Run().FailedStep(), "no chip");
}

// A reply after its bound, or one byte too many, must not be read as the next register's.
TEST_F(MecTest, ALateOrLongRegisterReplyShiftsNoLaterOne) {
    // Replies: version (14 bytes), '1', the ID (4), then FFFD00h from byte 19 on.
    Start("pcb2-v42", R"({"chips": {"mec": {"fwp": true, "bootLock": true}},
                          "faults": [{"type": "delay", "replyByte": 19, "ms": 450}]})");
    MecBounds bounds;
    bounds.registerReply = Millis(300);
    engine->SetBounds(bounds);
    Check();
    EXPECT_TRUE(port.HasLine("A late answer from the JIG was dropped (register read: 5 bytes)"));
    EXPECT_TRUE(port.HasLine("REG FF390Ch -> 0000 0018h"));
    EXPECT_EQ(engine->Indicator(MecIndicator::Fwp), Mec::kRed);
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);

    port.ClearLog();
    Start("pcb2-v42", R"({"chips": {"mec": {"fwp": true, "surplusRegister": 16726280}}})");
    Check();
    EXPECT_TRUE(port.HasLine("REG FF390Ch -> 0000 0010h"));
    EXPECT_TRUE(port.HasLine("--> FW write protect! (FWP ножка)"));
    EXPECT_FALSE(port.HasLine("REG FF3908h -> 0000 0000h"));
    EXPECT_EQ(engine->Run().FailedStep(), "I101");
}

// INFO is erased only when the technician agrees: nothing writes it back.
TEST_F(MecTest, ErasingInfoNeedsAYes) {
    Start("pcb3");
    port.QueueYesNo(false);
    engine->EraseClick(true);
    engine->WaitForWorker();
    EXPECT_EQ(port.Messages().back(), Mec::kEraseInfoQuestion);
    EXPECT_TRUE(port.HasLine("INFO is not erased: the erase was not confirmed."));
    EXPECT_EQ(HostText(), "");
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    port.QueueYesNo(true);
    engine->EraseClick(true);
    engine->WaitForWorker();
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
}

// The controller takes its registers only in their order, and a stream or an erase only once
// armed: each of these, which a looser controller let pass, is a surprise and gets no answer.
TEST(MecSim, RegisterAccessOutOfItsOrderIsASurprise) {
    const std::string open = "wFF391000000001", read = "wFF390800000105";
    const std::string end = "wFF390800000100", idle = "wFF390800000000";
    struct Case {
        std::vector<std::string> before; // each answered
        std::string frame;
        const char* why;
    };
    const Case cases[] = {
        {{}, read, "a flash mode before FF3910h = 1"},
        {{open}, "R000000", "read stream start without"},
        {{open, "wFF390800000106"}, "W", "write stream start without"},
        {{open, read}, "wFF390400F80000", "107h (erase)"},
        {{open}, end, "100h without a flash mode to end"},
        {{open, read}, idle, "FF3908h = 0 before FF3908h = 100h"},
        {{open, read}, "wFF391000000000", "FF3910h = 0 before"},
        {{open, read}, "wFF390800000107", "over one that FF3908h = 100h did not end"},
        {{open, read, end, idle}, open, "still open"},
        {{open, read, "R000000"}, "XR000000", "read stream start without"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frame + " after " + std::to_string(c.before.size()) + " frames");
        auto sim = MakeSim("pcb2-v42");
        auto link = OpenRawLink(sim);
        ASSERT_EQ(Ask(*link, "1", 1), "1"); // the TAP reset every session starts with
        for (const std::string& f : c.before) {
            const std::size_t want = f[0] == 'R' ? 1025 : 1;
            std::size_t got = Ask(*link, f, want).size();
            while (got < want) // a block may come in more than one piece
                got += Ask(*link, "", 1).size();
            ASSERT_EQ(got, want) << f;
        }
        EXPECT_EQ(Ask(*link, c.frame, 1, Millis(150)), "<timed out>");
        const std::vector<SimSurprise> s = TakeSurprises();
        ASSERT_EQ(s.size(), 1u) << DescribeSurprises(s);
        EXPECT_NE(s[0].step.find(c.why), std::string::npos) << s[0].Describe();
    }
}
