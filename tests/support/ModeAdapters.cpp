#include "support/ModeAdapters.h"

#include "modes/Edid/EdidEngine.h"
#include "modes/Ite/IteEngine.h"
#include "modes/Kb901x_form/Kb901xEngine.h"
#include "modes/Keyboard/KeyboardPairs.h"
#include "modes/Keyboard/KeyboardScanner.h"
#include "modes/Mec16xx/Mec16xxEngine.h"
#include "modes/Npce/NpceEngine.h"
#include "modes/Nuvoton_jtag_form/NuvotonJtagEngine.h"
#include "sim/chips/IteEc.h"
#include "support/RecordingItePort.h"
#include "support/RecordingKeyboard.h"
#include "support/RecordingPort.h"

#include <algorithm>
#include <filesystem>
#include <regex>

#ifndef TOLVANE_SOURCE_DIR
#error "TOLVANE_SOURCE_DIR names the checkout"
#endif

namespace {
using std::chrono::milliseconds;

constexpr std::uintmax_t kFlash = 131072;
constexpr std::uintmax_t kMecMain = 196608;
constexpr std::uintmax_t kMecInfo = 2048;
constexpr std::uintmax_t kEeprom = 256;

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

void Hold(ModeResult& r, bool ok, const char* what) {
    if (!ok)
        r.broken.push_back(what);
}

// What every operation that reads leaves: a successful one the whole chip in its file.
void HoldWholeFile(ModeResult& r, const ModeAdapter& a, const ModeRequest& q,
                   std::uintmax_t whole) {
    if (!a.Reads() || !r.succeeded)
        return;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(q.file, ec);
    Hold(r, !ec && size == whole, "a read's file holds the whole chip");
}

// How the runner ended the operation, what the operator was told, and the step it names.
void Report(ModeResult& r, const RecordingPort& port, const OperationRunner& run) {
    r.outcome = run.Result();
    r.succeeded = r.outcome == Outcome::Succeeded;
    r.failedStep = run.FailedStep();
    r.lines = port.Lines();
    r.messages = port.Messages();
}

// ---------------------------------------------------------------- ENE KB90xx

ModeResult RunEne(const ModeAdapter& a, const ModeRequest& q) {
    RecordingPort port;
    Kb901xEngine engine(q.api, port);
    if (q.bound)
        engine.SetBounds({*q.bound, *q.bound, *q.bound, *q.bound, *q.bound});
    engine.Run().SetSafety(q.safety);
    const bool routing = std::string_view(a.operation) == "ffc";
    if (routing) {
        engine.ApplyFfcSettings("Example KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8", "30 pin",
                                (q.variant & 0x80) != 0);
    } else {
        port.QueueFileAnswer(q.file);
        if (a.Reads())
            engine.ReadClick();
        else
            engine.WriteClick();
    }
    engine.WaitForWorker();
    ModeResult r;
    Report(r, port, engine.Run());
    r.idle = engine.Run().State() == "NONE";
    r.linkClosed = !engine.LinkOpen();
    if (routing) {
        // No operation of the runner: the buttons are not touched.
        r.succeeded = engine.FfcSettings();
        r.controlsEnabled = true;
    } else {
        r.controlsEnabled = port.Enabled(Kb90::kReadButton) && port.Enabled(Kb90::kWriteButton) &&
                            port.Enabled(Kb90::kExitButton);
        Hold(r, r.outcome != Outcome::None, "an outcome");
    }
    r.namesStep = LineNamesStep(r.lines);
    if (r.outcome == Outcome::Failed)
        Hold(r, !r.lines.empty(), "a failure says why");
    HoldWholeFile(r, a, q, kFlash);
    return r;
}

// ---------------------------------------------------------------- MEC16xx

ModeResult RunMec(const ModeAdapter& a, const ModeRequest& q) {
    RecordingPort port;
    Mec16xxEngine engine(q.api, port);
    if (q.bound)
        engine.SetBounds({*q.bound, *q.bound, *q.bound});
    engine.Run().SetSafety(q.safety);
    const std::string_view op = a.operation;
    const bool info = (q.variant & 0x80) != 0;
    std::vector<std::string> earlierLines;
    if (op == "check") {
        engine.CheckClick();
    } else if (op == "erase") {
        engine.EraseClick(info);
    } else if (a.Reads()) {
        port.QueueFileAnswer(q.file);
        engine.ReadClick(info);
    } else {
        // As "mec write" does: only an erased MAIN takes the image, and the erase's backup
        // (a backup now would hold only the blank MAIN) is the write's.
        engine.EraseClick(false);
        engine.WaitForWorker();
        if (engine.Run().Result() == Outcome::Succeeded) {
            SafetyOptions write = q.safety;
            write.backup = false;
            engine.Run().SetSafety(write);
            engine.ContinueAfterErase(engine.Run().BackupPath());
            earlierLines = port.Lines();
            port.ClearLog();
            port.QueueFileAnswer(q.file);
            engine.WriteClick();
        }
    }
    engine.WaitForWorker();
    ModeResult r;
    Report(r, port, engine.Run());
    r.idle = engine.Run().State() == "NONE";
    r.linkClosed = !engine.LinkOpen() && !engine.FileOpen();
    // The mode's end sequence ran to its empty line; only the chip's state and what a read
    // kept may follow it.
    if (r.outcome != Outcome::NoJig) {
        std::vector<std::string> lines = r.lines;
        while (!lines.empty() && (lines.back().starts_with("The chip ") ||
                                  lines.back().find(" bytes received ") != std::string::npos))
            lines.pop_back();
        // A file refused before the JTAG opening ends with the close line, as the Part has it.
        const bool opened = std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
            return l == "Read FLASH MEC ..." || l == "Начали запись MEC16 main block ...";
        });
        const bool closed = !lines.empty() && (lines.back() == "Close VCOM port" ||
                                               lines.back() == "Закрыли VCOM порт");
        // An INFO erase the technician did not confirm ends before anything is sent.
        const bool unconfirmed =
            lines.size() == 1 && lines[0] == "INFO is not erased: the erase was not confirmed.";
        Hold(r, !lines.empty() && (lines.back().empty() || (closed && !opened) || unconfirmed),
             "the end sequence ran");
    }
    r.controlsEnabled = r.idle; // the window enables its buttons by the state alone
    r.earlierLines = std::move(earlierLines);
    r.namesStep = LineNamesStep(r.lines);
    for (const std::string& l : r.lines)
        r.namesStep = r.namesStep || l.rfind("Lost communication with MEC", 0) == 0 ||
                      l.rfind("Потеряна связь с MEC", 0) == 0;
    // A failure's line names the very step the runner reports.
    const std::string named = "(" + r.failedStep + ")";
    r.namesStep = r.namesStep && (r.outcome != Outcome::Failed ||
                                  std::any_of(r.lines.begin(), r.lines.end(), [&](const auto& l) {
                                      return l.ends_with(named) || l.ends_with(named + ".");
                                  }));
    Hold(r, r.outcome != Outcome::None, "an outcome");
    if (r.outcome == Outcome::Failed)
        Hold(r, !r.failedStep.empty(), "a failure names its step");
    HoldWholeFile(r, a, q, kMecMain + (info ? kMecInfo : 0));
    return r;
}

