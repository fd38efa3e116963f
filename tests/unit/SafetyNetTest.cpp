// The safety net's pieces that need no JIG: the digests, the image check, where two images
// differ, backup files that never replace one another, the journal, and where files are looked
// for.
#include "port/ProgramFolder.h"
#include "port/UserFolders.h"
#include "safety/BackupFile.h"
#include "safety/Crc32.h"
#include "safety/DumpMap.h"
#include "safety/ImageCheck.h"
#include "safety/ImageDiff.h"
#include "safety/Journal.h"
#include "safety/OperationRecord.h"
#include "safety/SafeRead.h"
#include "safety/Sha256.h"
#include "support/Pattern.h"
#include "support/SimFixture.h"
#include "support/UserData.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

TEST(Digests, Sha256MatchesTheStandardsVectorsWhateverTheChunks) {
    EXPECT_EQ(Sha256Hex({}), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex(Bytes("abc")),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 56 bytes: the length no longer fits the first padded block.
    EXPECT_EQ(Sha256Hex(Bytes("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    // A million 'a' in chunks that straddle the 64-byte blocks.
    Sha256 sha;
    const std::vector<std::uint8_t> chunk(997, 'a');
    std::size_t left = 1'000'000;
    while (left) {
        const std::size_t n = std::min(left, chunk.size());
        sha.Add({chunk.data(), n});
        left -= n;
    }
    EXPECT_EQ(HexText(sha.Finish()),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(Digests, Crc32IsTheOneZipPrints) {
    EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
    EXPECT_EQ(Crc32({}), 0u);
    // In pieces, carried on.
    EXPECT_EQ(Crc32(Bytes("6789"), Crc32(Bytes("12345"))), 0xCBF43926u);
}

TEST(ImageCheck, FiguresAndTheWarningsForAnImageOfOneValue) {
    const std::vector<std::uint8_t> ff(131072, 0xFF);
    const auto lines = ImageCheckLines(ff);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Image: 131072 bytes, CRC-32 " + std::string("154803CC") + ", SHA-256 " +
                            Sha256Hex(ff));
    EXPECT_EQ(lines[1], "Warning: every byte is FFh: a blank chip, or nothing was read at all.");
    EXPECT_EQ(ImageCheckLines(std::vector<std::uint8_t>(256, 0)).back(),
              "Warning: every byte is 00h: a data line held low?");
    std::vector<std::uint8_t> almost(256, 0xFF);
    almost[255] = 0xFE;
    EXPECT_EQ(UniformValue(almost), UniformImage::No);
    EXPECT_EQ(UniformValue(std::vector<std::uint8_t>(16, 0x55)), UniformImage::No);
    EXPECT_EQ(ImageCheckLines({}).size(), 1u);
}

TEST(ImageDiff, RunsOfDifferingBytesAndHowTheyRead) {
    const std::vector<std::uint8_t> a{1, 2, 3, 4, 5, 6, 7, 8};
    std::vector<std::uint8_t> b = a;
    b[0] = 9;
    b[3] = 9;
    b[4] = 9;
    b[7] = 9;
    // Runs at both ends; their count, texts and the common length are SafetyCli's compare.
    EXPECT_EQ(DiffRanges(a, b), (std::vector<DiffRange>{{0, 1}, {3, 2}, {7, 1}}));
    EXPECT_EQ(DiffRangeText({3, 2}, a, b, 1), "0x000003, 2 bytes: 04 ... / 09 ...");
}

TEST(DumpMap, BlocksOfARealLookingImageAndOfAVerifyWithTwoBadBlocks) {
    const std::vector<std::uint8_t> image = Bytes(RealLookingDump());
    const DumpMap map = MapImage(image, DefaultBlockSize(image.size()));
    EXPECT_EQ(map.figures.crc32, FiguresOf(image).crc32);
    EXPECT_EQ(DumpMapLines(map), (std::vector<std::string>{
                                     "Map: 32 blocks of 4096 bytes: 24 data, 6 all FFh, 2 all 00h",
                                     "0x000000 #####0###0################......",
                                     "Legend: # data  . all FFh  0 all 00h"}));
    // Wrapped at its width, each row after its offset; a short last block is classed by its bytes.
    EXPECT_EQ(
        DumpMapLines(MapImage(std::span(image).first(image.size() - 100), 2048), 20),
        (std::vector<std::string>{"Map: 64 blocks of 2048 bytes: 48 data, 12 all FFh, 4 all 00h",
                                  "0x000000 ##########00######00", "0x00A000 ####################",
                                  "0x014000 ############........", "0x01E000 ....",
                                  "Legend: # data  . all FFh  0 all 00h"}));

    const std::vector<std::uint8_t> chip = Bytes(WithTwoBadBlocks(RealLookingDump()));
    EXPECT_EQ(DumpMapLines(MapAgainst(image, chip, 4096)),
              (std::vector<std::string>{
                  "Map: 32 blocks of 4096 bytes: 24 data, 6 all FFh, 2 all 00h; 2 differ",
                  "0x000000 ###X#0###0################.X....",
                  "Legend: # data  . all FFh  0 all 00h  X differs"}));
    // A verify that stopped after the 512 bytes that held its first difference.
    const std::size_t readBack = 3 * 4096 + 512;
    const DumpMap stopped = MapAgainst(image, std::span(chip).first(readBack), 4096, readBack);
    EXPECT_EQ(DumpMapLines(stopped)[1], "0x000000 ###X????????????????????????????");
    EXPECT_EQ(stopped.Count(BlockDiff::Unchecked), 28u);
    // A block only the longer image has differs, and is classed by that image's bytes.
    const DumpMap longer = MapAgainst(std::span(image).first(4096), image, 4096);
    EXPECT_EQ(DumpMapLines(longer)[1], "0x000000 #XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX");
    EXPECT_EQ(longer.kinds[31], BlockKind::AllFF);
}

TEST(DumpMap, BlockSizesForSmallImagesAndTheHexOfABlock) {
    EXPECT_EQ(DefaultBlockSize(8u << 20), 4096u);
    EXPECT_EQ(DefaultBlockSize(131072), 4096u);
    EXPECT_EQ(DefaultBlockSize(65536), 2048u);
    EXPECT_EQ(DefaultBlockSize(256), 16u); // an EDID
    EXPECT_EQ(DefaultBlockSize(0), 16u);
    EXPECT_TRUE(MapImage({}, 16).kinds.empty());

    const std::vector<std::uint8_t> bytes{'M', 'Z', 0x90, 0,    3,    0, 0, 0,   4,
                                          0,   0,   0,    0xFF, 0xFF, 0, 0, '~', 0x7F};
    EXPECT_EQ(HexLines(bytes, 0x1000),
              (std::vector<std::string>{
                  "00001000  4D 5A 90 00 03 00 00 00  04 00 00 00 FF FF 00 00  |MZ..............|",
                  "00001010  7E 7F                                             |~.|"}));
}

class UserFolder : public ::testing::Test {
  protected:
    TestUserData user;
};

TEST_F(UserFolder, BackupsAreNamedForModeTimeAndChipAndNeverReplaced) {
    EXPECT_EQ(BackupFileName("NUVOTON spi", "EF4012", "2026-12-07_102030", 1),
              "NUVOTON_spi_2026-12-07_102030_EF4012.bin");
    EXPECT_EQ(BackupFileName("ENE KB90XX", "", "2026-12-07_102030", 3),
              "ENE_KB90XX_2026-12-07_102030-3.bin");
    EXPECT_EQ(BackupFileName("a/b", "x y", "t", 1), "a_b_t_x_y.bin");

    std::vector<std::filesystem::path> saved;
    for (std::uint8_t fill : {0x11, 0x22, 0x33}) {
        const SavedBackup b = SaveBackup("ITE", "8512", std::vector<std::uint8_t>(1000, fill));
        ASSERT_TRUE(b.Ok()) << b.error;
        EXPECT_EQ(b.path.parent_path(), std::filesystem::path(user.File("backups")));
        EXPECT_EQ(ReadFileText(b.path.string()), std::string(1000, static_cast<char>(fill)));
        saved.push_back(b.path);
    }
    // Three backups within the same second or two: three files.
    EXPECT_NE(saved[0], saved[1]);
    EXPECT_NE(saved[1], saved[2]);
    EXPECT_EQ(ReadFileText(saved[0].string()), std::string(1000, '\x11'));
}

TEST_F(UserFolder, BackupThatCannotBeWrittenSaysWhy) {
    WriteFileBytes(user.File("backups"), "a file where the folder belongs");
    const SavedBackup b = SaveBackup("EDID lcd", "", std::vector<std::uint8_t>(256, 0));
    EXPECT_FALSE(b.Ok());
    EXPECT_EQ(b.error, "the folder cannot be created or written");

    std::vector<std::string> lines;
    const auto read = [](std::vector<std::uint8_t>& image) {
        image.assign(256, 0x42);
        return true;
    };
    EXPECT_FALSE(TakeBackup(
        "EDID lcd", "", read, [&](const std::string& l) { lines.push_back(l); }, {}, nullptr));
    EXPECT_EQ(lines.back(), "The backup could not be saved in " + user.File("backups") +
                                " (the folder cannot be created or written): nothing was erased "
                                "or written.");
}

TEST_F(UserFolder, JournalKeepsEveryRecordAndSkipsLinesThatAreNot) {
    const std::filesystem::path file = JournalFile();
    OperationRecord record;
    record.Begin(true, "NUVOTON spi", "read");
    record.SetJig("M328_EPM240_v16  ");
    record.SetChipId("EF4012");
    WriteFileBytes(user.File("out.bin"), "abc");
    record.SetFile(user.File("out.bin"));
    record.End("done", "ignored when done", nullptr);
    record.End("failed", "a second end is no second record", nullptr);

    record.Begin(true, "ENE KB90XX", "write");
    record.SetFile(user.File("caf\xE9.bin")); // not UTF-8, and missing
    record.SetBackup("/b/ENE.bin");
    record.End("failed", "block 7 of 512", nullptr);

    record.Begin(false, "ITE", "read"); // the safety net off: nothing is written
    record.End("done", "", nullptr);

    // Before the chip changes a "started" record, once; a device as the file is not hashed (it
    // would never end).
    record.Begin(true, "MEC jtag", "write");
    record.Started(nullptr);
    record.Started(nullptr);
    record.SetFile("/dev/zero");
    record.End("stopped", "block 3 of 96", nullptr);
    record.Begin(true, "ITE", "erase");
    record.Started(nullptr); // and the process died

    std::ofstream(file, std::ios::app) << "not a record\n";
    std::size_t unreadable = 0;
    const auto records = LoadJournal(file, &unreadable);
    EXPECT_EQ(unreadable, 1u);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].mode, "NUVOTON spi");
    EXPECT_EQ(records[0].board, "PCB3");
    EXPECT_EQ(records[0].chipId, "EF4012");
    EXPECT_EQ(records[0].fileSize, 3u);
    EXPECT_EQ(records[0].fileSha256, Sha256Hex(Bytes("abc")));
    EXPECT_EQ(records[0].result, "done");
    EXPECT_TRUE(records[0].failedStep.empty());
    EXPECT_EQ(records[1].file, user.File("caf\xEF\xBF\xBD.bin"));
    EXPECT_FALSE(records[1].fileSize.has_value());
    EXPECT_EQ(records[1].failedStep, "block 7 of 512");
    const auto lines = JournalRecordLines(records[1]);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].ends_with("  ENE KB90XX  write  failed (block 7 of 512)")) << lines[0];
    EXPECT_EQ(lines[3], "    backup: /b/ENE.bin");
    EXPECT_EQ(records[2].result, "started");
    EXPECT_EQ(records[2].time, records[3].time);
    EXPECT_EQ(records[3].result, "stopped");
    EXPECT_EQ(records[3].file, "/dev/zero");
    EXPECT_FALSE(records[3].fileSize.has_value());

    const auto operations = JournalOperations(records);
    ASSERT_EQ(operations.size(), 4u);
    EXPECT_EQ(operations[2].mode, "MEC jtag");
    EXPECT_EQ(operations[2].result, "stopped");
    EXPECT_EQ(operations[3].mode, "ITE");
    EXPECT_EQ(operations[3].result, "no end: the program stopped during this operation");
}

// A backup that reads blank, or gives nothing, starts no erase unless --force or the technician
// says so.
TEST_F(UserFolder, BlankBackupStopsTheEraseUnlessForcedOrAgreed) {
    std::vector<std::string> lines;
    const LogLine log = [&](const std::string& l) { lines.push_back(l); };
    std::vector<std::uint8_t> chip(4096, 0xFF);
    const auto read = [&](std::vector<std::uint8_t>& image) {
        image = chip;
        return true;
    };
    std::vector<std::string> asked;
    const auto answer = [&](bool yes) {
        return [&asked, yes](const std::string& q) {
            asked.push_back(q);
            return yes;
        };
    };
    SafetyOptions cli;
    cli.askBeforeErasingBlank = false;
    EXPECT_FALSE(TakeBackup("ENE KB90XX", "", read, log, cli, answer(true)));
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(lines.back(),
              "Nothing was erased or written: the backup reads blank (--force erases anyway).");
    SafetyOptions window;
    EXPECT_FALSE(TakeBackup("ENE KB90XX", "", read, log, window, answer(false)));
    EXPECT_EQ(asked, std::vector<std::string>{kBlankBackupQuestion});
    EXPECT_FALSE(std::filesystem::exists(user.File("backups")));

    const auto forced = [&] {
        SafetyOptions o = cli;
        o.eraseBlank = true;
        return o;
    }();
    chip.assign(4096, 0x00);
    const auto saved = TakeBackup("ENE KB90XX", "", read, log, forced, nullptr);
    ASSERT_TRUE(saved);
    EXPECT_EQ(FileBytes(saved->string()), chip);
    EXPECT_TRUE(TakeBackup("ENE KB90XX", "", read, log, window, answer(true)));

    chip.clear();
    EXPECT_FALSE(TakeBackup("ENE KB90XX", "", read, log, forced, answer(true)));
    EXPECT_EQ(lines.back(), "The backup read gave no bytes: nothing was erased or written.");
    chip.assign(4096, 0xFF);
    chip[4095] = 0xFE; // one byte of content is no blank chip
    asked.clear();
    EXPECT_TRUE(TakeBackup("ENE KB90XX", "", read, log, cli, answer(false)));
    EXPECT_TRUE(asked.empty());
}

TEST_F(UserFolder, JournalThatCannotBeWrittenIsSaidInTheLog) {
    SetUserDataFolder(user.File("plain-file"));
    WriteFileBytes(user.File("plain-file"), "");
    OperationRecord record;
    record.Begin(true, "EDID lcd", "read");
    std::vector<std::string> lines;
    record.End("done", "", [&](const std::string& l) { lines.push_back(l); });
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].starts_with("The journal could not be written (" +
                                     user.File("plain-file") + "/journal.jsonl: "))
        << lines[0];
}

