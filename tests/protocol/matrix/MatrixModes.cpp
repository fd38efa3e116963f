#include "protocol/matrix/MatrixModes.h"

#include "link/WaitBounds.h"
#include "modes/Edid/EdidEngine.h"
#include "modes/Ite/IteEngine.h"
#include "modes/Kb901x_form/Kb901xEngine.h"
#include "modes/Keyboard/KeyboardScanner.h"
#include "modes/Mec16xx/Mec16xxEngine.h"
#include "modes/Npce/NpceEngine.h"
#include "modes/Nuvoton_jtag_form/NuvotonJtagEngine.h"
#include "support/FuzzModes.h"
#include "support/RecordingItePort.h"
#include "support/RecordingKeyboard.h"
#include "support/RecordingPort.h"

#include <algorithm>
#include <regex>

namespace {
using std::chrono::milliseconds;

// Every wait of an engine with settings gets this bound in the matrix.
constexpr milliseconds kShort{300};
constexpr std::uintmax_t kFlash = 131072;
constexpr std::uintmax_t kMecMain = 196608;

bool LineNamesStep(const std::vector<std::string>& lines) {
    static const std::regex step(
        "^(Timeout: no answer from the JIG|The JIG was lost|Unexpected answer from the JIG) "
        "\\(.+\\)$");
    // A refused answer is told in the mode's own words.
    static const char* refusals[] = {"Lost Communication with ENE or timeout!",
                                     "!!! Lost Communication with ENE or timeout !!! ",
                                     "!!! Data is written incorrectly !!! ", "Wrong ID. Break.",
                                     "** ERROR write or ERROR timeout **"};
    for (const std::string& l : lines)
        if (std::regex_match(l, step) ||
            l.find("The programmer is not found or does not respond") != std::string::npos ||
            l.rfind("No connection to the ", 0) == 0 ||
            std::find(std::begin(refusals), std::end(refusals), l) != std::end(refusals))
            return true;
    return false;
}

// ---------------------------------------------------------------- ENE KB90xx

MatrixRun RunEne(const std::string& op, const std::shared_ptr<FtdiApi>& sim,
                 const std::string& file) {
    RecordingPort port;
    Kb901xEngine engine(sim, port);
    engine.SetBounds({kShort, kShort, kShort, kShort, kShort});
    port.QueueFileAnswer(file);
    if (op == "read")
        engine.ReadClick();
    else
        engine.WriteClick();
    engine.WaitForWorker();
    MatrixRun r;
    r.succeeded = engine.Run().Result() == Outcome::Succeeded;
    r.idle = engine.Run().State() == "NONE";
    r.linkClosed = !engine.LinkOpen();
    r.controlsEnabled = port.Enabled(Kb90::kReadButton) && port.Enabled(Kb90::kWriteButton) &&
                        port.Enabled(Kb90::kExitButton);
    r.lines = port.Lines();
    r.messages = port.Messages();
    r.namesStep = LineNamesStep(r.lines);
    return r;
}

// ---------------------------------------------------------------- MEC16xx

MatrixRun RunMec(const std::string& op, const std::shared_ptr<FtdiApi>& sim,
                 const std::string& file) {
    RecordingPort port;
    Mec16xxEngine engine(sim, port);
    engine.SetBounds({kShort, kShort, kShort});
    if (op == "check") {
        engine.CheckClick();
    } else if (op == "erase") {
        engine.EraseClick(false);
    } else {
        port.QueueFileAnswer(file);
        if (op == "read")
            engine.ReadClick(false);
        else
            engine.WriteClick();
    }
    engine.WaitForWorker();
    MatrixRun r;
    r.succeeded = engine.Run().Result() == Outcome::Succeeded;
    r.idle = engine.Run().State() == "NONE";
    r.linkClosed = !engine.LinkOpen() && !engine.FileOpen();
    r.controlsEnabled = r.idle; // the window enables its buttons by the state alone
    r.lines = port.Lines();
    r.messages = port.Messages();
    r.namesStep = LineNamesStep(r.lines);
    for (const std::string& l : r.lines)
        r.namesStep = r.namesStep || l.rfind("Lost communication with MEC", 0) == 0 ||
                      l.rfind("Потеряна связь с MEC", 0) == 0;
    return r;
}

// ---------------------------------------------------------------- ITE

MatrixRun RunIte(const std::string& op, const std::shared_ptr<FtdiApi>& sim,
                 const std::string& file) {
    RecordingItePort port;
    IteEngine engine(sim, port);
    engine.SetBounds({kShort, kShort, kShort, kShort});
    // Every operation but APPLY runs after the wiring was sent, as a technician does it.
    engine.ApplyClick(SimulatedIteBoxes());
    if (op != "apply")
        engine.WaitForWorker();
    if (op == "check") {
        engine.CheckClick();
    } else if (op != "apply") {
        port.english.QueueFileAnswer(file);
        if (op == "read")
            engine.ReadClick();
        else
            engine.WriteClick();
    }
    engine.WaitForWorker();
    MatrixRun r;
    r.succeeded = engine.Run().Result() == Outcome::Succeeded;
    r.idle = engine.Run().State() == Ite::kIdle;
    r.linkClosed = !engine.LinkOpen();
    r.controlsEnabled = true;
    for (const char* b : {Ite::kCheckButton, Ite::kSetupButton, Ite::kReadButton, Ite::kWriteButton,
                          Ite::kExitButton})
        r.controlsEnabled = r.controlsEnabled && port.english.Enabled(b);
    r.lines = port.english.Lines();
    r.namesStep = !engine.Run().FailedStep().empty() || LineNamesStep(r.lines);
    return r;
}

// ---------------------------------------------------------------- NPCE SPI

MatrixRun RunNpce(const std::string& op, const std::shared_ptr<FtdiApi>& sim,
                  const std::string& file) {
    RecordingPort port;
    NpceEngine engine(sim, port);
    engine.SetBounds({kShort, kShort, kShort, kShort, kShort});
    port.QueueFileAnswer(file);
    if (op == "read")
        engine.ReadClick();
    else
        engine.WriteClick();
    engine.WaitForWorker();
    MatrixRun r;
    r.succeeded = engine.Run().Result() == Outcome::Succeeded;
    r.idle = engine.Run().Idle();
    r.linkClosed = !engine.LinkOpen();
    r.controlsEnabled = port.Enabled(Npce::kReadButton) && port.Enabled(Npce::kWriteButton) &&
                        port.Enabled(Npce::kExitButton);
    r.lines = port.Lines();
    r.messages = port.Messages();
    r.namesStep = !engine.Run().FailedStep().empty() && LineNamesStep(r.lines);
    if (engine.Run().Result() == Outcome::NoJig)
        r.namesStep = LineNamesStep(r.lines);
    return r;
}

// ---------------------------------------------------------------- Nuvoton JTAG

MatrixRun RunJtag(const std::string& op, const std::shared_ptr<FtdiApi>& sim,
                  const std::string& file) {
    RecordingPort port;
    NuvotonJtagEngine engine(sim, port);
    engine.SetBounds({kShort, kShort, kShort});
    MatrixRun r;
    auto idle = [&] {
        r.idle = !engine.Running() && !engine.EndTimerArmed();
        r.linkClosed = !engine.LinkOpen();
        // The steps start again, or (a file refused before the worker) READ and WRITE stay.
        r.controlsEnabled =
            engine.SettingsEnabled() || engine.ConnectEnabled() || engine.TransferEnabled();
    };
    engine.SendSettings(true);
    engine.WaitForOperation();
    idle();
    bool ok = engine.ConnectEnabled();
    if (ok) {
        engine.CheckConnect();
        engine.WaitForOperation();
        idle();
        ok = engine.TransferEnabled();
        r.succeeded = ok && op == "check";
    }
    if (ok && op != "check") {
        port.QueueFileAnswer(file);
        if (op == "read")
            engine.ReadClick();
        else
            engine.WriteClick();
        engine.WaitForOperation();
        idle();
        r.succeeded = engine.Run().Result() == Outcome::Succeeded;
    }
    r.lines = port.Lines();
    r.messages = port.Messages();
    r.namesStep = LineNamesStep(r.lines);
    return r;
}

// ---------------------------------------------------------------- EDID

MatrixRun RunEdid(const std::string& op, const std::shared_ptr<FtdiApi>& sim,
                  const std::string& file) {
    RecordingPort port;
    ProgrammerLink link(sim);
    port.QueueFileAnswer(file);
    port.QueueYesNo(true);
    const Outcome outcome = op == "read" ? EdidRead(link, port) : EdidWrite(link, port);
    MatrixRun r;
    r.succeeded = outcome == Outcome::Succeeded;
    r.idle = true; // runs in the caller's thread: over when it returns
    r.linkClosed = !link.IsOpen();
    r.controlsEnabled = true; // the window has no state of its own
    r.lines = port.Lines();
    r.messages = port.Messages();
    static const std::regex step("^(Reading|Writing) EEPROM.*: (no answer from the programmer|the "
                                 "programmer does not respond|stopped).*");
    for (const std::string& l : r.lines)
        r.namesStep = r.namesStep || std::regex_match(l, step) ||
                      l.find("The programmer is not found") != std::string::npos ||
                      l.rfind("Unknown answer of the programmer after ", 0) == 0;
    return r;
}

// ---------------------------------------------------------------- keyboard tester

MatrixRun RunKeyboard(const std::string&, const std::shared_ptr<FtdiApi>& sim, const std::string&) {
    RecordingKeyboard shown;
    Keyboard::KeyboardScanner scanner(sim, shown);
    scanner.StartScanClick();
    const bool answered = shown.WaitUntil(
        [](const RecordingKeyboard& k) {
            const auto running = k.Running();
            return k.Answers() >= 3 || (!running.empty() && !running.back());
        },
        std::chrono::milliseconds(10000));
    if (scanner.Scanning())
        scanner.StartScanClick(); // stops after the answer it waits for
    scanner.Join();
    MatrixRun r;
    r.succeeded = answered && shown.Answers() >= 3 && scanner.EndReason() == "stopped";
    r.idle = scanner.State() == "NONE";
    r.linkClosed = true; // the scanner closes its link in its last act (EndScan)
    r.controlsEnabled = !scanner.Scanning();
    // The status label says why no scan ran ("NO FTDI", "OLD FW"), the end reason why one
    // stopped.
    const std::string word = scanner.StatusWord();
    r.namesStep = !scanner.EndReason().empty() || word == "NO FTDI" || word == "OLD FW";
    r.lines = {scanner.StatusWord(), scanner.EndReason()};
    return r;
}

MatrixOperation
Op(const char* mode, const char* name, std::vector<std::string> boards, milliseconds bound,
   MatrixRun (*run)(const std::string&, const std::shared_ptr<FtdiApi>&, const std::string&),
   std::uintmax_t full = 0, std::uintmax_t block = 0, std::uintmax_t image = 131072,
   long endReplies = 2) {
    MatrixOperation op;
    op.mode = mode;
    op.name = name;
    op.boards = std::move(boards);
    op.bound = bound;
    op.fullSize = full;
    op.blockSize = block;
    op.imageSize = image;
    op.endReplies = endReplies;
    const std::string n = name;
    op.run = [run, n](const std::shared_ptr<FtdiApi>& sim, const std::string& file) {
        return run(n, sim, file);
    };
    return op;
}
} // namespace

