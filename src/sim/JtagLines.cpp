#include "sim/JtagLines.h"

#include "sim/SimContext.h"

void TakeJtagLineCommand(SimContext& ctx, std::uint8_t sub) {
    ctx.UpdateBoard([sub](SimBoardState& b) {
        if (sub == 'X') {
            b.spiLinesOn = false;
            b.tapReset = false; // whatever the SPI side left on TMS
        } else if (sub == 'S') {
            b.spiLinesOn = true;
            b.tapReset = false;
            ++b.jtagReleases;
        } else if (sub == '1') {
            // With the SPI side driving the lines the reset never reaches the TAP.
            b.tapReset = !b.spiLinesOn;
        }
    });
    ctx.Tx(sub);
}

void ResetTapWithoutSpi(SimContext& ctx) {
    ctx.UpdateBoard([](SimBoardState& b) {
        b.spiLinesOn = false;
        b.tapReset = true;
    });
}

void ReleaseTapWithoutSpi(SimContext& ctx) {
    ctx.UpdateBoard([](SimBoardState& b) {
        b.tapReset = false;
        ++b.jtagReleases;
    });
}

bool JtagLinesReady(SimContext& ctx, bool spiSide, const std::string& step,
                    std::vector<std::uint8_t> bytes) {
    const SimBoardState& b = ctx.Board();
    if (spiSide && b.spiLinesOn)
        ctx.Surprise(step + ", while the SPI side still holds the lines (no SPI_OFF before it)",
                     std::move(bytes));
    else if (!b.tapReset)
        ctx.Surprise(step + ", before the TAP was reset (no JTAG_RESET since the lines were "
                            "taken)",
                     std::move(bytes));
    else
        return true;
    return false;
}
