// EDID_READ and EDID_WRITE against the simulated JIG: files, log lines and the wire.
#include "link/OpenProgrammerLink.h"
#include "modes/Edid/EdidEngine.h"
#include "modes/Edid/EdidImage.h"
#include "modes/Edid/PnpIds.h"
#include "sim/chips/EdidEeprom.h"
#include "support/EdidSamples.h"
#include "support/RecordingPort.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <thread>

namespace {

using Bytes = std::vector<std::uint8_t>;

template <std::size_t N> std::string AsString(const std::array<std::uint8_t, N>& a) {
    return std::string(a.begin(), a.end());
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

class EdidProtocolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        PnpIds::SetPath(dir.File("no-list"));
        WriteFileBytes(panelFile, AsString(EdidSamples::kDesktopMonitor));
    }
    void TearDown() override { PnpIds::SetPath(PnpIds::DefaultPath()); }

    // The scenario's EEPROM is the panel file; `more` adds to chips.edid, `faults` to the top.
    std::shared_ptr<SimFtdiApi> Sim(const std::string& board, const std::string& more = "",
                                    const std::string& faults = "") {
        std::string json = R"({"chips": {"edid": {"file": ")" + panelFile + "\"" + more + "}}";
        if (!faults.empty())
            json += R"(, "faults": [)" + faults + "]";
        return MakeSim(board, json + "}");
    }
    static Bytes Eeprom(SimFtdiApi& sim) {
        return dynamic_cast<SimEdidEeprom*>(sim.Jig().Module("edid"))->Contents();
    }
    static std::vector<std::string> Slice(const std::vector<std::string>& v, std::size_t from,
                                          std::size_t count) {
        return {v.begin() + static_cast<long>(from), v.begin() + static_cast<long>(from + count)};
    }

    // A read or a write on a fresh JIG of `board`, its link kept to look at.
    Outcome Run(bool write, const std::string& board, const std::string& more = "",
                const std::string& faults = "") {
        sim = Sim(board, more, faults);
        link = std::make_unique<ProgrammerLink>(sim);
        return write ? EdidWrite(*link, port) : EdidRead(*link, port);
    }
    Outcome Read(const std::string& board, const std::string& more = "",
                 const std::string& faults = "") {
        return Run(false, board, more, faults);
    }
    Outcome Write(const std::string& board, const std::string& more = "",
                  const std::string& faults = "") {
        return Run(true, board, more, faults);
    }
    Bytes Wire() const { return sim->Jig().BytesToJig(); }
    // A file of `bytes` that the next file dialog answers with.
    std::string Offer(const std::string& name, const std::string& bytes) {
        WriteFileBytes(dir.File(name), bytes);
        port.QueueFileAnswer(dir.File(name));
        return dir.File(name);
    }

    TempDir dir;
    const std::string panelFile = dir.File("panel.bin");
    const Bytes monitor{EdidSamples::kDesktopMonitor.begin(), EdidSamples::kDesktopMonitor.end()};
    RecordingPort port;
    std::shared_ptr<SimFtdiApi> sim;
    std::unique_ptr<ProgrammerLink> link;
};

const std::vector<std::string> kPcb3Open{"Number of VCOM ports found on the machine: 1",
                                         "Version FW -> M328_EPM240_v16  ",
                                         "Communication with programmer installed."};

} // namespace