const std::vector<MatrixOperation>& MatrixOperations() {
    static const std::vector<MatrixOperation> ops{
        Op("ENE KB90xx", "read", {"pcb3", "pcb2-v41"}, kShort, RunEne, kFlash, 256),
        Op("ENE KB90xx", "write", {"pcb3", "pcb2-v41"}, kShort, RunEne),
        // MEC: the stream's end registers, SPI_ON, the result signal and the JTAG release come
        // after the outcome.
        Op("MEC16xx", "check", {"pcb3", "pcb2-v42"}, kShort, RunMec, 0, 0, kFlash, 5),
        Op("MEC16xx", "read", {"pcb3", "pcb2-v42"}, kShort, RunMec, kMecMain, 1024, kFlash, 5),
        Op("MEC16xx", "erase", {"pcb3", "pcb2-v42"}, kShort, RunMec, 0, 0, kFlash, 5),
        Op("MEC16xx", "write", {"pcb3", "pcb2-v42"}, kShort, RunMec, 0, 0, kMecMain, 5),
        Op("ITE", "check", {"pcb3", "pcb2-ite"}, kShort, RunIte),
        Op("ITE", "apply", {"pcb3", "pcb2-ite"}, kShort, RunIte),
        Op("ITE", "read", {"pcb3", "pcb2-ite"}, kShort, RunIte, kFlash, 256),
        Op("ITE", "write", {"pcb3", "pcb2-ite"}, kShort, RunIte),
        Op("NPCE SPI", "read", {"pcb3", "pcb2-npce"}, kShort, RunNpce, kFlash, 512),
        Op("NPCE SPI", "write", {"pcb3", "pcb2-npce"}, kShort, RunNpce),
        Op("Nuvoton JTAG", "check", {"pcb3", "pcb2-npce"}, kShort, RunJtag),
        Op("Nuvoton JTAG", "read", {"pcb3", "pcb2-npce"}, kShort, RunJtag, kFlash, 256, kFlash, 3),
        Op("Nuvoton JTAG", "write", {"pcb3", "pcb2-npce"}, kShort, RunJtag, 0, 0, kFlash, 3),
        Op("EDID", "read", {"pcb3", "pcb2-v41"}, WaitBounds::EepromReply, RunEdid, 256, 256),
        Op("EDID", "write", {"pcb3", "pcb2-v41"}, WaitBounds::EepromReply, RunEdid, 0, 0, 256),
        Op("Keyboard", "scan", {"pcb3", "pcb2-v41"}, WaitBounds::KeyboardAnswer, RunKeyboard),
    };
    return ops;
}
