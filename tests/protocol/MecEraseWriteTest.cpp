// ERASE and WRITE on both boards: the protection they honour, the busy poll, the 256-byte
// stream with a short last block, and a flash that only takes an erased block.
#include "MecRig.h"
#include "support/Refusal.h"

namespace {
std::string Registers(const std::string& m, std::initializer_list<const char*> frames) {
    std::string text;
    for (const char* f : frames)
        text += m + f;
    return text;
}
} // namespace

class MecEraseWriteBoards : public MecTest, public ::testing::WithParamInterface<const char*> {
  protected:
    bool Pcb3() const { return std::string(GetParam()) == "pcb3"; }
    std::string M() const { return Pcb3() ? "M" : ""; }
    std::string Opening() const { return Pcb3() ? "SRJXJ1Mj" : "1j"; }
    std::string Release() const { return Pcb3() ? "J1JS" : "0"; }
};

TEST_P(MecEraseWriteBoards, EraseOfMainPollsTheBusyBitAndLeavesInfo) {
    Start(GetParam());
    const auto before = Chip().Image();
    Erase();

    const auto image = Chip().Image();
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.begin() + SimMec16xx::kMainSize),
              std::vector<std::uint8_t>(SimMec16xx::kMainSize, 0xFF));
    EXPECT_TRUE(std::equal(image.begin() + SimMec16xx::kMainSize, image.end(),
                           before.begin() + SimMec16xx::kMainSize));
    std::vector<std::string> expected{kMecStampRu};
    if (!Pcb3())
        expected.push_back("получили ответ после команды 1");
    for (const char* line :
         {"Получен ID от MEC16 -> 0216 A445h", "Регистр FF390Ch -> 0000 0000h",
          "--> Стирание и запись разрешена (FWP ножка)",
          "--> Стирание и запись загрузочного блока разрешена", "Записали в регистр FF3910h 1",
          "Записали в регистр FF3908h 107h", "Отправили команду стирания.",
          "Стирание завершено успешно.", "Записали в регистр FF3908h 100h",
          "Записали в регистр FF3908h 0", "Записали в регистр FF3910h 0", "Закрыли VCOM порт"})
        expected.push_back(line);
    expected.insert(expected.end(), {kMecStampRu, ""});
    std::vector<std::string> lines = port.Lines();
    lines.erase(lines.begin() + 1); // the version line
    EXPECT_EQ(lines, expected);

    // Two status reads find it busy, the third clear.
    EXPECT_EQ(HostText(),
              "B" + Opening() +
                  Registers(M(), {"rFF390C", "wFF391000000001", "wFF390800000107",
                                  "wFF390400F80000", "rFF390C", "rFF390C", "rFF390C",
                                  "wFF390800000100", "wFF390800000000", "wFF391000000000"}) +
                  "I" + Release());
    EXPECT_EQ(engine->Indicator(MecIndicator::Fwp), Mec::kLime);
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    ExpectIdle();

    // With INFO: its own argument, and the whole flash blank.
    const std::size_t wireBefore = HostBytes().size();
    Erase(true);
    EXPECT_EQ(Chip().Image(), std::vector<std::uint8_t>(SimMec16xx::kImageSize, 0xFF));
    EXPECT_NE(HostText().find(M() + "wFF390400FC0000", wireBefore), std::string::npos);
    EXPECT_EQ(HostText().find("F80000", wireBefore), std::string::npos);
}

