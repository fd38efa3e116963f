#pragma once
// "ite write" reads the flash back after writing it and compares it with what was written.
#include "cli/IteCli.h"

#include <cstdint>
#include <string>

// Reads the flash into a temporary file and compares it with the image `file` gives (its first
// 131072 bytes, a shorter file filled up with 0xFF). Returns the exit status; a difference names
// its first offset. Adds the read's figures to `bytes` and `workerCpu`.
int VerifyIteWrite(IteEngine& engine, IteCliPort& port, const std::string& file,
                   std::uint64_t* bytes, std::int64_t* workerCpu);
