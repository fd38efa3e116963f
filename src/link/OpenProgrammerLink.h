#pragma once
// Finding, configuring and identifying the JIG. The main window's procedure writes the start
// log; each mode window's copy differs only in the data of its LinkVariant.
#include "link/ProgrammerLink.h"
#include "modetable/ModeTable.h"

#include <functional>
#include <string>
#include <vector>

inline constexpr const char* kCloseHandle = "CLOSE FTDI Handle";
inline constexpr const char* kKeepHandle = "NOT CLOSE FTDI Handle";

// Main window: sets link.versionText and writes Start_log.txt. With any close request other
// than "CLOSE FTDI Handle" the answering device (or, when none answered, the last one opened)
// stays open in `link`.
void OpenProgrammerLinkMain(ProgrammerLink& link, const std::string& closeRequest);

// Each mode's LinkVariant is its entry's in the mode table.
namespace LinkVariants {
extern const LinkVariant& EdidLcd;
extern const LinkVariant& EneKb90xx;
extern const LinkVariant& KeyboardTesting;
extern const LinkVariant& MecJtag;
extern const LinkVariant& Ite;
extern const LinkVariant& NuvotonSpi;
extern const LinkVariant& NuvotonJtag;
} // namespace LinkVariants

enum LinkResult : int { kNoProgrammer = 0, kProgrammerAccepted = 1, kProgrammerOutdated = 2 };

// What loads the firmware a mode needs, said when its JIG runs another; empty for a variant that
// is no mode's.
std::string FirmwareFixLine(const LinkVariant& variant);

using MemoLine = std::function<void(const std::string&)>;

// Mode window copy. Memo lines go to `memo`; `quiet` drops the version and success lines.
int OpenProgrammerLink(ProgrammerLink& link, const LinkVariant& variant, const MemoLine& memo,
                       bool quiet = false);
// The same for a window with two memos: every line goes to both, the version line to the second
// with the variant's secondVersionPrefix.
int OpenProgrammerLink(ProgrammerLink& link, const LinkVariant& variant, const MemoLine& memo,
                       const MemoLine& secondMemo, bool quiet = false);
