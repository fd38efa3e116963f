#include "modes/Ite/IteSteps.h"

#include <array>

namespace {
constexpr std::uint8_t kFlashPort = 0x08;
constexpr std::uint8_t kFrame = 0x05;
constexpr std::uint8_t kOpen = 0xFD;
constexpr std::uint8_t kClose = 0xFE;

constexpr std::array<IteStep, 19> kErase{{
    {"(T001)", 0x27, 0x01},       {"(T002)", 0x27, 0x80},
    {"(T003)", 0x04, 0xFF},       {"(T004)", 0x07, 0x7F},
    {"(T005)", 0x06, 0xFF},       {"(T006)", kFrame, kClose},
    {"(T007)", kFlashPort, 0x00}, {"(T008)", kFrame, kOpen},
    {"(T009)", kFlashPort, 0x06}, // write enable
    {"(T010)", kFrame, kClose},   {"(T011)", kFlashPort, 0x00},
    {"(T012)", kFrame, kOpen},    {"(T013)", kFlashPort, 0x60}, // chip erase
    {"(T014)", kFrame, kClose},   {"(T015)", kFlashPort, 0x00},
    {"(T016)", kFrame, kOpen},    {"(T017)", kFlashPort, 0xC7}, // chip erase, the other opcode
    {"(T018)", kFrame, kClose},   {"(T019)", kFlashPort, 0x00},
}};

constexpr std::array<IteStep, 13> kRead{{
    {"(R001)", 0x27, 0x01},
    {"(R002)", 0x27, 0x80},
    {"(R003)", 0x04, 0xFF},
    {"(R004)", 0x07, 0x7F},
    {"(R005)", 0x06, 0xFF},
    {"(R006)", kFrame, kClose},
    {"(R007)", kFlashPort, 0x00},
    {"(R008)", kFrame, kOpen},
    {"(R009)", kFlashPort, 0x0B}, // fast read
    {"(R010)", kFlashPort, 0x00}, // address bits 23-16
    {"(R011)", kFlashPort, 0x00}, // address bits 15-8
    {"(R012)", kFlashPort, 0x00}, // address bits 7-0
    {"(R013)", kFlashPort, 0x00}, // dummy byte
}};
} // namespace

namespace IteSteps {
std::span<const IteStep> Erase() {
    return kErase;
}
std::span<const IteStep> Read() {
    return kRead;
}
} // namespace IteSteps
