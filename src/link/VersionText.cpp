#include "link/VersionText.h"

#include "link/InUse.h"

std::string FilterAnswerChar(std::uint8_t b) {
    bool keep = (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') ||
                b == '.' || b == '_';
    return std::string(1, keep ? static_cast<char>(b) : ' ');
}

std::string FilterAnswer(const std::uint8_t* bytes, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += FilterAnswerChar(bytes[i]);
    return text;
}

Board BoardOf(const std::string& v) {
    if (v == kNoDeviceText || v == kNoAnswerText || v == kInUseText || v.empty())
        return Board::None;
    return v.find("EPM240") != std::string::npos ? Board::Pcb3 : Board::Pcb2;
}

const char* BoardName(Board board) {
    switch (board) {
    case Board::Pcb2:
        return "PCB2";
    case Board::Pcb3:
        return "PCB3";
    case Board::None:
        break;
    }
    return "none";
}
