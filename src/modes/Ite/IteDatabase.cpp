#include "modes/Ite/IteDatabase.h"

#include "port/FileBytes.h"

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

std::vector<std::string> IteMotherboardList(const std::optional<std::vector<std::string>>& lines) {
    if (!lines)
        return {kIteDatabaseMissing};
    std::vector<std::string> list{kIteSelectMotherboard};
    list.insert(list.end(), lines->begin(), lines->end());
    return list;
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
    for (int& value : result.boxes)
        if (value >= 1 && value <= pins.value)
            value = pins.value - value + 1;
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