// The JIG's reply carries bytes beyond its 258: they are no part of the image.
TEST_F(EdidProtocolTest, ReadShowsDumpAndSummarySavesTheFileAndSignalsSuccess) {
    const std::string out = dir.File("out.bin");
    port.QueueFileAnswer(out);
    EXPECT_EQ(Read("pcb3", R"(, "extraReplyBytes": 700)"), Outcome::Succeeded);
    EXPECT_FALSE(link->IsOpen());
    EXPECT_EQ(ReadFileText(out), AsString(EdidSamples::kDesktopMonitor));
    EXPECT_EQ(Wire(), (Bytes{'B', 'E', 'r', 'I'}));

    const std::vector<std::string> lines = port.Lines();
    ASSERT_GE(lines.size(), 26u);
    EXPECT_EQ(Slice(lines, 0, 3), kPcb3Open);
    EXPECT_EQ(Slice(lines, 3, 3),
              (std::vector<std::string>{"Reading EEPROM ...",
                                        "Reading from the EEPROM is completed successfully.", ""}));
    EXPECT_EQ(lines[6], "00: 00 FF FF FF FF FF FF 00 10 AC 7A A0 4C 33 32 30 ..........z.L320");
    EXPECT_EQ(lines[22], "");
    EXPECT_EQ(lines[23], "EDID at a glance:");
    EXPECT_TRUE(port.HasLine("  Monitor name: DELL U2412M"));
    EXPECT_EQ(lines.back(), "Save the file: " + out);

    ASSERT_EQ(port.Dialogs().size(), 1u);
    const FileDialogSpec spec = port.Dialogs()[0];
    EXPECT_EQ(spec.title, "Укажите имя файла для сохранения.");
    EXPECT_EQ(spec.filter, "BIN файлы EEPROM (*.bin)|*.bin");
    EXPECT_EQ(spec.initialName, "Noname");
    EXPECT_TRUE(spec.confirmOverwrite);
}

// A failed read asks for no file and leaves an older one alone; a good one replaces it whole.
TEST_F(EdidProtocolTest, SilentEepromOnReadSignalsFailureAndAsksNoFile) {
    const std::string out = dir.File("old.bin");
    WriteFileBytes(out, std::string(300, 'x'));
    EXPECT_EQ(Read("pcb3", R"(, "panel": false)"), Outcome::Failed);
    EXPECT_FALSE(link->IsOpen());
    const std::vector<std::string> lines = port.Lines();
    EXPECT_EQ(Slice(lines, 3, lines.size() - 3),
              (std::vector<std::string>{"Reading EEPROM ...",
                                        "EEPROM does not respond, check the connection !!!", ""}));
    EXPECT_TRUE(port.Dialogs().empty());
    EXPECT_EQ(Wire(), (Bytes{'B', 'E', 'r', 'O'}));
    EXPECT_EQ(ReadFileText(out), std::string(300, 'x'));

    port.QueueFileAnswer(out);
    EXPECT_EQ(Read("pcb3"), Outcome::Succeeded);
    EXPECT_TRUE(ReadFileText(out) == AsString(EdidSamples::kDesktopMonitor));
    EXPECT_FALSE(std::filesystem::exists(out + ".partial"));
}

TEST_F(EdidProtocolTest, UnknownStatusPairIsReportedWithoutASignal) {
    // 17 bytes of version answer come first; the status pair starts 256 bytes later.
    EXPECT_EQ(Read("pcb3", "", R"({"type": "corrupt", "replyByte": 273, "xor": 1})"),
              Outcome::Failed);
    EXPECT_EQ(port.Lines().back(), "Unknown answer of the programmer after reading: 4E 4B.");
    EXPECT_TRUE(port.Dialogs().empty());
    EXPECT_EQ(Wire(), (Bytes{'B', 'E', 'r'}));
}

// Silence at the data of a read (after the version answer) and at the status of a write (after
// the ready byte too): the line names the wait and what came, and the failure signal goes out.
TEST_F(EdidProtocolTest, SilenceEndsTheOperationNamingTheWait) {
    for (const bool write : {false, true}) {
        Offer("laptop.bin", AsString(EdidSamples::kLaptopPanel));
        EXPECT_EQ(Run(write, "pcb3", "",
                      write ? R"({"type": "silence", "afterReplies": 2})"
                            : R"({"type": "silence", "afterReplies": 1})"),
                  Outcome::Failed);
        EXPECT_FALSE(link->IsOpen());
        const std::vector<std::string> lines = port.Lines();
        EXPECT_EQ(Slice(lines, lines.size() - 2, 2),
                  (std::vector<std::string>{
                      write ? "Writing EEPROM, waiting for the status: no answer from the "
                              "programmer within 3 s (0 of 2 bytes)."
                            : "Reading EEPROM: no answer from the programmer within 3 s (0 of 258 "
                              "bytes).",
                      ""}));
        EXPECT_EQ(Wire().back(), 'O');
        if (!write) {
            EXPECT_EQ(Wire(), (Bytes{'B', 'E', 'r', 'O'}));
        }
    }
}

