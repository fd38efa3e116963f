#pragma once
// Finding, configuring and identifying the JIG. The main window's procedure writes the start
// log; each mode window's copy differs only in the data of its LinkVariant.
#include "link/ProgrammerLink.h"

#include <functional>
#include <string>
#include <vector>

inline constexpr const char* kCloseHandle = "CLOSE FTDI Handle";
inline constexpr const char* kKeepHandle = "NOT CLOSE FTDI Handle";

// Main window: sets link.versionText and writes Start_log.txt. With any close request other
// than "CLOSE FTDI Handle" the answering device (or, when none answered, the last one opened)
// stays open in `link`.
void OpenProgrammerLinkMain(ProgrammerLink& link, const std::string& closeRequest);

struct LinkVariant {
    const char* window;
    DWORD readTimeoutMs = 300;
    DWORD writeTimeoutMs = 300;
    std::vector<std::string> acceptedTags; // empty: any answer is accepted
    bool memoLines = true;                 // the keyboard tester writes none
    bool countLine = true;
    bool successLine = true;
    bool latencyBeforeTimeouts = false;
    const char* versionPrefix = "Version FW -> ";
    const char* notFoundLine = "The programmer is not found or does not respond";
    // A window that keeps a second memo in another language (ITE): its version line there.
    const char* secondVersionPrefix = nullptr;
};

namespace LinkVariants {
extern const LinkVariant EdidLcd;
extern const LinkVariant EneKb90xx;
extern const LinkVariant KeyboardTesting;
extern const LinkVariant MecJtag;
extern const LinkVariant Ite;
extern const LinkVariant NuvotonSpi;
extern const LinkVariant NuvotonJtag;
} // namespace LinkVariants

enum LinkResult : int { kNoProgrammer = 0, kProgrammerAccepted = 1, kProgrammerOutdated = 2 };

using MemoLine = std::function<void(const std::string&)>;

// Mode window copy. Memo lines go to `memo`; `quiet` drops the version and success lines.
int OpenProgrammerLink(ProgrammerLink& link, const LinkVariant& variant, const MemoLine& memo,
                       bool quiet = false);
// The same for a window with two memos: every line goes to both, the version line to the second
// with the variant's secondVersionPrefix.
int OpenProgrammerLink(ProgrammerLink& link, const LinkVariant& variant, const MemoLine& memo,
                       const MemoLine& secondMemo, bool quiet = false);
