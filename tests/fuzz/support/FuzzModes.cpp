#include "support/FuzzModes.h"

#include "modes/Edid/EdidEngine.h"
#include "modes/Edid/EdidImage.h"
#include "modes/Ite/IteEngine.h"
#include "modes/Kb901x_form/Kb901xEngine.h"
#include "modes/Keyboard/KeyboardScanner.h"
#include "modes/Mec16xx/Mec16xxEngine.h"
#include "modes/Npce/NpceEngine.h"
#include "modes/Nuvoton_jtag_form/NuvotonJtagEngine.h"
#include "sim/chips/IteEc.h"
#include "support/FuzzFile.h"
#include "support/FuzzJig.h"
#include "support/RecordingItePort.h"
#include "support/RecordingKeyboard.h"
#include "support/RecordingPort.h"

#include <cstdio>
#include <cstdlib>

#ifndef TOLVANE_SOURCE_DIR
#error "TOLVANE_SOURCE_DIR names the checkout"
#endif

namespace {
constexpr std::uint64_t kFlash = 131072;
constexpr std::uint64_t kMecMain = 196608;
constexpr std::uint64_t kMecInfo = 2048;

struct Checks {
    ModeRunResult result;
    void Hold(bool ok, const char* what) {
        if (!ok)
            result.broken.push_back(what);
    }
};

ModeRunResult RunEne(std::uint8_t op, const std::shared_ptr<FtdiApi>& api) {
    Checks c;
    RecordingPort port;
    const std::string out = FuzzOutput("ene-read.bin");
    Kb901xEngine engine(api, port);
    const int which = op % 3;
    if (which == 0) {
        port.QueueFileAnswer(out);
        engine.ReadClick();
    } else if (which == 1) {
        port.QueueFileAnswer(FuzzImage(kFlash));
        engine.WriteClick();
    } else {
        engine.ApplyFfcSettings("Example KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8", "30 pin",
                                (op & 0x80) != 0);
    }
    engine.WaitForWorker();
    c.Hold(engine.Run().State() == "NONE", "state NONE");
    c.Hold(!engine.LinkOpen(), "link closed");
    if (which != 2) {
        c.Hold(engine.Run().Result() != Outcome::None, "an outcome");
        c.Hold(port.Enabled(Kb90::kReadButton) && port.Enabled(Kb90::kWriteButton) &&
                   port.Enabled(Kb90::kExitButton),
               "buttons enabled");
        c.result.succeeded = engine.Run().Result() == Outcome::Succeeded;
    } else {
        c.result.succeeded = engine.FfcSettings();
    }
    if (which == 0 && c.result.succeeded)
        c.Hold(FuzzFileSize(out) == kFlash, "a read's file holds the whole flash");
    if (engine.Run().Result() == Outcome::Failed)
        c.Hold(!port.Lines().empty(), "a failure says why");
    return c.result;
}

ModeRunResult RunMec(std::uint8_t op, const std::shared_ptr<FtdiApi>& api) {
    Checks c;
    RecordingPort port;
    const std::string out = FuzzOutput("mec-read.bin");
    Mec16xxEngine engine(api, port);
    const int which = op % 4;
    const bool info = (op & 0x80) != 0;
    if (which == 0) {
        engine.CheckClick();
    } else if (which == 1) {
        port.QueueFileAnswer(out);
        engine.ReadClick(info);
    } else if (which == 2) {
        engine.EraseClick(info);
    } else {
        port.QueueFileAnswer(FuzzImage(kMecMain));
        engine.WriteClick();
    }
    engine.WaitForWorker();
    c.Hold(engine.Run().State() == "NONE", "state NONE");
    c.Hold(!engine.LinkOpen(), "link closed");
    c.Hold(!engine.FileOpen(), "file closed");
    c.Hold(engine.Run().Result() != Outcome::None, "an outcome");
    c.result.succeeded = engine.Run().Result() == Outcome::Succeeded;
    if (which == 1 && c.result.succeeded)
        c.Hold(FuzzFileSize(out) == kMecMain + (info ? kMecInfo : 0),
               "a read's file holds the whole flash");
    if (engine.Run().Result() == Outcome::Failed)
        c.Hold(!engine.Run().FailedStep().empty(), "a failure names its step");
    return c.result;
}

ModeRunResult RunIte(std::uint8_t op, const std::shared_ptr<FtdiApi>& api) {
    Checks c;
    RecordingItePort port;
    const std::string out = FuzzOutput("ite-read.bin");
    IteEngine engine(api, port);
    const int which = op % 4;
    IteAssignment boxes = SimulatedIteBoxes();
    if (op & 0x80)
        boxes[3] = Ite::kNoSelection;
    // Every operation but APPLY runs after the wiring was sent, as a technician does it.
    engine.ApplyClick(boxes);
    if (which != 1) {
        engine.WaitForWorker();
        port.english.ClearLog();
    }
    switch (which) {
    case 0:
        engine.CheckClick();
        break;
    case 1:
        break;
    case 2:
        port.english.QueueFileAnswer(out);
        engine.ReadClick();
        break;
    default:
        port.english.QueueFileAnswer(FuzzImage(kFlash));
        engine.WriteClick();
        break;
    }
    engine.WaitForWorker();
    c.Hold(engine.Run().State() == Ite::kIdle, "state NONE");
    c.Hold(!engine.LinkOpen(), "link closed");
    c.Hold(engine.Run().Result() != Outcome::None, "an outcome");
    for (const char* b : {Ite::kCheckButton, Ite::kSetupButton, Ite::kReadButton, Ite::kWriteButton,
                          Ite::kExitButton})
        c.Hold(port.english.Enabled(b), "buttons enabled");
    c.result.succeeded = engine.Run().Result() == Outcome::Succeeded;
    if (which == 2 && c.result.succeeded)
        c.Hold(FuzzFileSize(out) == kFlash, "a read's file holds the whole flash");
    if (engine.Run().Result() == Outcome::Failed)
        c.Hold(!port.english.Lines().empty() && !port.russian.Lines().empty(),
               "a failure says why in both logs");
    return c.result;
}

ModeRunResult RunNpce(std::uint8_t op, const std::shared_ptr<FtdiApi>& api) {
    Checks c;
    RecordingPort port;
    const std::string out = FuzzOutput("npce-read.bin");
    const bool read = (op & 1) == 0;
    NpceEngine engine(api, port);
    port.QueueFileAnswer(read ? out : FuzzImage(kFlash));
    if (read)
        engine.ReadClick();
    else
        engine.WriteClick();
    engine.WaitForWorker();
    c.Hold(engine.Run().Idle(), "state NONE");
    c.Hold(!engine.LinkOpen(), "link closed");
    c.Hold(engine.Run().Result() != Outcome::None, "an outcome");
    c.Hold(port.Enabled(Npce::kReadButton) && port.Enabled(Npce::kWriteButton) &&
               port.Enabled(Npce::kExitButton),
           "buttons enabled");
    c.result.succeeded = engine.Run().Result() == Outcome::Succeeded;
    if (read && c.result.succeeded)
        c.Hold(FuzzFileSize(out) == kFlash, "a read's file holds the whole flash");
    if (engine.Run().Result() == Outcome::Failed)
        c.Hold(!engine.Run().FailedStep().empty(), "a failure names its step");
    return c.result;
}

ModeRunResult RunJtag(std::uint8_t op, const std::shared_ptr<FtdiApi>& api) {
    Checks c;
    RecordingPort port;
    const std::string out = FuzzOutput("jtag-read.bin");
    const bool read = (op & 1) == 0;
    NuvotonJtagEngine engine(api, port);
    auto idle = [&] {
        c.Hold(!engine.Running(), "state NONE");
        c.Hold(!engine.LinkOpen(), "link closed");
        c.Hold(!engine.EndTimerArmed(), "end timer run");
    };
    engine.SetScriptPath(std::string(TOLVANE_SOURCE_DIR) + "/data/NUVOTON.vss");
    engine.SendSettings((op & 2) != 0);
    engine.WaitForOperation();
    idle();
    if (engine.ConnectEnabled()) {
        engine.CheckConnect();
        engine.WaitForOperation();
        idle();
    }
    if (engine.TransferEnabled()) {
        port.QueueFileAnswer(read ? out : FuzzImage(kFlash));
        if (read)
            engine.ReadClick();
        else
            engine.WriteClick();
        engine.WaitForOperation();
        idle();
        c.Hold(engine.Run().Result() != Outcome::None, "an outcome");
        // After a worker the steps start again; a link that did not open for the transfer
        // leaves READ and WRITE to try again.
        c.Hold(engine.SettingsEnabled() ||
                   (engine.Run().Result() == Outcome::NoJig && engine.TransferEnabled()),
               "the steps start again");
        c.result.succeeded = engine.Run().Result() == Outcome::Succeeded;
        c.result.lines = port.Lines();
        if (read && c.result.succeeded)
            c.Hold(FuzzFileSize(out) == kFlash, "a read's file holds the whole flash");
    }
    return c.result;
}

ModeRunResult RunEdid(std::uint8_t op, const std::shared_ptr<FtdiApi>& api) {
    Checks c;
    RecordingPort port;
    ProgrammerLink link(api);
    const std::string out = FuzzOutput("edid-read.bin");
    const bool read = (op & 1) == 0;
    Outcome outcome;
    if (read) {
        port.QueueFileAnswer(out);
        outcome = EdidRead(link, port);
    } else {
        port.QueueFileAnswer(FuzzImage(Edid::kImageSize));
        port.QueueYesNo((op & 2) != 0);
        outcome = EdidWrite(link, port);
    }
    c.Hold(!link.IsOpen(), "link closed");
    c.result.succeeded = outcome == Outcome::Succeeded;
    if (read && c.result.succeeded)
        c.Hold(FuzzFileSize(out) == Edid::kImageSize, "a read's file holds the EEPROM");
    if (outcome == Outcome::Failed)
        c.Hold(!port.Lines().empty(), "a failure says why");
    return c.result;
}

ModeRunResult RunKeyboard(std::uint8_t op, const std::shared_ptr<FtdiApi>& api) {
    Checks c;
    RecordingKeyboard display;
    Keyboard::KeyboardScanner scanner(api, display);
    scanner.SetHideCurrent((op & 1) != 0);
    scanner.SetBuzzerOff((op & 2) != 0);
    scanner.StartScanClick();
    scanner.Join();
    c.Hold(scanner.State() == "NONE", "state NONE");
    c.Hold(display.Running().empty() || !display.Running().back(), "scan shown as ended");
    for (const auto& change : display.Changes())
        c.Hold(Keyboard::PinsOf(change.first).a != 0, "painted indicators exist");
    c.result.succeeded = display.Answers() > 0;
    return c.result;
}
} // namespace

