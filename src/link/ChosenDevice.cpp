#include "link/ChosenDevice.h"

#include "port/Tr.h"

namespace {
std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string SerialText(const std::string& serial) {
    return serial.empty() ? Tr("Link", "(no serial number)") : serial;
}
} // namespace

void ChosenDeviceApi::Choose(std::optional<std::string> serial) {
    std::lock_guard lock(mutex_);
    chosen_ = std::move(serial);
    chosenIndex_ = -1;
}

std::optional<std::string> ChosenDeviceApi::Chosen() const {
    std::lock_guard lock(mutex_);
    return chosen_;
}

std::vector<FtdiDeviceInfo> ChosenDeviceApi::Plugged() {
    std::lock_guard lock(mutex_);
    DWORD count = 0;
    if (all_->FT_CreateDeviceInfoList(&count) != FT_OK)
        return {};
    std::vector<FtdiDeviceInfo> devices(count);
    bool anyKnown = false;
    for (DWORD i = 0; i < count; ++i) {
        const FT_STATUS st = all_->FT_GetDeviceInfoDetail(static_cast<int>(i), &devices[i]);
        anyKnown = anyKnown || st != FT_NOT_SUPPORTED;
    }
    return anyKnown ? devices : std::vector<FtdiDeviceInfo>{};
}

FT_STATUS ChosenDeviceApi::FT_CreateDeviceInfoList(DWORD* numDevs) {
    std::lock_guard lock(mutex_);
    DWORD count = 0;
    const FT_STATUS st = all_->FT_CreateDeviceInfoList(&count);
    *numDevs = count;
    if (st != FT_OK || !chosen_)
        return st;
    // The serial is looked up anew in every list: indices change as devices come and go.
    chosenIndex_ = -1;
    for (DWORD i = 0; i < count && chosenIndex_ < 0; ++i) {
        FtdiDeviceInfo info;
        if (all_->FT_GetDeviceInfoDetail(static_cast<int>(i), &info) == FT_OK &&
            info.serialNumber == *chosen_)
            chosenIndex_ = static_cast<int>(i);
    }
    *numDevs = chosenIndex_ < 0 ? 0 : 1;
    return st;
}

FT_STATUS ChosenDeviceApi::FT_Open(int index, FT_HANDLE* handle) {
    std::lock_guard lock(mutex_);
    if (!chosen_)
        return all_->FT_Open(index, handle);
    if (index != 0 || chosenIndex_ < 0) {
        *handle = nullptr;
        return FT_DEVICE_NOT_FOUND;
    }
    return all_->FT_Open(chosenIndex_, handle);
}

FT_STATUS ChosenDeviceApi::FT_GetDeviceInfoDetail(int index, FtdiDeviceInfo* info) {
    std::lock_guard lock(mutex_);
    if (!chosen_)
        return all_->FT_GetDeviceInfoDetail(index, info);
    if (index != 0 || chosenIndex_ < 0)
        return FT_DEVICE_NOT_FOUND;
    return all_->FT_GetDeviceInfoDetail(chosenIndex_, info);
}

JigPick PickJig(const std::vector<FtdiDeviceInfo>& plugged,
                const std::optional<std::string>& wanted) {
    JigPick pick;
    if (plugged.empty())
        return pick;
    pick.index = 0;
    if (!wanted)
        return pick;
    for (std::size_t i = 0; i < plugged.size(); ++i)
        if (plugged[i].serialNumber == *wanted) {
            pick.index = static_cast<int>(i);
            return pick;
        }
    pick.notice = Fill(Tr("Link", "The JIG %1 is not plugged in: working on the JIG %2 instead."),
                       SerialText(*wanted), SerialText(plugged[0].serialNumber));
    return pick;
}

std::string JigLine(const FtdiDeviceInfo& device, const std::string& version) {
    std::string line = SerialText(device.serialNumber);
    if (!device.description.empty())
        line += "  " + device.description;
    if (const std::string v = Trimmed(version); !v.empty())
        line += "  " + v;
    return line;
}