// ---------------------------------------------------------------- ITE

// The boxes that reach the simulated ITE EC when its scenario names no wiring.
IteAssignment SimulatedIteBoxes() {
    IteAssignment boxes{};
    const auto& wiring = SimIteEc::DefaultWiring();
    for (const IteSignal& s : IteSignals())
        boxes[static_cast<std::size_t>(s.box - 1)] = wiring.at(s.name);
    return boxes;
}

ModeResult RunIte(const ModeAdapter& a, const ModeRequest& q) {
    RecordingItePort port;
    IteEngine engine(q.api, port);
    if (q.bound)
        engine.SetBounds({*q.bound, *q.bound, *q.bound, *q.bound});
    const std::string_view op = a.operation;
    IteAssignment boxes = SimulatedIteBoxes();
    if (q.variant & 0x80)
        boxes[3] = Ite::kNoSelection;
    // Every operation but APPLY runs after the wiring was sent, as a technician does it.
    if (op == "apply")
        engine.Run().SetSafety(q.safety);
    engine.ApplyClick(boxes);
    if (op != "apply") {
        engine.WaitForWorker();
        port.english.ClearLog();
        engine.Run().SetSafety(q.safety);
    }
    if (op == "check") {
        engine.CheckClick();
    } else if (op != "apply") {
        port.english.QueueFileAnswer(q.file);
        if (a.Reads())
            engine.ReadClick();
        else
            engine.WriteClick();
    }
    engine.WaitForWorker();
    ModeResult r;
    Report(r, port.english, engine.Run());
    r.idle = engine.Run().State() == Ite::kIdle;
    r.linkClosed = !engine.LinkOpen();
    r.controlsEnabled = true;
    for (const char* b : {Ite::kCheckButton, Ite::kSetupButton, Ite::kReadButton, Ite::kWriteButton,
                          Ite::kExitButton})
        r.controlsEnabled = r.controlsEnabled && port.english.Enabled(b);
    r.namesStep = !r.failedStep.empty() || LineNamesStep(r.lines);
    Hold(r, r.outcome != Outcome::None, "an outcome");
    if (r.outcome == Outcome::Failed)
        Hold(r, !r.lines.empty() && !port.russian.Lines().empty(),
             "a failure says why in both logs");
    HoldWholeFile(r, a, q, kFlash);
    return r;
}

