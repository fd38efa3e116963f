#pragma once
// Seeds for the fuzzed JIG: a run against the simulated JIG, written down write by write, and
// turned into the directives that make the fuzzed JIG answer the same.
#include "link/FtdiApi.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

// Forwards every call to another backend and notes, for each host write, the bytes the host
// read after it (until its next write).
class RecordingFtdiApi : public FtdiApi {
  public:
    explicit RecordingFtdiApi(std::shared_ptr<FtdiApi> inner) : inner_(std::move(inner)) {}
    FT_STATUS FT_CreateDeviceInfoList(DWORD* numDevs) override;
    FT_STATUS FT_Open(int index, FT_HANDLE* handle) override;
    bool IsRealHardware() const override { return false; }
    std::string Describe() const override { return inner_->Describe(); }

    struct Exchange {
        std::vector<std::uint8_t> written;
        std::vector<std::uint8_t> read;
    };
    std::vector<Exchange> Exchanges() const;

  private:
    friend class RecordingDevice;
    std::shared_ptr<FtdiApi> inner_;
    mutable std::mutex mutex_;
    std::vector<Exchange> exchanges_;
};

// The fuzz input that replays `exchanges` (its 'B' answer given by `board`, an index into
// BoardPresets()).
std::vector<std::uint8_t>
EncodeFuzzReplies(int board, const std::vector<RecordingFtdiApi::Exchange>& exchanges);
