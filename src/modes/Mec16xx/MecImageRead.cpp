#include "modes/Mec16xx/MecImageRead.h"

#include "modes/Mec16xx/MecRegisters.h"
#include "modes/Mec16xx/MecTexts.h"
#include "port/Tr.h"

#include <string>

namespace {
void Failed(MecState& s, const std::string& line, const std::string& step) {
    s.port.Log(line);
    s.Fail(step);
}

bool Prepare(MecState& s, std::uint32_t address, std::uint32_t value, const char* line,
             const char* step) {
    if (MecRegWrite(s, address, value) == Mec::kRegLost) {
        Failed(s, Fill(Tr("Mec", "Lost communication with MEC (%1)"), step), step);
        return false;
    }
    s.port.Log(Tr("Mec", line));
    return true;
}

// One stream from `address`, ended by 'X' however it ends; `done` blocks came before it.
bool Stream(MecState& s, std::uint32_t address, const char* what, int blocks, int done,
            std::vector<std::uint8_t>& image) {
    MecStartRead(s, address);
    for (int block = 1; block <= blocks; ++block) {
        const std::string step = Mec::BlockStep(what, block, blocks);
        const Reply r = s.link.Expect(Mec::kReadFrameBytes, s.bounds.dataBlock, step);
        if (!r.Ok()) {
            MecJigLost(s, r.FailureLine(), step);
            s.link.Send({'X'});
            return false;
        }
        if (r.At(Mec::kReadBlockBytes) != Mec::kBlockGood) {
            s.link.Send({'X'});
            Failed(s, Fill(Tr("Mec", "Lost communication with MEC: bad status after %1"), step),
                   step);
            return false;
        }
        image.insert(image.end(), r.bytes.begin(), r.bytes.begin() + Mec::kReadBlockBytes);
        s.port.SetGauge(done + block);
        if (s.StopRequested()) {
            s.link.Send({'X'});
            Failed(s, Tr("Mec", "User break read ..."), "User break");
            return false;
        }
        s.link.Send({static_cast<std::uint8_t>(block == blocks ? 'X' : 'N')});
    }
    return true;
}
} // namespace

bool MecReadImage(MecState& s, bool withInfo, std::vector<std::uint8_t>& image) {
    image.clear();
    image.reserve(Mec::kMainBytes + (withInfo ? Mec::kInfoBytes : 0));
    s.port.SetGaugeMax(Mec::kMainReadBlocks + (withInfo ? Mec::kInfoReadBlocks : 0));
    s.port.SetGauge(0);
    const bool streamed =
        Prepare(s, Mec::kRegAccess, 1, TR_NOOP("Mec", "Write to reg FF3910h 1"), "FF3910h = 1") &&
        Prepare(s, Mec::kRegMode, Mec::kModeRead, TR_NOOP("Mec", "Write to reg FF3908h 105h"),
                "FF3908h = 105h");
    bool ok = streamed && Stream(s, Mec::kMainAddress, TR_NOOP("Mec", "MAIN block %1 of %2"),
                                 Mec::kMainReadBlocks, 0, image);
    if (ok && withInfo)
        ok = Prepare(s, Mec::kRegMode, Mec::kModeEnd, TR_NOOP("Mec", "Write to reg FF3908h 100h"),
                     "FF3908h = 100h") &&
             Prepare(s, Mec::kRegMode, Mec::kModeRead, TR_NOOP("Mec", "Write to reg FF3908h 105h"),
                     "FF3908h = 105h") &&
             Stream(s, Mec::kInfoAddress, TR_NOOP("Mec", "INFO block %1 of %2"),
                    Mec::kInfoReadBlocks, Mec::kMainReadBlocks, image);
    // A stream ended early by 'X' (a stop, a bad block) ends access too while the JIG answers:
    // the controller would refuse the next operation's FF3910h = 1.
    if (!ok && (s.jigLost || !streamed))
        return false;
    const bool ended =
        MecEndStreamAccess(s, {TR_NOOP("Mec", "Lost communication with MEC (FF3908h = 100h)"),
                               TR_NOOP("Mec", "Lost communication with MEC (FF3908h = 0)"),
                               TR_NOOP("Mec", "Lost communication with MEC (FF3910h = 0)")});
    if (ok && !ended)
        s.Fail("end of the read");
    return ok && ended;
}
