// The map beside a mode window: cells coloured by what each block holds, the blocks a verify
// found different in red, and a click's hex.
#include "gui/DumpMapView.h"
#include "support/Pattern.h"
#include "ui/support/UiTestSupport.h"

#include <QPlainTextEdit>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

TEST(DumpMapView, CellsColouredByWhatEachBlockHoldsAndAClickShowsItsBytes) {
    const std::string dump = RealLookingDump();
    const std::string chip = WithTwoBadBlocks(dump);

    auto verify = std::make_shared<DumpPicture>();
    verify->file = "/somewhere/in.bin";
    verify->image = Bytes(dump);
    verify->readBack = Bytes(chip);
    verify->map = MapAgainst(verify->image, verify->readBack, 4096, chip.size());
    QWidget owner;
    owner.show();
    DumpMapView* view = DumpMapView::ShowFor(&owner, verify);
    ASSERT_TRUE(view->isVisible());
    EXPECT_EQ(view->windowTitle(), "Dump map: in.bin");
    const auto colourAt = [view](int block) {
        const QImage shot = view->Strip()->grab().toImage();
        return shot.pixelColor(view->Strip()->CellRect(block).center());
    };
    const QColor data = BlockColour(BlockKind::Data, BlockDiff::None);
    const QColor red = BlockColour(BlockKind::Data, BlockDiff::Differs);
    EXPECT_EQ(colourAt(0), data);
    EXPECT_EQ(colourAt(5), BlockColour(BlockKind::All00, BlockDiff::None));
    EXPECT_EQ(colourAt(26), BlockColour(BlockKind::AllFF, BlockDiff::None));
    EXPECT_EQ(colourAt(3), red);
    EXPECT_EQ(colourAt(27), red);
    EXPECT_EQ(colourAt(4), data);
    EXPECT_NE(data, red);
    EXPECT_NE(BlockColour(BlockKind::All00, BlockDiff::None),
              BlockColour(BlockKind::AllFF, BlockDiff::None));
    // It opens at the first block that differs: where, then the file's bytes and the chip's.
    const QString hex = view->Hex()->toPlainText();
    char where[64];
    std::snprintf(where, sizeof where, "0x003007, 1 byte: %02X / %02X",
                  static_cast<std::uint8_t>(dump[0x3007]), static_cast<std::uint8_t>(chip[0x3007]));
    EXPECT_TRUE(hex.startsWith("Where the chip differs (file / chip):\n" + QString(where) +
                               "\n\nThe file:\n00003000  "))
        << hex.left(120).toStdString();
    EXPECT_TRUE(hex.contains("\n\nThe chip:\n00003000  ")) << hex.toStdString();

    QTest::mouseClick(view->Strip(), Qt::LeftButton, {}, view->Strip()->CellRect(9).center());
    EXPECT_EQ(view->Hex()->toPlainText().section('\n', 0, 0),
              "00009000  00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  |................|");
    EXPECT_EQ(view->Hex()->blockCount(), 4096 / 16);

    // The next read's map takes the same window; it leaves with its mode window.
    auto read = std::make_shared<DumpPicture>();
    read->file = "out.bin";
    read->image = Bytes(chip);
    read->map = MapImage(read->image, 4096);
    EXPECT_EQ(DumpMapView::ShowFor(&owner, read), view);
    EXPECT_EQ(colourAt(3), data);
    EXPECT_EQ(colourAt(27), BlockColour(BlockKind::Data, BlockDiff::None));
    owner.hide();
    EXPECT_FALSE(view->isVisible());
}
