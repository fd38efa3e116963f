#pragma once
// One JIG of several on the bench: the technician's choice, by serial number, of the FTDI
// device every link opens. The choice is data; windows only present it.
#include "link/FtdiApi.h"

#include <mutex>
#include <optional>
#include <string>
#include <vector>

// Another backend as if the chosen device were its only one: the links' own open-and-identify
// procedures then find that JIG or none, never another. Without a choice it shows them all.
class ChosenDeviceApi : public FtdiApi {
  public:
    explicit ChosenDeviceApi(std::shared_ptr<FtdiApi> all) : all_(std::move(all)) {}

    void Choose(std::optional<std::string> serial);
    std::optional<std::string> Chosen() const;
    // Every device plugged in; empty when the list fails or the backend knows no serial numbers.
    std::vector<FtdiDeviceInfo> Plugged();

    FT_STATUS FT_CreateDeviceInfoList(DWORD* numDevs) override;
    FT_STATUS FT_Open(int index, FT_HANDLE* handle) override;
    FT_STATUS FT_GetDeviceInfoDetail(int index, FtdiDeviceInfo* info) override;
    bool IsRealHardware() const override { return all_->IsRealHardware(); }
    std::string Describe() const override { return all_->Describe(); }

  private:
    std::shared_ptr<FtdiApi> all_;
    mutable std::mutex mutex_;
    std::optional<std::string> chosen_;
    int chosenIndex_ = -1; // in the last list of `all_`
};

struct JigPick {
    int index = -1; // into the plugged devices; -1 with none plugged
    // Set when the remembered JIG is not among them and another is used in its place.
    std::string notice;
};

// The wanted JIG when it is plugged in, else the first one, saying so; with none wanted the first.
JigPick PickJig(const std::vector<FtdiDeviceInfo>& plugged,
                const std::optional<std::string>& wanted);

// "SERIAL  description  version" for a list of JIGs; the version once it is known.
std::string JigLine(const FtdiDeviceInfo& device, const std::string& version);
