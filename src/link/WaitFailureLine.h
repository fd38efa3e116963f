#pragma once
// The log line of a wait for the JIG that ended without its answer, naming the step it was at:
// "Timeout: no answer from the JIG (block 100 of 512)".
#include "link/Reply.h"
#include "link/WaitTypes.h"

#include <string>

std::string WaitFailureLine(WaitOutcome outcome, const std::string& step);