// MAIN followed by INFO, as a read with INFO saves it: MAIN goes in, INFO stays as it was.
TEST_P(MecEraseWriteBoards, WriteOfAFullFileSends768BlocksAndEndsWithX) {
    Start(GetParam());
    const std::string image = MecPattern(198656);
    WriteFileBytes(dir.File("in.bin"), image);
    const auto infoBefore = Chip().Image();
    Erase();
    port.ClearLog();
    const std::size_t wireBefore = HostBytes().size();
    Write(dir.File("in.bin"));

    EXPECT_EQ(Main(), std::vector<std::uint8_t>(image.begin(), image.begin() + 196608));
    const auto after = Chip().Image();
    EXPECT_TRUE(std::equal(after.begin() + SimMec16xx::kMainSize, after.end(),
                           infoBefore.begin() + SimMec16xx::kMainSize));
    std::string wire = HostText().substr(wireBefore);
    std::string expected =
        "B" + Opening() +
        Registers(M(), {"rFF390C", "wFF391000000001", "wFF390800000106", "wFF390400000000"}) + M() +
        "W";
    for (int block = 0; block < 768; ++block)
        expected +=
            image.substr(static_cast<std::size_t>(block) * 256, 256) + (block == 767 ? "X" : "N");
    expected +=
        Registers(M(), {"wFF390800000100", "wFF390800000000", "wFF391000000000"}) + "I" + Release();
    EXPECT_TRUE(wire == expected) << "the write's wire differs";

    std::vector<std::string> tail{"Write FLASH complete.",
                                  "Write to reg FF3908h 100h",
                                  "Write to reg FF3908h 0",
                                  "Write to reg FF3910h 0",
                                  "Close VCOM port",
                                  kMecStamp,
                                  ""};
    EXPECT_EQ(LinesFrom("Write FLASH complete."), tail);
    for (const char* line : {"Записываем в файл: ", "Выбрана запись только MAIN блока",
                             "Начали запись MEC16 main block ...",
                             "Получен ID от MEC16 -> 0216 A445h", "Записали в регистр FF3910h 1",
                             "Записали в регистр FF3908h 106h", "Записали в регистр FF3904h 0"})
        EXPECT_TRUE(port.HasLine(line)) << line;
    EXPECT_FALSE(port.HasLine("-> Предупреждение!"));
    EXPECT_EQ(port.Gauge(), 768);
    EXPECT_EQ(port.GaugeMax(), 768);
    EXPECT_EQ(port.GaugeColour(), Mec::kRed);
    const auto dialogs = port.Dialogs();
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs.back().title, "Укажите файл за заливки.");
    EXPECT_EQ(dialogs.back().filter, "BIN файл MEC16 (*.bin)|*.bin|Другие|*.*");
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    ExpectIdle();
}

INSTANTIATE_TEST_SUITE_P(Boards, MecEraseWriteBoards, ::testing::Values("pcb2-v42", "pcb3"));

namespace {
const std::string kUnchanged = "The chip is unchanged. No backup was taken.";
} // namespace

TEST_F(MecTest, ShortFileIsPaddedAndEndsAfterItsLastBlock) {
    Start("pcb2-v42");
    const std::string image = MecPattern(1000);
    WriteFileBytes(dir.File("short.bin"), image);
    Erase();
    const std::size_t wireBefore = HostBytes().size();
    Write(dir.File("short.bin"));

    const std::string wire = HostText().substr(wireBefore);
    const std::string lastBlock = image.substr(768) + std::string(24, '\xFF');
    const std::string expectedTail = image.substr(0, 256) + "N" + image.substr(256, 256) + "N" +
                                     image.substr(512, 256) + "N" + lastBlock + "X" +
                                     "wFF390800000100wFF390800000000wFF391000000000" +
                                     "0I"; // the lines given back, or the next ID read is refused
    ASSERT_GE(wire.size(), expectedTail.size());
    EXPECT_TRUE(wire.substr(wire.size() - expectedTail.size()) == expectedTail);
    EXPECT_EQ(LinesFrom("-> Предупреждение!"),
              (std::vector<std::string>{"-> Предупреждение!", "-> Записываемый файл короче!",
                                        "Write to reg FF3908h 100h", "Write to reg FF3908h 0",
                                        "Write to reg FF3910h 0", kMecStamp, ""}));
    EXPECT_FALSE(port.HasLine("Write FLASH complete."));
    std::vector<std::uint8_t> expected(SimMec16xx::kMainSize, 0xFF);
    std::copy(image.begin(), image.end(), expected.begin());
    EXPECT_EQ(Main(), expected);
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    ExpectIdle();
}

