#pragma once
// A JIG another program holds: the link is opened exclusively.
#include "link/FtdiTypes.h"
#include "port/TrNoop.h"

// Not a D2XX status: the device is held by another program (a claimed USB interface, a locked
// serial device).
inline constexpr FT_STATUS FT_DEVICE_IN_USE = 0x100;

inline constexpr const char* kInUseText = TR_NOOP("Link", "The JIG is in use by another program");