// ---------------------------------------------------------------- NPCE SPI

ModeResult RunNpce(const ModeAdapter& a, const ModeRequest& q) {
    RecordingPort port;
    NpceEngine engine(q.api, port);
    if (q.bound)
        engine.SetBounds({*q.bound, *q.bound, *q.bound, *q.bound, *q.bound});
    engine.Run().SetSafety(q.safety);
    port.QueueFileAnswer(q.file);
    if (a.Reads())
        engine.ReadClick();
    else
        engine.WriteClick();
    engine.WaitForWorker();
    ModeResult r;
    Report(r, port, engine.Run());
    r.idle = engine.Run().Idle();
    r.linkClosed = !engine.LinkOpen();
    r.controlsEnabled = port.Enabled(Npce::kReadButton) && port.Enabled(Npce::kWriteButton) &&
                        port.Enabled(Npce::kExitButton);
    r.namesStep = (!r.failedStep.empty() || r.outcome == Outcome::NoJig) && LineNamesStep(r.lines);
    Hold(r, r.outcome != Outcome::None, "an outcome");
    if (r.outcome == Outcome::Failed)
        Hold(r, !r.failedStep.empty(), "a failure names its step");
    HoldWholeFile(r, a, q, kFlash);
    return r;
}

// ---------------------------------------------------------------- Nuvoton JTAG

