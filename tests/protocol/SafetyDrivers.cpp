#include "SafetyDrivers.h"

#include "modes/Ite/IteBus.h"
#include "modes/Ite/IteSignals.h"
#include "modes/Nuvoton_jtag_form/JtagFrames.h"

#include <gtest/gtest.h>

namespace {
constexpr Millis kShort{500};

class EneDriver : public ModeDriver {
  public:
    const char* Section() const override { return "ene"; }
    std::size_t Size() const override { return 131072; }
    void Attach(std::shared_ptr<SimFtdiApi> sim) override {
        engine_ = std::make_unique<Kb901xEngine>(sim, port_);
    }
    bool Read(const std::string& file, const SafetyOptions& safety) override {
        engine_->Run().SetSafety(safety);
        port_.QueueFileAnswer(file);
        engine_->ReadClick();
        engine_->WaitForWorker();
        return engine_->Run().Result() == Outcome::Succeeded;
    }
    bool Write(const std::string& file, const SafetyOptions& safety) override {
        engine_->Run().SetSafety(safety);
        port_.QueueFileAnswer(file);
        engine_->WriteClick();
        engine_->WaitForWorker();
        return engine_->Run().Result() == Outcome::Succeeded;
    }
    std::vector<std::string> Lines() const override { return port_.Lines(); }
    bool Idle() const override { return engine_->Run().State() == "NONE" && !engine_->LinkOpen(); }
    void ShortBounds() override { engine_->SetBounds({kShort, kShort, kShort, kShort, kShort}); }
    void Detach() override { engine_.reset(); }

  private:
    RecordingPort port_;
    std::unique_ptr<Kb901xEngine> engine_;
};

class NpceDriver : public ModeDriver {
  public:
    const char* Section() const override { return "npce-spi"; }
    std::size_t Size() const override { return 131072; }
    void Attach(std::shared_ptr<SimFtdiApi> sim) override {
        engine_ = std::make_unique<NpceEngine>(sim, port_);
    }
    bool Read(const std::string& file, const SafetyOptions& safety) override {
        engine_->Run().SetSafety(safety);
        port_.QueueFileAnswer(file);
        engine_->ReadClick();
        engine_->WaitForWorker();
        return engine_->Run().Result() == Outcome::Succeeded;
    }
    bool Write(const std::string& file, const SafetyOptions& safety) override {
        engine_->Run().SetSafety(safety);
        port_.QueueFileAnswer(file);
        engine_->WriteClick();
        engine_->WaitForWorker();
        return engine_->Run().Result() == Outcome::Succeeded;
    }
    std::vector<std::string> Lines() const override { return port_.Lines(); }
    bool Idle() const override { return engine_->Run().Idle() && !engine_->LinkOpen(); }
    void ShortBounds() override { engine_->SetBounds({kShort, kShort, kShort, kShort, kShort}); }
    void Detach() override { engine_.reset(); }

  private:
    RecordingPort port_;
    std::unique_ptr<NpceEngine> engine_;
};

// The simulated board's own wiring ("Example board 1") is applied first, as a technician
// would with APPLY.
class IteDriver : public ModeDriver {
  public:
    const char* Section() const override { return "ite"; }
    std::size_t Size() const override { return 131072; }
    void Attach(std::shared_ptr<SimFtdiApi> sim) override {
        engine_ = std::make_unique<IteEngine>(sim, port_);
        IteAssignment boxes{};
        const auto& wiring = SimIteEc::DefaultWiring();
        for (const IteSignal& s : IteSignals())
            boxes[static_cast<std::size_t>(s.box - 1)] = wiring.at(s.name);
        engine_->ApplyClick(boxes);
        engine_->WaitForWorker();
        EXPECT_EQ(engine_->Run().Result(), Outcome::Succeeded);
    }
    bool Read(const std::string& file, const SafetyOptions& safety) override {
        engine_->Run().SetSafety(safety);
        port_.english.QueueFileAnswer(file);
        engine_->ReadClick();
        engine_->WaitForWorker();
        return engine_->Run().Result() == Outcome::Succeeded;
    }
    bool Write(const std::string& file, const SafetyOptions& safety) override {
        engine_->Run().SetSafety(safety);
        port_.english.QueueFileAnswer(file);
        engine_->WriteClick();
        engine_->WaitForWorker();
        return engine_->Run().Result() == Outcome::Succeeded;
    }
    std::vector<std::string> Lines() const override { return port_.english.Lines(); }
    bool Idle() const override { return engine_->Run().State() == "NONE" && !engine_->LinkOpen(); }
    void ShortBounds() override { engine_->SetBounds({kShort, kShort, kShort, kShort}); }
    void Detach() override { engine_.reset(); }

