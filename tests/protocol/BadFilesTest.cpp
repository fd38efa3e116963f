// Bad files for every file a mode reads or writes. An image to be written that is empty, a
// folder, unreadable, or that changes while it is read; a read that goes to a full disk, a
// folder that cannot take it, or a folder's own name; names with blanks and Cyrillic letters.
// Each ends idle with the link closed and a clear line or message, reports no success where
// the file failed it, and leaves the chosen image as it was.
#include "modes/Ite/IteDatabase.h"
#include "modes/Kb901x_form/EneDatabase.h"
#include "modes/Kb901x_form/Kb901xEngine.h"
#include "modes/Mec16xx/Mec16xxEngine.h"
#include "shell/FirmwareFiles.h"
#include "shell/HexImage.h"
#include "support/CliModes.h"
#include "support/ModeAdapters.h"
#include "support/Pattern.h"
#include "support/RecordingPort.h"
#include "support/SimFixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

// A file that opens but cannot be read: as root no permission bits stop a read, so the
// process's own memory file (whose first page is never mapped) stands in for it.
std::string Unreadable(const TempDir& dir) {
    if (geteuid() == 0)
        return "/proc/self/mem";
    const std::string path = dir.File("locked.bin");
    WriteFileBytes(path, Pattern(1024, 29, 11, 8, 0));
    chmod(path.c_str(), 0);
    return path;
}

// A folder no file can be created in, for root too.
std::string ReadOnlyFolder(const TempDir& dir) {
    if (geteuid() == 0)
        return "/proc";
    const std::string path = dir.File("read-only");
    fs::create_directories(path);
    chmod(path.c_str(), 0555);
    return path;
}

std::string Describe(const ModeResult& r) {
    std::string text;
    for (const std::string& l : r.lines)
        text += "  | " + l + "\n";
    for (const std::string& m : r.messages)
        text += "  [box] " + m + "\n";
    return text;
}

void ExpectEndedCleanly(const ModeResult& r) {
    EXPECT_TRUE(r.idle);
    EXPECT_TRUE(r.linkClosed);
    EXPECT_TRUE(r.controlsEnabled);
    for (const std::string& what : r.broken)
        ADD_FAILURE() << what << "\n" << Describe(r);
}

const ModeAdapter& Find(const std::string& mode, const std::string& name) {
    if (const ModeAdapter* a = FindModeAdapter(mode, name))
        return *a;
    throw std::logic_error("no operation " + mode + " " + name);
}

struct FileOp {
    const char* mode;
    std::size_t imageSize;
};

class BadImageTest : public ::testing::TestWithParam<FileOp> {
  protected:
    const ModeAdapter& Write() { return Find(GetParam().mode, "write"); }
    const ModeAdapter& Read() { return Find(GetParam().mode, "read"); }
    ModeResult Run(const ModeAdapter& op, const std::string& file) {
        ModeRequest request;
        request.api = MakeSim(op.boards.front());
        request.file = file;
        request.bound = std::chrono::milliseconds(300);
        return op.run(op, request);
    }
    TempDir dir;
};

// Empty, a folder or unreadable: refused with a line, and an empty file stays empty.
TEST_P(BadImageTest, AnImageThatIsEmptyOrCannotBeReadIsRefusedWithALine) {
    const std::string folder = dir.File("a folder.bin");
    fs::create_directories(folder);
    const std::string empty = dir.File("empty.bin");
    WriteFileBytes(empty, "");
    for (const std::string& path : {empty, folder, Unreadable(dir)}) {
        SCOPED_TRACE(path);
        const ModeResult r = Run(Write(), path);
        EXPECT_FALSE(r.succeeded) << Describe(r);
        EXPECT_FALSE(r.lines.empty() && r.messages.empty());
        ExpectEndedCleanly(r);
    }
    EXPECT_EQ(ReadFileText(empty), "");
}

// A longer image is taken only where the write has a use for more than the chip's size: MEC's
// MAIN followed by INFO, and EDID files whose first 256 bytes are the panel's.
static bool TakesALongerImage(const std::string& mode) {
    return mode == "MEC jtag" || mode == "EDID lcd";
}

