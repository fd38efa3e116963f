#include "link/ExpectSome.h"

#include <algorithm>

Reply ExpectSome(ProgrammerLink& link, std::size_t most, Deadline deadline, std::string step) {
    Reply r;
    r.step = std::move(step);
    FT_HANDLE h = link.Handle();
    if (!h) {
        r.outcome = WaitOutcome::DeviceError;
        return r;
    }
    r.outcome = h->WaitReceived(1, deadline);
    if (r.outcome != WaitOutcome::Ready)
        return r;
    FtdiApi& api = link.Api();
    DWORD queued = 0, txQueue = 0, events = 0;
    if (api.FT_GetStatus(h, &queued, &txQueue, &events) != FT_OK) {
        r.outcome = WaitOutcome::DeviceError;
        return r;
    }
    r.bytes.resize(std::clamp<std::size_t>(queued, 1, std::max<std::size_t>(most, 1)));
    DWORD got = 0;
    if (api.FT_Read(h, r.bytes.data(), static_cast<DWORD>(r.bytes.size()), &got) != FT_OK) {
        r.bytes.clear();
        r.outcome = WaitOutcome::DeviceError;
        return r;
    }
    r.bytes.resize(got);
    return r;
}
