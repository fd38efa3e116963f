#pragma once
// A bare link to a simulated JIG for tests that speak the protocol byte by byte.
#include "link/ProgrammerLink.h"
#include "sim/SimFtdiApi.h"

#include <initializer_list>
#include <memory>
#include <string>

// Device 0 opened at `baud` with 300 ms time-outs; nothing sent yet.
std::unique_ptr<ProgrammerLink> OpenRawLink(const std::shared_ptr<SimFtdiApi>& sim,
                                            DWORD baud = 921600);

// Sends `bytes` and returns what is queued once `atLeast` bytes are, or "<timed out>" (and the
// like) when they do not come within `bound`.
std::string Ask(ProgrammerLink& link, const std::string& bytes, std::size_t atLeast,
                Millis bound = Millis(2000));

// A frame written as byte values, for those above 7Fh.
std::string RawBytes(std::initializer_list<int> values);