TEST_F(UserFolder, FilesAreLookedForWhereTheyAlwaysWereThenTheUsersThenTheInstalled) {
    TempDir prefix;
    std::filesystem::create_directories(prefix.File("bin"));
    std::filesystem::create_directories(prefix.File("share/tolvane-jig"));
    SetProgramFolder(prefix.File("bin"));
    const std::string name = "MB connection ITE.txt";
    FileLookup l = LookUpFile(name, LookFirst::ProgramFolder);
    EXPECT_FALSE(l.found);
    ASSERT_EQ(l.tried.size(), 3u);
    EXPECT_EQ(l.tried[0], std::filesystem::path(prefix.File("bin")) / name);
    EXPECT_EQ(l.tried[1], std::filesystem::path(user.Path()) / name);
    EXPECT_EQ(l.tried[2], std::filesystem::path(prefix.File("share/tolvane-jig")) / name);
    EXPECT_EQ(NotFoundLine(name, l), name + " not found (looked in " + prefix.File("bin") + ", " +
                                         user.Path() + ", " + prefix.File("share/tolvane-jig") +
                                         ")");

    WriteFileBytes(prefix.File("share/tolvane-jig/") + name, "installed");
    EXPECT_EQ(LookUpFile(name, LookFirst::ProgramFolder).found, l.tried[2]);
    WriteFileBytes(user.File(name), "the user's own");
    EXPECT_EQ(LookUpFile(name, LookFirst::ProgramFolder).found, l.tried[1]);
    WriteFileBytes(prefix.File("bin/") + name, "beside");
    EXPECT_EQ(LookUpFile(name, LookFirst::ProgramFolder).found, l.tried[0]);

    // The working folder first for the databases; an absolute name only as it is.
    EXPECT_EQ(LookUpFile(name, LookFirst::WorkingFolder).tried[0],
              std::filesystem::current_path() / name);
    EXPECT_EQ(LookUpFile(user.File(name), LookFirst::WorkingFolder).tried,
              std::vector<std::filesystem::path>{user.File(name)});
    SetProgramFolder({});
}
