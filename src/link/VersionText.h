#pragma once
#include "port/TrNoop.h"

#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr const char* kNoDeviceText = TR_NOOP("Link", "FTDI device not found");
inline constexpr const char* kNoAnswerText = TR_NOOP("Link", "FTDI found, ERROR answer");

// The byte itself for 0-9, A-Z, a-z, '.' and '_'; a blank for anything else.
std::string FilterAnswerChar(std::uint8_t byte);
std::string FilterAnswer(const std::uint8_t* bytes, std::size_t count);

enum class Board { None, Pcb2, Pcb3 };
Board BoardOf(const std::string& versionText);
const char* BoardName(Board board);
