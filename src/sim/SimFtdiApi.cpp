#include "sim/SimFtdiApi.h"

SimFtdiApi::SimFtdiApi(const Scenario& scenario) : scenario_(scenario) {
    for (const std::string& d : scenario_.devices)
        devices_.push_back(std::make_shared<SimJig>(scenario_, d != "jig"));
}

std::string SimFtdiApi::Describe() const {
    return "simulated JIG (" + scenario_.board + ", " + scenario_.versionText + ", " +
           (scenario_.timing == SimTiming::Wire ? "wire" : "instant") + " timing)";
}

SimJig& SimFtdiApi::Jig() {
    for (auto& d : devices_)
        if (!d->Silent())
            return *d;
    return *devices_.front();
}

FT_STATUS SimFtdiApi::FT_CreateDeviceInfoList(DWORD* numDevs) {
    DWORD n = 0;
    for (auto& d : devices_)
        n += d->Vanished() ? 0 : 1;
    *numDevs = n;
    return FT_OK;
}

FT_STATUS SimFtdiApi::FT_Open(int index, FT_HANDLE* handle) {
    *handle = nullptr;
    int seen = 0;
    for (auto& d : devices_) {
        if (d->Vanished())
            continue;
        if (seen++ == index) {
            *handle = new SimDevice(d);
            return FT_OK;
        }
    }
    return FT_DEVICE_NOT_FOUND;
}

FT_STATUS SimDevice::GetDriverVersion(DWORD* version) {
    *version = 0x00030216;
    return jig_->Vanished() ? FT_IO_ERROR : FT_OK;
}

FT_STATUS SimDevice::ResetDevice() {
    if (jig_->Vanished())
        return FT_IO_ERROR;
    jig_->HostPurge(true, true);
    return FT_OK;
}

FT_STATUS SimDevice::SetBaudRate(DWORD baud) {
    if (jig_->Vanished())
        return FT_IO_ERROR;
    if (baud == 0)
        return FT_INVALID_BAUD_RATE;
    jig_->SetHostBaud(baud);
    return FT_OK;
}

FT_STATUS SimDevice::SetDataCharacteristics(UCHAR bits, UCHAR stop, UCHAR parity) {
    if (jig_->Vanished())
        return FT_IO_ERROR;
    return bits == FT_BITS_8 && stop == FT_STOP_BITS_1 && parity == FT_PARITY_NONE
               ? FT_OK
               : FT_INVALID_PARAMETER;
}

FT_STATUS SimDevice::SetTimeouts(DWORD readMs, DWORD /*writeMs*/) {
    if (jig_->Vanished())
        return FT_IO_ERROR;
    readTimeout_ = Millis(readMs);
    return FT_OK;
}

FT_STATUS SimDevice::SetLatencyTimer(UCHAR ms) {
    if (jig_->Vanished())
        return FT_IO_ERROR;
    if (ms < 1)
        return FT_INVALID_PARAMETER;
    jig_->SetHostLatency(ms);
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