TEST_P(BadImageTest, ImagesOfTheWrongSizeAndOddNamesAreWrittenAndKept) {
    const std::size_t size = GetParam().imageSize;
    for (const std::size_t bytes : {size / 2 + 3, size + 1000}) {
        const std::string path = dir.File("дамп платы " + std::to_string(bytes) + ".bin");
        const std::string image = Pattern(bytes, 29, 11, 8, 0);
        WriteFileBytes(path, image);
        const ModeResult r = Run(Write(), path);
        EXPECT_EQ(r.succeeded, bytes < size || TakesALongerImage(GetParam().mode)) << Describe(r);
        ExpectEndedCleanly(r);
        EXPECT_EQ(ReadFileText(path), image);
    }
}

TEST_P(BadImageTest, AReadToAFullDiskOrWhereNoFileCanBeMadeReportsNoSuccess) {
    const std::string folder = dir.File("target");
    fs::create_directories(folder);
    for (const std::string& path :
         {std::string("/dev/full"), ReadOnlyFolder(dir) + "/dump.bin", folder}) {
        SCOPED_TRACE(path);
        const ModeResult r = Run(Read(), path);
        EXPECT_FALSE(r.succeeded) << Describe(r);
        EXPECT_FALSE(r.lines.empty() && r.messages.empty());
        ExpectEndedCleanly(r);
    }
    EXPECT_TRUE(fs::is_directory(folder));
}

TEST_P(BadImageTest, AReadUnderANameWithBlanksAndCyrillicLettersIsWhole) {
    const std::string path = dir.File("чтение с платы №1.bin");
    const ModeResult r = Run(Read(), path);
    EXPECT_TRUE(r.succeeded) << Describe(r);
    EXPECT_EQ(fs::file_size(path), GetParam().imageSize);
}

INSTANTIATE_TEST_SUITE_P(Modes, BadImageTest,
                         ::testing::Values(FileOp{"ENE KB90XX", 131072}, FileOp{"MEC jtag", 196608},
                                           FileOp{"ITE", 131072}, FileOp{"NUVOTON spi", 131072},
                                           FileOp{"NUVOTON jtag", 131072}, FileOp{"EDID lcd", 256}),
                         [](const auto& info) { return ModeTestName(info.param.mode); });

// The wiring databases and the firmware files: a folder, an unreadable or a missing file is no
// database and no firmware; a database under a name with blanks is read as any other.
TEST(BadDatabaseFiles, AFolderOrAnUnreadableOrMissingFileIsNoDatabase) {
    TempDir dir;
    const std::string folder = dir.File("MB connection ENE.txt");
    fs::create_directories(folder);
    for (const std::string& path : {folder, Unreadable(dir), dir.File("missing.txt")}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(LoadEneDatabase(path));
        EXPECT_FALSE(LoadIteDatabase(path));
        EXPECT_FALSE(ReadFirmwareBytes(path, kHexFileLimit));
    }
    const std::string named = dir.File("база плат ENE.txt");
    WriteFileBytes(named, "Board A KSO3=1 KSI4=2 KSI5=3 KSI6=4 KSI7=5\r\n");
    const auto lines = LoadEneDatabase(named);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 1u);
}

// An image that another program cuts short while a streaming write reads it block by block:
// the write ends like one of a short file, idle with its link closed, and the chip holds
// no byte the file never had.
class TruncatingPort : public RecordingPort {
  public:
    void SetGauge(int position) override {
        RecordingPort::SetGauge(position);
        if (position > 0 && !cut_) {
            cut_ = true;
            fs::resize_file(path, 4096);
        }
    }
    std::string path;

  private:
    bool cut_ = false;
};

template <class Engine> void WriteAnImageCutShort(const std::string& board, std::size_t size) {
    SCOPED_TRACE(board);
    TempDir dir;
    const std::string path = dir.File("shrinking image.bin");
    WriteFileBytes(path, Pattern(size, 29, 11, 8, 0));
    TruncatingPort port;
    port.path = path;
    auto sim = MakeSim(board);
    Engine engine(sim, port);
    port.QueueFileAnswer(path);
    engine.WriteClick();
    engine.WaitForWorker();
    EXPECT_EQ(engine.Run().State(), "NONE");
    EXPECT_FALSE(engine.LinkOpen());
    EXPECT_FALSE(engine.Run().Output().IsOpen());
    EXPECT_NE(engine.Run().Result(), Outcome::None);
    EXPECT_EQ(fs::file_size(path), 4096u);
    EXPECT_TRUE(sim->Jig().Surprises().empty());
}

TEST(BadImageWhileRead, AnImageCutShortDuringTheWriteEndsCleanly) {
    WriteAnImageCutShort<Kb901xEngine>("pcb2-v41", 131072);
    WriteAnImageCutShort<Mec16xxEngine>("pcb3", 196608);
}
} // namespace