const std::vector<FuzzMode>& FuzzModes() {
    static const std::vector<FuzzMode> modes{
        {"ene", {{0, "read"}, {1, "write"}, {2, "ffc"}}, RunEne},
        {"mec",
         {{0, "check"}, {1, "read"}, {2, "erase"}, {3, "write"}, {0x81, "read-info"}},
         RunMec},
        {"ite", {{0, "check"}, {1, "apply"}, {2, "read"}, {3, "write"}}, RunIte},
        {"npce", {{0, "read"}, {1, "write"}}, RunNpce},
        {"jtag", {{2, "read"}, {3, "write"}}, RunJtag},
        {"edid", {{0, "read"}, {3, "write"}}, RunEdid},
        {"keyboard", {{0, "scan"}}, RunKeyboard},
    };
    return modes;
}

const FuzzMode& FindFuzzMode(const std::string& name) {
    for (const FuzzMode& m : FuzzModes())
        if (name == m.name)
            return m;
    std::fprintf(stderr, "no fuzzed mode %s\n", name.c_str());
    std::abort();
}

IteAssignment SimulatedIteBoxes() {
    IteAssignment boxes{};
    const auto& wiring = SimIteEc::DefaultWiring();
    for (const IteSignal& s : IteSignals())
        boxes[static_cast<std::size_t>(s.box - 1)] = wiring.at(s.name);
    return boxes;
}

int RunFuzzedMode(const std::string& name, const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    auto api = std::make_shared<FuzzFtdiApi>(data + 1, size - 1);
    const ModeRunResult r = FindFuzzMode(name).run(data[0], api);
    if (!r.broken.empty()) {
        for (const std::string& what : r.broken)
            std::fprintf(stderr, "%s: property failed: %s\n", name.c_str(), what.c_str());
        for (const std::string& line : r.lines)
            std::fprintf(stderr, "  | %s\n", line.c_str());
        std::abort();
    }
    return 0;
}