  private:
    RecordingItePort port_;
    std::unique_ptr<IteEngine> engine_;
};

// Every read or write starts from Send settings and Check connect, as the window leads.
class JtagDriver : public ModeDriver {
  public:
    const char* Section() const override { return "npceJtag"; }
    std::size_t Size() const override { return 131072; }
    void Attach(std::shared_ptr<SimFtdiApi> sim) override {
        engine_ = std::make_unique<NuvotonJtagEngine>(sim, port_);
    }
    bool Read(const std::string& file, const SafetyOptions& safety) override {
        if (!Prepare(safety))
            return false;
        port_.QueueFileAnswer(file);
        engine_->ReadClick();
        engine_->WaitForOperation();
        return engine_->Run().Result() == Outcome::Succeeded;
    }
    bool Write(const std::string& file, const SafetyOptions& safety) override {
        if (!Prepare(safety))
            return false;
        port_.QueueFileAnswer(file);
        engine_->WriteClick();
        engine_->WaitForOperation();
        return engine_->Run().Result() == Outcome::Succeeded;
    }
    std::vector<std::string> Lines() const override { return port_.Lines(); }
    bool Idle() const override { return !engine_->Running() && !engine_->LinkOpen(); }
    void ShortBounds() override { engine_->SetBounds({kShort, kShort, kShort}); }
    void Detach() override { engine_.reset(); }

  private:
    bool Prepare(const SafetyOptions& safety) {
        engine_->Run().SetSafety(safety);
        engine_->SendSettings(true);
        engine_->CheckConnect();
        engine_->WaitForOperation();
        return engine_->Run().Result() == Outcome::Succeeded;
    }
    RecordingPort port_;
    std::unique_ptr<NuvotonJtagEngine> engine_;
};

class EdidDriver : public ModeDriver {
  public:
    const char* Section() const override { return "edid"; }
    std::size_t Size() const override { return 256; }
    void Attach(std::shared_ptr<SimFtdiApi> sim) override {
        link_ = std::make_unique<ProgrammerLink>(sim);
    }
    bool Read(const std::string& file, const SafetyOptions& safety) override {
        port_.QueueFileAnswer(file);
        return EdidRead(*link_, port_, safety) == Outcome::Succeeded;
    }
    bool Write(const std::string& file, const SafetyOptions& safety) override {
        port_.QueueFileAnswer(file);
        port_.QueueYesNo(true); // test images carry no valid EDID checksum
        return EdidWrite(*link_, port_, safety) == Outcome::Succeeded;
    }
    std::vector<std::string> Lines() const override { return port_.Lines(); }
    bool Idle() const override { return !link_->IsOpen(); }
    void ShortBounds() override {} // its waits are the EEPROM's own, a few seconds
    // A cable without a panel: the JIG answers "ER" to the read.
    std::string BrokenReadKeys() const override { return R"("panel": false)"; }
    void Detach() override { link_.reset(); }

  private:
    RecordingPort port_;
    std::unique_ptr<ProgrammerLink> link_;
};

template <class Driver> std::function<std::unique_ptr<ModeDriver>()> Make() {
    return [] { return std::make_unique<Driver>(); };
}
} // namespace

std::vector<ModeCase> SafetyModeCases() {
    return {
        {"EnePcb2", "pcb2-v41", Make<EneDriver>()},    {"EnePcb3", "pcb3", Make<EneDriver>()},
        {"NpcePcb2", "pcb2-npce", Make<NpceDriver>()}, {"NpcePcb3", "pcb3", Make<NpceDriver>()},
        {"ItePcb2", "pcb2-ite", Make<IteDriver>()},    {"ItePcb3", "pcb3", Make<IteDriver>()},
        {"JtagPcb3", "pcb3", Make<JtagDriver>()},      {"EdidPcb2", "pcb2-v41", Make<EdidDriver>()},
        {"EdidPcb3", "pcb3", Make<EdidDriver>()},
    };
}

std::vector<std::uint8_t> EraseOrWriteCommand(const std::string& section, bool pcb3) {
    auto frame = [pcb3](char prefix, std::uint8_t command) {
        return pcb3 ? std::vector<std::uint8_t>{static_cast<std::uint8_t>(prefix), command}
                    : std::vector<std::uint8_t>{command};
    };
    if (section == "ene")
        return frame('K', 'W');
    if (section == "npce-spi")
        return frame('N', 'e');
    if (section == "ite") // the chip erase opcode into the flash port
        return IteFrames::Command(pcb3, IteCommand::DataWrite, 0x60);
    if (section == "npceJtag")
        return NuvJtag::BatchFrame(NuvJtag::kModeRaw, NuvJtag::EraseSectorEntries(0));
    return {'E', 'w'};
}
