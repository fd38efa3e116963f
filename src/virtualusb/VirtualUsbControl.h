#pragma once
// What the virtual FTDI chip offers besides libusb's calls: tests plug chips of their choice,
// and the usb backend tells a virtual chip from real hardware.
#include <cstddef>

struct SimStats;

extern "C" {
// Unplugs every virtual chip and plugs new ones: one per device of the scenario (board and
// scenario file as tolvane-jig-sim takes them; timing "wire" or "instant"), or, with `pty`, one
// in front of a tolvane-jig-sim terminal. Null or empty arguments take the defaults. Returns 0,
// or -1 with the reason in `error`.
int tolvane_virtual_usb_plug(const char* board, const char* scenarioFile, const char* timing,
                             const char* pty, char* error, std::size_t errorSize);
// Pulls virtual chip `index` (in bus order) out of its socket. Returns 0, or -1 without one.
int tolvane_virtual_usb_unplug(int index);
// The baud rate chip `index` runs its UART at, as it decoded the divisor it was sent, and its
// latency timer. Returns 0, or -1 without such a chip.
int tolvane_virtual_usb_settings(int index, unsigned* baud, int* latencyMs);
// The statistics of the simulated JIG behind chip `index`. Returns 0, or -1 without a chip or
// with a JIG in another process.
int tolvane_virtual_usb_stats(int index, SimStats* stats);
// One line on what is plugged in, for the program's own description of the link.
const char* tolvane_virtual_usb_describe(void);
}
