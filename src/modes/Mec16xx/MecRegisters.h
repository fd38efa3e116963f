#pragma once
// The MEC16xx mode's frames on the wire: named JTAG commands, register reads and writes, the
// opening and release of the JTAG connection and the end-of-operation signal. Register
// results are texts: a value text ("1234 5678h"), "MEC_OK" or "MEC_lost".
#include "modes/Mec16xx/MecState.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// "FF3908", "00000105": upper-case hexadecimal, most significant digit first.
std::string MecAddressText(std::uint32_t address);
std::string MecValueDigits(std::uint32_t value);
// "b0b1 b2b3h" of four reply bytes, b0 the most significant.
std::string MecValueText(const std::uint8_t* bytes);

// A named command ("ALTERA_RESET", "SPI_OFF", "SPI_ON", "JTAG_RESET", "ID_READ") in the form
// of the link's board; its reply lands in s.reply. False when the reply did not
// come within its bound: the JIG then counts as lost (the line is logged here).
bool MecCommand(MecState& s, std::string_view name);

// 'I' for "OK", 'O' otherwise; a PCB3 acknowledges it.
void MecResultSignal(MecState& s, std::string_view result);

// One register; the reply stays in s.reply (status bits in byte 3).
std::string MecRegRead(MecState& s, std::uint32_t address);
std::string MecRegWrite(MecState& s, std::uint32_t address, std::uint32_t value);

enum class IdCountCheck { Silent, Report };
// Reset, then the ID into s.id. False when the JIG stopped answering; with `Report` a PCB2
// that did not give its four ID bytes also gets "ID готово 4 байта но сняли меньше ОШИБКА".
bool MecOpenJtag(MecState& s, IdCountCheck check);
void MecReleaseJtag(MecState& s);
// The release after a write stream that ended early: PCB3 gives the lines to SPI_ON alone;
// PCB2 lets go with '0' as after any operation, or the next one would find them still held.
void MecGiveBackLines(MecState& s);
// No chip answered: the ID is all ones or all zeros, which no JTAG identifier is (its lowest
// bit is always 1, and all ones is reserved).
bool MecIdIsBlank(const MecState& s);
// Said when the ID is blank, before anything is judged from registers that read the same.
inline constexpr const char* kMecNoChipLine =
    TR_NOOP("Mec", "No chip answered: check the JTAG wiring and that the board is powered.");

// The stream starts: 'R' and the six address digits, 'W'; after the mode letter on a PCB3.
void MecStartRead(MecState& s, std::uint32_t address);
void MecStartWrite(MecState& s);

// FF3908h = 100h, FF3908h = 0, FF3910h = 0 after a stream, every step whatever the one before
// gave; `failureLines` are the step's lines for a lost register. True when all three took.
bool MecEndStreamAccess(MecState& s, const std::array<const char*, 3>& failureLines);

// Logs the protection of the status byte and colours the indicators; true when protected.
enum class ProtectionTexts { Check, EraseWrite };
bool MecShowProtection(MecState& s, std::uint8_t status, ProtectionTexts texts);

// Notes a reply that did not come: its line (naming the step), the step as the failed one,
// and the JIG as lost.
void MecJigLost(MecState& s, const std::string& line, const std::string& step);
