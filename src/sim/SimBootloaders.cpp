// The MCU bootloaders: the M88's on PCB2 (entered from the application on '?' or by the reset
// button) and the M328's on PCB3 (reset button only).
#include "sim/SimBootloaders.h"

#include "link/StandInMarker.h"
#include "modetable/ModeTable.h"
#include "sim/SimContext.h"

std::unique_ptr<SimProgram> MakeBootloader(const SimBoardState& board) {
    return board.pcb3 ? MakeM328Bootloader() : MakeM88Bootloader();
}

std::string Pcb2TagOf(const std::string& versionText) {
    for (const Pcb2Firmware& f : Pcb2Firmwares())
        if (versionText.find(f.tag) != std::string::npos)
            return f.tag;
    return "";
}

void StartWrittenImage(SimContext& ctx, const std::vector<std::uint8_t>& image) {
    const std::optional<std::string> version = StandInVersion(image);
    ctx.UpdateBoard([&](SimBoardState& b) {
        b.applicationHung = !version;
        if (version) {
            b.versionText = *version;
            b.firmwareTag = b.pcb3 ? "" : Pcb2TagOf(*version);
        }
    });
    std::shared_ptr<SimProgram> app = MakeApplication(ctx.Board());
    ctx.Announce(*app);
    ctx.SwitchTo(std::move(app));
}
