#pragma once
// "ite write" reads the flash back after writing it and compares it with what was written.
#include "cli/IteCli.h"

#include <cstdint>
#include <string>

// Reads the flash into a temporary file and compares it with the image the write put on the
// chip. Returns the exit status; a difference names its first offset, and a verify that fails
// says where the chip stands. Adds the read's figures to `bytes` and `workerCpu`.
int VerifyIteWrite(IteEngine& engine, IteCliPort& port, const CliArgs& args, std::uint64_t* bytes,
                   std::int64_t* workerCpu);

// The "ite write" that puts a backup back, with this command's wiring options.
std::string IteWriteCommand(const CliArgs& args);
