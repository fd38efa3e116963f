#pragma once
// Reflashing the M88 with a mode's Intel HEX firmware once its bootloader has greeted.
#include "link/ProgrammerLink.h"
#include "shell/HexImage.h"
#include "shell/SwitchPort.h"

#include <string>

inline constexpr const char* kFwErrorFileSearch = "ERROR FILE SEARCH";
inline constexpr const char* kFwErrorFileFormat = "ERROR file format";
inline constexpr const char* kFwErrorUpgrade = "ERROR FW upgrade!";
inline constexpr const char* kFwUpgradeOk = "FW UPGRADE OK";

// Link open at 115200 baud, bootloader greeted. Returns one of the four result texts above;
// the link stays open.
std::string LoadAndSendModeFirmware(ProgrammerLink& link, const std::string& mode,
                                    SwitchPort& port);

// The 16 image bytes at `address` as one record line, then waits until it has left.
WaitOutcome SendHexRecord(ProgrammerLink& link, const ModeFirmwareImage& image,
                          std::size_t address);

// A record's answer, its final 0x11 included: two or three bytes before the 0x11 pass
// whatever they hold; otherwise a '-' in second place means the record was refused.
bool RecordReplyRefused(std::span<const std::uint8_t> reply);

// "No answer from BOOT M88 to <step> (timed out)" and the like.
std::string BootloaderSilenceLine(const std::string& step, WaitOutcome outcome);
