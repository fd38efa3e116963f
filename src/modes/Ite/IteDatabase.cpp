#include "modes/Ite/IteDatabase.h"

#include "port/FileBytes.h"
#include "port/Tr.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace {
constexpr int kMinKbPins = 24;
constexpr int kMaxKbPins = 32;

std::string KeyName(const IteSignal& s) {
    return s.name;
}
} // namespace

std::vector<std::string> SplitIteDatabase(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line.push_back(c);
        }
    }
    return lines;
}

std::optional<std::vector<std::string>> LoadIteDatabase(const std::string& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return SplitIteDatabase(*bytes);
}

bool IsIteBoardLine(std::string_view line) {
    if (line.find(kIteKbPinsKey) != std::string_view::npos)
        return true;
    return std::any_of(IteSignals().begin(), IteSignals().end(), [&](const IteSignal& s) {
        return line.find(s.key) != std::string_view::npos;
    });
}

std::vector<std::string> IteMotherboardList(const std::optional<std::vector<std::string>>& lines) {
    if (!lines)
        return {Tr("Ite", kIteDatabaseMissing)};
    std::vector<std::string> list{Tr("Ite", kIteSelectMotherboard)};
    std::copy_if(lines->begin(), lines->end(), std::back_inserter(list),
                 [](const std::string& l) { return IsIteBoardLine(l); });
    return list;
}

std::string IteBoardName(std::string_view line) {
    std::size_t end = line.find(kIteKbPinsKey);
    for (const IteSignal& s : IteSignals())
        end = std::min(end, line.find(s.key));
    std::string_view name = line.substr(0, end);
    const std::size_t first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return "";
    name = name.substr(first);
    return std::string(name.substr(0, name.find_last_not_of(" \t") + 1));
}

namespace {
std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}
} // namespace

std::vector<std::string> FindIteBoards(const std::vector<std::string>& lines,
                                       const std::string& text) {
    std::vector<std::string> boards;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(boards),
                 [](const std::string& l) { return IsIteBoardLine(l); });
    for (const std::string& line : boards)
        if (line == text || IteBoardName(line) == text)
            return {line};
    std::vector<std::string> matches;
    const std::string wanted = Lower(text);
    for (const std::string& line : boards)
        if (!wanted.empty() && Lower(IteBoardName(line)).find(wanted) != std::string::npos)
            matches.push_back(line);
    return matches;
}

IteKeyValue FindIteKey(std::string_view line, std::string_view key) {
    const std::size_t at = line.find(key);
    if (at == std::string_view::npos)
        return {};
    const std::size_t first = at + key.size();
    if (first >= line.size())
        return {IteKeyValue::NotANumber, 0};
    std::string_view text = line.substr(first, 1);
    if (first + 1 < line.size() && line[first + 1] != ' ')
        text = line.substr(first, 2);
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return {IteKeyValue::NotANumber, 0};
        value = value * 10 + (c - '0');
    }
    return {IteKeyValue::Number, value};
}

IteSelection SelectIteMotherboard(std::string_view line, const IteAssignment& before) {
    IteSelection result{before, false, std::nullopt};
    for (const IteSignal& s : IteSignals()) {
        const IteKeyValue v = FindIteKey(line, s.key);
        if (v.kind == IteKeyValue::Missing) {
            result.message = IteTexts::KeyMissing(KeyName(s));
            return result;
        }
        // A letter where the number belongs is as unusable as a number out of range.
        if (v.kind == IteKeyValue::NotANumber || v.value < 1 || v.value > Ite::kContacts) {
            result.message = IteTexts::InvalidContact(KeyName(s));
            return result;
        }
        result.boxes[static_cast<std::size_t>(s.box - 1)] = v.value;
    }
    result.complete = true;
    return result;
}

IteMirror MirrorIteAssignment(std::string_view line, const IteAssignment& boxes) {
    IteMirror result{boxes, std::nullopt};
    const IteKeyValue pins = FindIteKey(line, kIteKbPinsKey);
    if (pins.kind == IteKeyValue::Missing) {
        result.message = IteTexts::kPinCountMissing;
        return result;
    }
    if (pins.kind == IteKeyValue::NotANumber || pins.value < kMinKbPins ||
        pins.value > kMaxKbPins) {
        result.message = IteTexts::kPinCountWrong;
        return result;
    }
    // A contact beyond the connector has no mirror: its box is left with no selection.
    for (int& value : result.boxes)
        if (value >= 1 && value <= pins.value)
            value = pins.value - value + 1;
        else if (value > pins.value)
            value = Ite::kNoSelection;
    return result;
}

std::string IteAssignmentText(const IteAssignment& boxes) {
    std::string text;
    for (const IteSignal& s : IteSignals()) {
        const int value = boxes[static_cast<std::size_t>(s.box - 1)];
        if (!text.empty())
            text += ' ';
        text += s.key;
        text += value == Ite::kNoSelection    ? std::string("?")
                : value == Ite::kNotConnected ? std::string("NC")
                                              : std::to_string(value);
    }
    return text;
}
