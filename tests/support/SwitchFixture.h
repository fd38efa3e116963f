#pragma once
// Start as the main window runs it, against the simulated JIG: the identification, then the
// firmware switch on this thread, with the windows written down.
#include "link/FtdiApi.h"
#include "shell/ReadThread_UPD.h"
#include "shell/StartFlow.h"
#include "support/RecordingSwitchPort.h"
#include "support/SimFixture.h"

#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// Bootloader calls repeated slowly enough that a busy machine never gets two answers to what
// the test counts as one call (tests aim faults at reply byte numbers).
inline SwitchTiming SteadyTiming() {
    SwitchTiming t;
    t.callRepeat = Millis(300);
    return t;
}

class SwitchFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Identification and, when it asks for it, the switch. `step` receives the first.
    SwitchOutcome Start(const std::shared_ptr<FtdiApi>& api, const std::string& mode,
                        SwitchTiming timing = SteadyTiming(), StartStep* step = nullptr);
    // The JIG's version text as a fresh identification sees it.
    static std::string VersionNow(const std::shared_ptr<FtdiApi>& api);
    std::string StartLogText() const;
    // A folder of its own for firmware files the test writes.
    std::string UseFirmwareFolder();

    TempDir dir;
    RecordingSwitchPort port;
    std::atomic<bool> bootWaitExpired{false};
};

std::string Text(const std::vector<std::uint8_t>& bytes);
std::size_t Count(const std::string& haystack, const std::string& needle);

// A backend that says it reaches a real JIG while the simulator serves it.
class RealLookingApi : public FtdiApi {
  public:
    explicit RealLookingApi(std::shared_ptr<FtdiApi> inner) : inner_(std::move(inner)) {}
    FT_STATUS FT_CreateDeviceInfoList(DWORD* n) override {
        return inner_->FT_CreateDeviceInfoList(n);
    }
    FT_STATUS FT_Open(int index, FT_HANDLE* h) override { return inner_->FT_Open(index, h); }
    bool IsRealHardware() const override { return true; }
    std::string Describe() const override { return "real-looking " + inner_->Describe(); }

  private:
    std::shared_ptr<FtdiApi> inner_;
};