TEST_F(EdidProtocolTest, StopEndsTheWaitAtOnceAsStopped) {
    sim = Sim("pcb3", "", R"({"type": "silence", "afterReplies": 1})");
    link = std::make_unique<ProgrammerLink>(sim);
    EdidEngine engine(*link, port);
    std::thread stopper([&] {
        std::this_thread::sleep_for(Millis(200));
        engine.Stop();
    });
    const auto start = SteadyClock::now();
    EXPECT_EQ(engine.ReadClick(), Outcome::Stopped);
    EXPECT_LT(SteadyClock::now() - start, Millis(1500));
    stopper.join();
    EXPECT_TRUE(port.HasLine("Reading EEPROM: stopped (0 of 258 bytes)."));
    EXPECT_EQ(engine.Run().FailedStep(), "reading the EEPROM");
    EXPECT_FALSE(link->IsOpen());
    EXPECT_EQ(Wire(), (Bytes{'B', 'E', 'r', 'O'}));
}

TEST_F(EdidProtocolTest, SaveCancelledOrImpossibleAfterAGoodRead) {
    port.QueueFileAnswer(std::nullopt);
    EXPECT_EQ(Read("pcb3"), Outcome::Stopped);
    EXPECT_EQ(port.Lines().back(), "Write to file is interrupted.");
    EXPECT_EQ(Wire().back(), 'I');

    port.QueueFileAnswer(dir.File("no-such-folder/out.bin"));
    EXPECT_EQ(Read("pcb3"), Outcome::NoFile);
    EXPECT_EQ(port.Messages(), std::vector<std::string>{"Ошибка создания файла."});
    EXPECT_EQ(port.Lines().back(), "");
    EXPECT_TRUE(port.HasLine(dir.File("no-such-folder/out.bin") + ": No such file or directory"));

    // A device is no place for the image: refused, not written into.
    port.QueueFileAnswer("/dev/full");
    EXPECT_EQ(EdidRead(*link, port), Outcome::NoFile);
    EXPECT_TRUE(port.HasLine("/dev/full: not a regular file"));
}

TEST_F(EdidProtocolTest, Write128ByteFileIsPaddedWithFF) {
    Offer("panel128.bin", AsString(EdidSamples::kLaptopPanel));
    EXPECT_EQ(Write("pcb3"), Outcome::Succeeded);
    EXPECT_FALSE(link->IsOpen());

    Bytes expected(EdidSamples::kLaptopPanel.begin(), EdidSamples::kLaptopPanel.end());
    expected.resize(256, 0xFF);
    EXPECT_EQ(Eeprom(*sim), expected);
    EXPECT_EQ(ReadFileText(panelFile), std::string(expected.begin(), expected.end()));
    EXPECT_EQ(Wire(), Concat({{'B', 'E', 'w'}, expected, {'I'}}));
    EXPECT_TRUE(port.Messages().empty()); // a good checksum asks nothing

    const std::vector<std::string> lines = port.Lines();
    EXPECT_EQ(lines[3], "Writing EEPROM ...");
    EXPECT_EQ(lines[4], "The file holds 128 bytes; the rest of the 256 is filled with FF.");
    const auto dump = std::find(lines.begin(), lines.end(), "  Checksum of block 0: OK") + 1;
    ASSERT_LT(dump + 18, lines.end());
    EXPECT_EQ(*dump, "");
    EXPECT_EQ(dump[1], "00: 00 FF FF FF FF FF FF 00 30 E4 6F 04 00 00 00 00 ........0.o.....");
    EXPECT_EQ(dump[9], "80: FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF ................");
    EXPECT_EQ(dump[17], "");
    EXPECT_EQ(lines.back(), "Writing data to EEPROM is completed successfully.");
}

TEST_F(EdidProtocolTest, Write300ByteFileWritesItsFirst256OnPcb2) {
    Offer("panel300.bin", AsString(EdidSamples::kDesktopMonitor) + std::string(44, '\x11'));
    EXPECT_EQ(Write("pcb2-v41"), Outcome::Succeeded);
    EXPECT_EQ(Eeprom(*sim), monitor);
    EXPECT_TRUE(port.HasLine("The file holds 300 bytes; only the first 256 are written."));
    EXPECT_EQ(Wire().size(), 1u + 2 + 256 + 1);
}