// Send settings and Check connect lead to every read or write, as the window leads.
ModeResult RunJtag(const ModeAdapter& a, const ModeRequest& q) {
    RecordingPort port;
    NuvotonJtagEngine engine(q.api, port);
    if (q.bound)
        engine.SetBounds({*q.bound, *q.bound, *q.bound});
    engine.SetScriptPath(std::string(TOLVANE_SOURCE_DIR) + "/data/NUVOTON.vss");
    engine.Run().SetSafety(q.safety);
    ModeResult r;
    r.idle = r.linkClosed = true;
    // After each step: nothing runs and the link is closed.
    auto settled = [&] {
        engine.WaitForOperation();
        r.idle = r.idle && !engine.Running() && !engine.EndTimerArmed();
        r.linkClosed = r.linkClosed && !engine.LinkOpen();
    };
    // The window back at its start: only Send settings.
    auto reset = [&] {
        return engine.SettingsEnabled() && !engine.ConnectEnabled() && !engine.TransferEnabled();
    };
    bool checked = false;     // the check was the operation, and it passed
    bool transferred = false; // a read or a write ran
    engine.SendSettings((q.variant & 0x02) == 0);
    settled();
    r.controlsEnabled = engine.SettingsEnabled() || engine.ConnectEnabled();
    if (engine.ConnectEnabled()) {
        engine.CheckConnect();
        settled();
        const bool ready = engine.TransferEnabled();
        checked = ready && std::string_view(a.operation) == "check";
        // A JIG not found leaves the step to try again.
        r.controlsEnabled = ready || reset() ||
                            (engine.Run().Result() == Outcome::NoJig && engine.ConnectEnabled());
    }
    if (engine.TransferEnabled() && std::string_view(a.operation) != "check") {
        port.QueueFileAnswer(q.file);
        if (a.Reads())
            engine.ReadClick();
        else
            engine.WriteClick();
        settled();
        transferred = true;
        // After a worker the steps start again; a transfer that never reached one (no JIG,
        // the file refused) leaves READ and WRITE to try again. A worker's thread always
        // spends some CPU time.
        const bool reachedWorker = engine.Run().WorkerCpuNanos() > 0;
        r.controlsEnabled =
            reachedWorker ? reset() : !engine.SettingsEnabled() && engine.TransferEnabled();
        Hold(r, engine.Run().Result() != Outcome::None, "an outcome");
    }
    Report(r, port, engine.Run());
    if (!transferred)
        r.succeeded = checked;
    r.namesStep = LineNamesStep(r.lines);
    HoldWholeFile(r, a, q, kFlash);
    return r;
}

// ---------------------------------------------------------------- EDID

// Runs in the caller's thread: over when it returns, and the window has no state of its own.
ModeResult RunEdid(const ModeAdapter& a, const ModeRequest& q) {
    RecordingPort port;
    ProgrammerLink link(q.api);
    port.QueueFileAnswer(q.file);
    // Test images carry no valid EDID checksum: the write asks whether to go on.
    port.QueueYesNo((q.variant & 0x02) == 0);
    ModeResult r;
    r.outcome = a.Reads() ? EdidRead(link, port, q.safety) : EdidWrite(link, port, q.safety);
    r.succeeded = r.outcome == Outcome::Succeeded;
    r.idle = true;
    r.linkClosed = !link.IsOpen();
    r.controlsEnabled = true;
    r.lines = port.Lines();
    r.messages = port.Messages();
    static const std::regex step("^(Reading|Writing) EEPROM.*: (no answer from the programmer|the "
                                 "programmer does not respond|stopped).*");
    for (const std::string& l : r.lines)
        r.namesStep = r.namesStep || std::regex_match(l, step) ||
                      l.find("The programmer is not found") != std::string::npos ||
                      l.rfind("Unknown answer of the programmer after ", 0) == 0;
    if (r.outcome == Outcome::Failed)
        Hold(r, !r.lines.empty(), "a failure says why");
    HoldWholeFile(r, a, q, kEeprom);
    return r;
}

// ---------------------------------------------------------------- keyboard tester

