#include "link/FtdiApi.h"

#include "port/TrNoop.h"

const char* WaitOutcomeText(WaitOutcome outcome) {
    switch (outcome) {
    case WaitOutcome::Ready:
        return TR_NOOP("Link", "ready");
    case WaitOutcome::TimedOut:
        return TR_NOOP("Link", "timed out");
    case WaitOutcome::Cancelled:
        return TR_NOOP("Link", "cancelled");
    case WaitOutcome::DeviceError:
        return TR_NOOP("Link", "device error");
    }
    return "?";
}

FT_STATUS FtdiDevice::SetChars(UCHAR, UCHAR, UCHAR, UCHAR) {
    return FT_OK;
}

FT_STATUS FtdiApi::FT_GetDeviceInfoDetail(int, FtdiDeviceInfo*) {
    return FT_NOT_SUPPORTED;
}

FT_STATUS FtdiApi::FT_Close(FT_HANDLE handle) {
    if (!handle)
        return FT_INVALID_HANDLE;
    delete handle;
    return FT_OK;
}

#define FORWARD(call)                                                                              \
    if (!handle)                                                                                   \
        return FT_INVALID_HANDLE;                                                                  \
    return handle->call

FT_STATUS FtdiApi::FT_GetDriverVersion(FT_HANDLE handle, DWORD* v) {
    FORWARD(GetDriverVersion(v));
}
FT_STATUS FtdiApi::FT_ResetDevice(FT_HANDLE handle) {
    FORWARD(ResetDevice());
}
FT_STATUS FtdiApi::FT_SetBaudRate(FT_HANDLE handle, DWORD baud) {
    FORWARD(SetBaudRate(baud));
}
FT_STATUS FtdiApi::FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR b, UCHAR s, UCHAR p) {
    FORWARD(SetDataCharacteristics(b, s, p));
}
FT_STATUS FtdiApi::FT_SetTimeouts(FT_HANDLE handle, DWORD r, DWORD w) {
    FORWARD(SetTimeouts(r, w));
}
FT_STATUS FtdiApi::FT_SetLatencyTimer(FT_HANDLE handle, UCHAR ms) {
    FORWARD(SetLatencyTimer(ms));
}
FT_STATUS FtdiApi::FT_SetChars(FT_HANDLE handle, UCHAR ev, UCHAR evOn, UCHAR er, UCHAR erOn) {
    FORWARD(SetChars(ev, evOn, er, erOn));
}
FT_STATUS FtdiApi::FT_Purge(FT_HANDLE handle, DWORD mask) {
    FORWARD(Purge(mask));
}
FT_STATUS FtdiApi::FT_Write(FT_HANDLE handle, const void* d, DWORD n, DWORD* written) {
    FORWARD(Write(d, n, written));
}
FT_STATUS FtdiApi::FT_Read(FT_HANDLE handle, void* d, DWORD n, DWORD* got) {
    FORWARD(Read(d, n, got));
}
FT_STATUS FtdiApi::FT_GetStatus(FT_HANDLE handle, DWORD* rx, DWORD* tx, DWORD* ev) {
    FORWARD(GetStatus(rx, tx, ev));
}
#undef FORWARD
