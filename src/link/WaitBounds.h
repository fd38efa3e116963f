#pragma once
// Every wait for the JIG has its bound here, so the longest pause the program can take is
// visible in one place. Bounds are generous: a reached bound means the JIG or the chip has
// stopped answering, not that it is slow.
#include "link/WaitTypes.h"

namespace WaitBounds {
// A one-byte acknowledgement of a short command.
inline constexpr Millis CommandReply{3000};
// One data block (up to a few hundred bytes) produced by the chip.
inline constexpr Millis DataBlock{5000};
// A chip-side checksum or scan over the whole flash, per progress byte.
inline constexpr Millis ChipProgressStep{5000};
// A chip-side checksum over the whole flash, all of it (a JIG that babbles instead of counting
// its blocks is given up at this bound).
inline constexpr Millis ChipChecksumPass{120000};
// A whole-chip or sector erase.
inline constexpr Millis FlashErase{120000};
// A chip-side pass over the whole flash that answers only at its end (a blank check).
inline constexpr Millis FlashBlankCheck{30000};
// The FTDI chip taking a block the host wrote (a few hundred bytes).
inline constexpr Millis TransmitQueue{3000};
// The status poll of one 4 KiB sector erase of a serial flash (a few hundred ms at most).
inline constexpr Millis SectorErase{5000};
// The M88 bootloader answering one record or its start and end commands.
inline constexpr Millis BootloaderReply{3000};
// A technician finding and pressing the JIG's reset button.
inline constexpr Millis ResetButton{120000};
// The M88 bootloader's window after the host starts calling it (the main window's 5 s timer).
inline constexpr Millis BootloaderGreeting{5000};
// How long a bootloader call ('U', '+') waits for an answer before it is sent again. Not a
// bound: the call repeats until the bound of the whole wait passes.
inline constexpr Millis BootloaderCallRepeat{50};
// The ITE test command: the JIG tries the EC for the 5 seconds its attach prompt names while
// the technician powers the board, then answers.
inline constexpr Millis IteAttach{10000};
// A small EEPROM transaction (EDID).
inline constexpr Millis EepromReply{3000};
// The keyboard tester's answer watchdog: a scan answer, or the buzzer acknowledgement and the
// next scan answer together.
inline constexpr Millis KeyboardAnswer{1000};
} // namespace WaitBounds
