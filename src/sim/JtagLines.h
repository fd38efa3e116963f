#pragma once
// The JIG's own SPI and JTAG lines, which every JTAG mode shares: the SPI side holds them from
// power-up until SPI_OFF ('J' 'X'); the TAP is in a known state only after a reset ('J' '1', or
// the PCB2 MEC firmware's '1') with the lines off; SPI_ON ('J' 'S') takes them back. A JTAG
// command at another time is a protocol surprise naming what the host skipped.
#include <cstdint>
#include <string>
#include <vector>

class SimContext;

// 'J' 'X', 'J' '1' or 'J' 'S', answered with its own letter as the JIG does.
void TakeJtagLineCommand(SimContext& ctx, std::uint8_t sub);
// The PCB2 MEC firmware's TAP reset ('1') and release ('0'): that firmware has no SPI side.
void ResetTapWithoutSpi(SimContext& ctx);
void ReleaseTapWithoutSpi(SimContext& ctx);
// Whether a JTAG command may reach the TAP now; if not, a surprise at `step` with `bytes`.
// `spiSide`: the firmware shares the lines with its SPI side (all but PCB2's MEC firmware).
bool JtagLinesReady(SimContext& ctx, bool spiSide, const std::string& step,
                    std::vector<std::uint8_t> bytes);
