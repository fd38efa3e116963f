#include "support/RawLink.h"

#include <gtest/gtest.h>

std::unique_ptr<ProgrammerLink> OpenRawLink(const std::shared_ptr<SimFtdiApi>& sim, DWORD baud) {
    auto link = std::make_unique<ProgrammerLink>(sim);
    FT_HANDLE h = nullptr;
    EXPECT_EQ(sim->FT_Open(0, &h), FT_OK);
    link->Adopt(h);
    sim->FT_SetBaudRate(h, baud);
    sim->FT_SetTimeouts(h, 300, 300);
    return link;
}

std::string Ask(ProgrammerLink& link, const std::string& bytes, std::size_t atLeast, Millis bound) {
    link.Send(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                            bytes.size()));
    const Reply r = link.ExpectQueued(atLeast, DeadlineIn(bound));
    if (r.outcome != WaitOutcome::Ready)
        return "<" + std::string(WaitOutcomeText(r.outcome)) + ">";
    return std::string(r.bytes.begin(), r.bytes.end());
}

std::string RawBytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}
