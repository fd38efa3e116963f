#pragma once
// How an operation ends whose file was refused for `reason` (the text after "PATH: "): a file
// that was read and refused (empty, too large) fails it; one that could not be had at all
// (missing, a folder, a device, a pipe) leaves it without a file.
#include "operation/Outcome.h"

#include <string>

inline Outcome RefusalFor(const std::string& reason) {
    const bool read = reason == "the file is empty" || reason.starts_with("larger than");
    return read ? Outcome::Failed : Outcome::NoFile;
}