ModeResult RunKeyboard(const ModeAdapter&, const ModeRequest& q) {
    RecordingKeyboard shown;
    Keyboard::KeyboardScanner scanner(q.api, shown);
    scanner.SetHideCurrent((q.variant & 0x01) != 0);
    scanner.SetBuzzerOff((q.variant & 0x02) != 0);
    scanner.StartScanClick();
    bool answered = true;
    if (!q.scanToItsEnd) {
        answered = shown.WaitUntil(
            [](const RecordingKeyboard& k) {
                const auto running = k.Running();
                return k.Answers() >= 3 || (!running.empty() && !running.back());
            },
            milliseconds(10000));
        if (scanner.Scanning())
            scanner.StartScanClick(); // stops after the answer it waits for
    }
    scanner.Join();
    ModeResult r;
    r.succeeded = q.scanToItsEnd
                      ? shown.Answers() > 0
                      : answered && shown.Answers() >= 3 && scanner.EndReason() == "stopped";
    r.outcome = r.succeeded ? Outcome::Succeeded : Outcome::Failed;
    r.idle = scanner.State() == "NONE";
    r.linkClosed = true; // the scanner closes its link in its last act (EndScan)
    r.controlsEnabled = !scanner.Scanning() && (shown.Running().empty() || !shown.Running().back());
    // The status label says why no scan ran ("NO FTDI", "OLD FW"), the end reason why one
    // stopped.
    const std::string word = scanner.StatusWord();
    r.namesStep = !scanner.EndReason().empty() || word == "NO FTDI" || word == "OLD FW";
    r.lines = {word, scanner.EndReason()};
    for (const auto& change : shown.Changes())
        Hold(r, Keyboard::PinsOf(change.first).a != 0, "painted indicators exist");
    return r;
}
} // namespace

const std::vector<ModeAdapter>& ModeAdapters() {
    static const std::vector<ModeAdapter> adapters{
        {"ENE KB90XX", "read", {"pcb3", "pcb2-v41"}, kFlash, 256, RunEne},
        {"ENE KB90XX", "write", {"pcb3", "pcb2-v41"}, kFlash, 0, RunEne},
        {"ENE KB90XX", "ffc", {"pcb3"}, 0, 0, RunEne},
        {"MEC jtag", "check", {"pcb3", "pcb2-v42"}, 0, 0, RunMec},
        {"MEC jtag", "read", {"pcb3", "pcb2-v42"}, kMecMain, 1024, RunMec},
        {"MEC jtag", "erase", {"pcb3", "pcb2-v42"}, 0, 0, RunMec},
        {"MEC jtag", "write", {"pcb3", "pcb2-v42"}, kMecMain, 0, RunMec},
        {"ITE", "check", {"pcb3", "pcb2-ite"}, 0, 0, RunIte},
        {"ITE", "apply", {"pcb3", "pcb2-ite"}, 0, 0, RunIte},
        {"ITE", "read", {"pcb3", "pcb2-ite"}, kFlash, 256, RunIte},
        {"ITE", "write", {"pcb3", "pcb2-ite"}, kFlash, 0, RunIte},
        {"NUVOTON spi", "read", {"pcb3", "pcb2-npce"}, kFlash, 512, RunNpce},
        {"NUVOTON spi", "write", {"pcb3", "pcb2-npce"}, kFlash, 0, RunNpce},
        {"NUVOTON jtag", "check", {"pcb3", "pcb2-npce"}, 0, 0, RunJtag},
        {"NUVOTON jtag", "read", {"pcb3", "pcb2-npce"}, kFlash, 256, RunJtag},
        {"NUVOTON jtag", "write", {"pcb3", "pcb2-npce"}, kFlash, 0, RunJtag},
        {"EDID lcd", "read", {"pcb3", "pcb2-v41"}, kEeprom, kEeprom, RunEdid},
        {"EDID lcd", "write", {"pcb3", "pcb2-v41"}, kEeprom, 0, RunEdid},
        {"Keyboard testing", "scan", {"pcb3", "pcb2-v41"}, 0, 0, RunKeyboard},
    };
    return adapters;
}

const ModeAdapter* FindModeAdapter(std::string_view mode, std::string_view operation) {
    for (const ModeAdapter& a : ModeAdapters())
        if (mode == a.mode && operation == a.operation)
            return &a;
    return nullptr;
}