TEST_F(EdidProtocolTest, WriteProtectedPanelKeepsItsContent) {
    Offer("laptop.bin", AsString(EdidSamples::kLaptopPanel));
    EXPECT_EQ(Write("pcb3", R"(, "writeProtected": true)"), Outcome::Failed);
    EXPECT_EQ(port.Lines().back(), "EEPROM does not respond, or write error! WP 7 pin = '0' ?");
    EXPECT_EQ(Wire().back(), 'O');
    EXPECT_EQ(Eeprom(*sim), monitor);
}

TEST_F(EdidProtocolTest, WrongChecksumAsksFirst) {
    std::array<std::uint8_t, 128> bad = EdidSamples::kLaptopPanel;
    bad[127] ^= 0xFF;
    Offer("bad.bin", AsString(bad));
    port.QueueYesNo(false);
    EXPECT_EQ(Write("pcb3"), Outcome::Stopped);
    EXPECT_EQ(port.Messages(), std::vector<std::string>{
                                   "The EDID checksum of this image is wrong (block 0: byte 127 "
                                   "is 0xC1, should be 0x3E). Write it to the EEPROM anyway?"});
    EXPECT_EQ(port.Lines().back(), "Write operation is interrupted: the EDID checksum is wrong.");
    EXPECT_EQ(Wire(), Bytes{'B'});
    EXPECT_FALSE(link->IsOpen());

    Offer("bad.bin", AsString(bad));
    port.QueueYesNo(true);
    EXPECT_EQ(Write("pcb3"), Outcome::Succeeded);
    EXPECT_EQ(Eeprom(*sim)[127], 0xC1);
}

TEST_F(EdidProtocolTest, OpenDialogCancelledOrFileUnreadable) {
    port.QueueFileAnswer(std::nullopt);
    EXPECT_EQ(Write("pcb3"), Outcome::Stopped);
    EXPECT_EQ(port.Lines().back(), "Write operation is interrupted.");
    EXPECT_FALSE(link->IsOpen());
    ASSERT_EQ(port.Dialogs().size(), 1u);
    EXPECT_EQ(port.Dialogs()[0].title, "Укажите файл за заливки.");
    EXPECT_EQ(port.Dialogs()[0].filter, "BIN файлы EEPROM (*.bin)|*.bin|Другие|*.*");

    // Refused before the EEPROM's command, and the log ends as after any refusal; the reasons
    // of the other files are the CLI's and the image check's tests.
    sim = Sim("pcb3");
    link = std::make_unique<ProgrammerLink>(sim);
    const std::string fifo = dir.File("pipe.bin");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    port.QueueFileAnswer(fifo);
    EXPECT_EQ(EdidWrite(*link, port), Outcome::NoFile);
    EXPECT_EQ(port.Lines().back(), "");
    EXPECT_TRUE(port.HasLine(fifo + ": not a regular file"));
    EXPECT_EQ(port.Messages(), std::vector<std::string>{"Ошибка открытия файла."});
    EXPECT_EQ(Wire(), Bytes{'B'}); // never 'E' 'w'
    EXPECT_TRUE(Eeprom(*sim) == monitor);
}

TEST_F(EdidProtocolTest, NoProgrammerOrOutdatedFirmwareSendsNothingToTheEeprom) {
    {
        auto none = MakeSim("pcb3", R"({"devices": ["silent"]})");
        ProgrammerLink noLink(none);
        EXPECT_EQ(EdidRead(noLink, port), Outcome::NoJig);
        EXPECT_EQ(port.Lines(), (std::vector<std::string>{
                                    "Number of VCOM ports found on the machine: 1",
                                    "-->  The programmer is not found or does not respond"}));
    }
    EXPECT_EQ(Write("pcb2-v42"), Outcome::NoJig);
    EXPECT_EQ(port.Lines().back(), FirmwareFixLine(LinkVariants::EdidLcd));
    EXPECT_TRUE(port.Dialogs().empty());
    EXPECT_EQ(Wire(), Bytes{'B'});
}