// The JIG reads each block back: a write without an erase stops at its first block, where
// programming only cleared bits, and never says it succeeded.
TEST_F(MecTest, WriteWithoutEraseFailsAtItsFirstBlock) {
    Start("pcb3");
    const auto before = Main();
    const std::string image = MecPattern(196608, 3);
    WriteFileBytes(dir.File("in.bin"), image);
    Write(dir.File("in.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    EXPECT_EQ(engine->Run().FailedStep(), "W103");
    const auto after = Main();
    for (std::size_t i = 0; i < 256; ++i)
        ASSERT_EQ(after[i], before[i] & static_cast<std::uint8_t>(image[i])) << i;
    EXPECT_TRUE(std::equal(after.begin() + 256, after.end(), before.begin() + 256));
}

TEST_F(MecTest, ProtectedFlashGetsNoRegisterWrite) {
    for (const char* protection : {R"({"fwp": true})", R"({"bootLock": true})"}) {
        port.ClearLog();
        Start("pcb2-v42", std::string(R"({"chips": {"mec": )") + protection + "}}");
        const auto before = Chip().Image();
        Erase();
        EXPECT_EQ(HostText(), "B1jrFF390CO0") << protection;
        EXPECT_EQ(LinesFrom("--> Каманда стирания отменена."),
                  (std::vector<std::string>{"--> Каманда стирания отменена.", "Закрыли VCOM порт",
                                            kMecStampRu, "", kUnchanged}));
        EXPECT_EQ(engine->Run().Result(), Outcome::Failed);

        WriteFileBytes(dir.File("in.bin"), MecPattern(196608));
        const std::size_t wireBefore = HostBytes().size();
        port.ClearLog();
        Write(dir.File("in.bin"));
        EXPECT_EQ(HostText().substr(wireBefore), "B1jrFF390CO0") << protection;
        EXPECT_EQ(LinesFrom("--> Команда записи отменена (nFWP или BOOT_LOCK)"),
                  (std::vector<std::string>{"--> Команда записи отменена (nFWP или BOOT_LOCK)",
                                            "Закрыли VCOM порт", kMecStampRu, "", kUnchanged}));
        EXPECT_EQ(engine->Run().ChipState(), kUnchanged);
        EXPECT_EQ(Chip().Image(), before);
    }
    EXPECT_TRUE(port.HasLine("--> Стоит Boot_Lock ! (защита загрузочного блока)"));
    EXPECT_EQ(engine->Indicator(MecIndicator::BootLock), Mec::kRed);
    EXPECT_EQ(engine->Indicator(MecIndicator::Fwp), Mec::kLime);
}

TEST_F(MecTest, EraseIsNotSentWithoutAStatus) {
    // Replies: version (14), '1', ID (4); the status read is bytes 19..23.
    Start("pcb2-v42", R"({"faults": [{"type": "drop", "replyByte": 21}]})");
    Erase();
    EXPECT_EQ(
        LinesFrom("Потеряна связь с MEC16 (E100)"),
        (std::vector<std::string>{"Потеряна связь с MEC16 (E100)", "--> Каманда стирания отменена.",
                                  "Закрыли VCOM порт", kMecStampRu, "", kUnchanged}));
    EXPECT_EQ(HostText(), "B1jrFF390CO0");
    EXPECT_EQ(engine->Run().FailedStep(), "E100");
    EXPECT_EQ(engine->Indicator(MecIndicator::Fwp), Mec::kBlack);
}

TEST_F(MecTest, ChipStuckBusyEndsTheEraseAtItsBound) {
    Start("pcb2-v42", R"({"chips": {"mec": {"stuckBusy": true}}})");
    ShortBounds();
    Erase();
    EXPECT_EQ(LinesFrom("Потеряна связь с MEC16 (E104)"),
              (std::vector<std::string>{
                  "Потеряна связь с MEC16 (E104)",
                  "Timeout: the MEC16 was still erasing after 300 ms (busy poll of FF390Ch)",
                  "Закрыли VCOM порт", kMecStampRu, "",
                  "The chip may be partly erased. No backup was taken."}));
    EXPECT_EQ(engine->Indicator(MecIndicator::Fwp), Mec::kRed);
    EXPECT_FALSE(port.HasLine("Стирание завершено успешно."));
    const std::string wire = HostText();
    EXPECT_EQ(wire.substr(wire.size() - 8), "rFF390C0"); // no end writes, no signal
    EXPECT_EQ(engine->Run().FailedStep(), "E104");
}

TEST_F(MecTest, LostEraseStepEndsTheErase) {
    // Replies: version (17), 'R', 'X', '1', ID (4), status (5), FF3910h: the acknowledgement
    // of FF3908h = 107h is byte 30, and comes back as 02h.
    Start("pcb3", R"({"faults": [{"type": "corrupt", "replyByte": 30, "xor": 3}]})");
    Erase();
    EXPECT_EQ(LinesFrom("Потеряна связь с MEC16 (E102)"),
              (std::vector<std::string>{"Потеряна связь с MEC16 (E102)", "Закрыли VCOM порт",
                                        kMecStampRu, "", kUnchanged}));
    EXPECT_EQ(HostText().find("FF3904"), std::string::npos);
    EXPECT_EQ(HostText().substr(HostText().size() - 4), "J1JS");
}

TEST_F(MecTest, BlockTheChipDoesNotTakeBreaksTheWrite) {
    Start("pcb3", R"({"chips": {"mec": {"badStatusAtBlock": 7}}})");
    WriteFileBytes(dir.File("in.bin"), MecPattern(196608));
    Erase();
    Write(dir.File("in.bin"));
    EXPECT_EQ(LinesFrom("Потеряна связь с MEC16 (W103)"),
              (std::vector<std::string>{
                  "Потеряна связь с MEC16 (W103)", "Write to reg FF3908h 100h",
                  "Write to reg FF3908h 0", "Write to reg FF3910h 0", kMecStamp, "",
                  "The chip is partly written (blocks 1 to 6 of 768; block 7 of 768 went out "
                  "unconfirmed). No backup was taken."}));
    EXPECT_EQ(engine->Indicator(MecIndicator::BootLock), Mec::kRed);
    const std::string tail = "XMwFF390800000100MwFF390800000000MwFF391000000000JSO";
    EXPECT_EQ(HostText().substr(HostText().size() - tail.size()), tail);
    EXPECT_EQ(port.Gauge(), 7);
    EXPECT_EQ(engine->Run().FailedStep(), "W103");
}

TEST_F(MecTest, LastShortBlockThatDoesNotTakeIsAFailedWrite) {
    Start("pcb2-v42", R"({"chips": {"mec": {"badStatusAtBlock": 4}}})");
    WriteFileBytes(dir.File("short.bin"), MecPattern(1000));
    Erase();
    Write(dir.File("short.bin"));
    EXPECT_TRUE(port.HasLine("Потеряна связь с MEC16 (W102)"));
    EXPECT_EQ(HostText().back(), 'O');
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    EXPECT_EQ(engine->Run().FailedStep(), "W102");
}

TEST_F(MecTest, WriteStartRefusals) {
    Start("pcb2-v42", R"({"chips": {"mec": {"id": 4294967295}}})");
    WriteFileBytes(dir.File("in.bin"), MecPattern(196608));
    Write(dir.File("in.bin"));
    EXPECT_EQ(LinesFrom("Получен ID от MEC16 -> FFFF FFFFh"),
              (std::vector<std::string>{"Получен ID от MEC16 -> FFFF FFFFh",
                                        "Неверный ID. Операция прервана!", "Закрыли VCOM порт",
                                        kMecStampRu, "", kUnchanged}));
    EXPECT_EQ(HostText(), "B1jO0");

    port.ClearLog();
    Start("pcb2-v42");
    port.QueueFileAnswer(std::nullopt);
    engine->WriteClick();
    EXPECT_EQ(LinesFrom("Операция записи прервана"),
              (std::vector<std::string>{"Операция записи прервана", "Закрыли VCOM порт"}));
    EXPECT_EQ(HostText(), "BO");
}

// An image that cannot be written as it is never gets near the chip: not even the JTAG
// connection is opened, so nothing is erased or programmed. One image that is read and refused
// and one that cannot be had: the other reasons are LoadImageToWrite's.
TEST_F(MecTest, RefusedImagesSendNothingTowardsTheChip) {
    Start("pcb2-v42");
    WriteFileBytes(dir.File("large.bin"), MecPattern(198657));
    const std::vector<std::pair<std::string, std::string>> refused{
        {dir.File("large.bin"), "larger than the 198656 bytes the chip takes"},
        {dir.Path(), "a folder, not a file"}};
    for (const auto& [path, reason] : refused) {
        SCOPED_TRACE(path);
        port.ClearLog();
        const std::size_t wireBefore = HostBytes().size();
        Write(path);
        EXPECT_EQ(HostText().substr(wireBefore), "BO");
        ASSERT_FALSE(LinesFrom("Ошибка открытия файла").empty());
        EXPECT_EQ(LinesFrom("Ошибка открытия файла")[1].rfind(path + ": ", 0), 0u)
            << LinesFrom("Ошибка открытия файла")[1];
        EXPECT_NE(LinesFrom("Ошибка открытия файла")[1].find(reason), std::string::npos)
            << LinesFrom("Ошибка открытия файла")[1];
        EXPECT_EQ(engine->Run().Result(), RefusalFor(reason));
        EXPECT_EQ(engine->Run().ChipState(), "The chip is unchanged. No backup was taken.");
    }
    EXPECT_EQ(Chip().Erases(), 0);
}
