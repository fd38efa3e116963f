#include "sim/SimFtdiApi.h"

#include "sim/Scenario.h"

#include <algorithm>
#include <cstdio>

SimFtdiApi::SimFtdiApi(const Scenario& scenario)
    : scenario_(std::make_unique<const Scenario>(scenario)) {
    for (const std::string& d : scenario_->devices)
        devices_.push_back(std::make_shared<SimJig>(*scenario_, d != "jig"));
}

SimFtdiApi::~SimFtdiApi() = default;

std::string SimFtdiApi::Describe() const {
    return "simulated JIG (" + scenario_->board + ", " + scenario_->versionText + ", " +
           (scenario_->timing == SimTiming::Wire ? "wire" : "instant") + " timing)";
}

SimJig& SimFtdiApi::Jig() {
    for (auto& d : devices_)
        if (!d->Silent())
            return *d;
    return *devices_.front();
}

FT_STATUS SimFtdiApi::FT_CreateDeviceInfoList(DWORD* numDevs) {
    *numDevs = 0;
    if (scenario_->ftdi.listFails)
        return FT_OTHER_ERROR;
    DWORD n = 0;
    for (auto& d : devices_)
        n += d->Vanished() ? 0 : 1;
    *numDevs = n;
    return FT_OK;
}

FT_STATUS SimFtdiApi::FT_Open(int index, FT_HANDLE* handle) {
    *handle = nullptr;
    const std::vector<int>& refused = scenario_->ftdi.openFails;
    if (std::find(refused.begin(), refused.end(), index) != refused.end())
        return FT_DEVICE_NOT_OPENED;
    int seen = 0;
    for (auto& d : devices_) {
        if (d->Vanished())
            continue;
        if (seen++ == index) {
            *handle = new SimDevice(d, scenario_->ftdi);
            return FT_OK;
        }
    }
    return FT_DEVICE_NOT_FOUND;
}

FT_STATUS SimFtdiApi::FT_GetDeviceInfoDetail(int index, FtdiDeviceInfo* info) {
    int seen = 0;
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        if (devices_[i]->Vanished() || seen++ != index)
            continue;
        char serial[32];
        std::snprintf(serial, sizeof serial, "TJS%05zu", i + 1);
        info->serialNumber = serial;
        info->description =
            devices_[i]->Silent() ? "simulated FTDI chip (nothing behind it)" : "simulated JIG";
        return FT_OK;
    }
    return FT_DEVICE_NOT_FOUND;
}

bool SimDevice::Fails(const char* call) const {
    const std::vector<std::string>& calls = faults_.failingCalls;
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

FT_STATUS SimDevice::GetDriverVersion(DWORD* version) {
    if (Fails("FT_GetDriverVersion"))
        return FT_IO_ERROR;
    *version = 0x00030216;
    return jig_->Vanished() ? FT_IO_ERROR : FT_OK;
}

FT_STATUS SimDevice::ResetDevice() {
    if (Fails("FT_ResetDevice"))
        return FT_IO_ERROR;
    if (jig_->Vanished())
        return FT_IO_ERROR;
    jig_->HostPurge(true, true);
    return FT_OK;
}

FT_STATUS SimDevice::SetBaudRate(DWORD baud) {
    if (Fails("FT_SetBaudRate"))
        return FT_IO_ERROR;
    if (jig_->Vanished())
        return FT_IO_ERROR;
    if (baud == 0)
        return FT_INVALID_BAUD_RATE;
    jig_->SetHostBaud(baud);
    return FT_OK;
}

FT_STATUS SimDevice::SetDataCharacteristics(UCHAR bits, UCHAR stop, UCHAR parity) {
    if (Fails("FT_SetDataCharacteristics"))
        return FT_IO_ERROR;
    if (jig_->Vanished())
        return FT_IO_ERROR;
    return bits == FT_BITS_8 && stop == FT_STOP_BITS_1 && parity == FT_PARITY_NONE
               ? FT_OK
               : FT_INVALID_PARAMETER;
}

FT_STATUS SimDevice::SetTimeouts(DWORD readMs, DWORD /*writeMs*/) {
    if (Fails("FT_SetTimeouts"))
        return FT_IO_ERROR;
    if (jig_->Vanished())
        return FT_IO_ERROR;
    readTimeout_ = Millis(readMs);
    return FT_OK;
}

FT_STATUS SimDevice::SetLatencyTimer(UCHAR ms) {
    if (Fails("FT_SetLatencyTimer"))
        return FT_IO_ERROR;
    if (jig_->Vanished())
        return FT_IO_ERROR;
    if (ms < 1)
        return FT_INVALID_PARAMETER;
    jig_->SetHostLatency(ms);
    return FT_OK;
}

FT_STATUS SimDevice::SetChars(UCHAR eventChar, UCHAR eventEnable, UCHAR, UCHAR) {
    if (jig_->Vanished())
        return FT_IO_ERROR;
    jig_->SetHostEventChar(eventEnable ? std::optional<std::uint8_t>(eventChar) : std::nullopt);
    return FT_OK;
}

FT_STATUS SimDevice::Purge(DWORD mask) {
    if (jig_->Vanished())
        return FT_IO_ERROR;
    jig_->HostPurge(mask & FT_PURGE_RX, mask & FT_PURGE_TX);
    return FT_OK;
}

FT_STATUS SimDevice::Write(const void* data, DWORD count, DWORD* written) {
    *written = 0;
    if (jig_->Vanished())
        return FT_IO_ERROR;
    jig_->HostWrite(static_cast<const std::uint8_t*>(data), count);
    *written = count;
    return FT_OK;
}

FT_STATUS SimDevice::Read(void* data, DWORD count, DWORD* got) {
    *got = 0;
    if (jig_->Vanished())
        return FT_IO_ERROR;
    *got = static_cast<DWORD>(jig_->HostReadTimed(static_cast<std::uint8_t*>(data), count,
                                                  DeadlineIn(readTimeout_), &interrupt_));
    return jig_->Vanished() && *got == 0 ? FT_IO_ERROR : FT_OK;
}

FT_STATUS SimDevice::GetStatus(DWORD* rxQueue, DWORD* txQueue, DWORD* events) {
    *rxQueue = *txQueue = *events = 0;
    if (jig_->Vanished())
        return FT_IO_ERROR;
    *rxQueue = static_cast<DWORD>(jig_->HostAvailable());
    *txQueue = static_cast<DWORD>(jig_->HostTxPending());
    return FT_OK;
}

WaitOutcome SimDevice::WaitReceived(std::size_t count, Deadline deadline) {
    return jig_->HostWaitReceived(count, deadline, &interrupt_);
}

WaitOutcome SimDevice::WaitSent(Deadline deadline) {
    return jig_->HostWaitSent(deadline, &interrupt_);
}

void SimDevice::Interrupt() {
    interrupt_.store(true);
    jig_->WakeWaiters();
}

void SimDevice::ClearInterrupt() {
    interrupt_.store(false);
}
