#pragma once
// The in-process simulated JIG as an FTDI backend ("sim[:BOARD]").
#include "link/FtdiApi.h"
#include "sim/SimJig.h"

#include <memory>
#include <vector>

class SimFtdiApi : public FtdiApi {
  public:
    explicit SimFtdiApi(const Scenario& scenario);
    ~SimFtdiApi() override;

    FT_STATUS FT_CreateDeviceInfoList(DWORD* numDevs) override;
    FT_STATUS FT_Open(int index, FT_HANDLE* handle) override;
    // Serial numbers TJS00001, TJS00002 ... in the scenario's order of devices.
    FT_STATUS FT_GetDeviceInfoDetail(int index, FtdiDeviceInfo* info) override;
    bool IsRealHardware() const override { return false; }
    std::string Describe() const override;

    // The first device that is a JIG (tests and --stats look into it).
    SimJig& Jig();
    SimJig& Device(int index) { return *devices_.at(static_cast<std::size_t>(index)); }
    int DeviceCount() const { return static_cast<int>(devices_.size()); }
    const Scenario& ScenarioData() const { return *scenario_; }

  private:
    std::unique_ptr<const Scenario> scenario_;
    std::vector<std::shared_ptr<SimJig>> devices_;
};

// One open handle on a simulated device.
class SimDevice : public FtdiDevice {
  public:
    SimDevice(std::shared_ptr<SimJig> jig, const FtdiFaultSpec& faults)
        : jig_(std::move(jig)), faults_(faults) {}

    FT_STATUS GetDriverVersion(DWORD* version) override;
    FT_STATUS ResetDevice() override;
    FT_STATUS SetBaudRate(DWORD baud) override;
    FT_STATUS SetDataCharacteristics(UCHAR bits, UCHAR stop, UCHAR parity) override;
    FT_STATUS SetTimeouts(DWORD readMs, DWORD writeMs) override;
    FT_STATUS SetLatencyTimer(UCHAR ms) override;
    FT_STATUS SetChars(UCHAR eventChar, UCHAR eventEnable, UCHAR errorChar,
                       UCHAR errorEnable) override;
    FT_STATUS Purge(DWORD mask) override;
    FT_STATUS Write(const void* data, DWORD count, DWORD* written) override;
    FT_STATUS Read(void* data, DWORD count, DWORD* got) override;
    FT_STATUS GetStatus(DWORD* rxQueue, DWORD* txQueue, DWORD* events) override;
    WaitOutcome WaitReceived(std::size_t count, Deadline deadline) override;
    WaitOutcome WaitSent(Deadline deadline) override;
    void Interrupt() override;
    void ClearInterrupt() override;

  private:
    // A set-up call the scenario makes fail (it then changes nothing).
    bool Fails(const char* call) const;

    std::shared_ptr<SimJig> jig_;
    FtdiFaultSpec faults_;
    Millis readTimeout_{300};
    std::atomic<bool> interrupt_{false};
};
