#pragma once
// The reply wait for an answer of no fixed size, whose end is a mark the mode knows (the
// keyboard's scan answer): beside ProgrammerLink::Expect, which waits for a fixed count.
#include "link/ProgrammerLink.h"
#include "link/Reply.h"
#include "link/WaitTypes.h"

#include <cstddef>
#include <string>

// By `deadline` (one timer may span several calls), whatever is queued once anything is, at
// most `most` bytes; the rest stays queued for the next call. No bytes unless Ready.
Reply ExpectSome(ProgrammerLink& link, std::size_t most, Deadline deadline, std::string step = {});
