// "list": every FTDI device with its index, serial number and description, and with
// --identify what the JIG behind it answers.
#include "cli/CliApp.h"
#include "link/OpenProgrammerLink.h"
#include "link/VersionText.h"
#include "port/Tr.h"

#include <cstdio>

namespace {
// Device `index` of another backend, as if it were the only one: the link's own open-and-
// identify procedure then asks that device alone.
class OneDevice : public FtdiApi {
  public:
    OneDevice(std::shared_ptr<FtdiApi> all, int index) : all_(std::move(all)), index_(index) {}
    FT_STATUS FT_CreateDeviceInfoList(DWORD* numDevs) override {
        DWORD n = 0;
        const FT_STATUS st = all_->FT_CreateDeviceInfoList(&n);
        *numDevs = st == FT_OK && static_cast<DWORD>(index_) < n ? 1 : 0;
        return st;
    }
    FT_STATUS FT_Open(int index, FT_HANDLE* handle) override {
        if (index != 0) {
            *handle = nullptr;
            return FT_DEVICE_NOT_FOUND;
        }
        return all_->FT_Open(index_, handle);
    }
    bool IsRealHardware() const override { return all_->IsRealHardware(); }
    std::string Describe() const override { return all_->Describe(); }

  private:
    std::shared_ptr<FtdiApi> all_;
    int index_;
};

std::string Answer(const std::shared_ptr<FtdiApi>& api, int index) {
    ProgrammerLink link(std::make_shared<OneDevice>(api, index));
    // The variant that accepts any answer and writes no line of its own.
    OpenProgrammerLink(link, LinkVariants::MecJtag, nullptr, true);
    link.Close();
    if (link.versionText.empty())
        return Tr("Cli", "no answer");
    const Board board = BoardOf(link.versionText);
    return link.versionText +
           (board == Board::None ? "" : std::string(" (") + BoardName(board) + ")");
}

int RunList(const CliArgs& args) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitUnavailable;
    DWORD count = 0;
    if (api->FT_CreateDeviceInfoList(&count) != FT_OK) {
        const std::string line =
            Fill(Tr("Cli", "The FTDI device list cannot be read (%1)"), api->Describe());
        std::fprintf(stderr, "%s\n", line.c_str());
        return kExitUnavailable;
    }
    if (count == 0) {
        std::fprintf(stderr, "%s (%s)\n", Tr("Link", kNoDeviceText).c_str(),
                     api->Describe().c_str());
        return kExitUnavailable;
    }
    std::vector<FtdiDeviceInfo> infos(count);
    for (DWORD i = 0; i < count; ++i)
        if (api->FT_GetDeviceInfoDetail(static_cast<int>(i), &infos[i]) != FT_OK)
            infos[i].description = Tr("Cli", "(no description)");
    const bool identify = args.Flag("identify");
    constexpr int kDescriptionWidth = 40;
    // Each heading starts where its column does.
    std::printf("%s\n", (identify ? Tr("Cli", "index  serial number     description         "
                                              "                     answer")
                                  : Tr("Cli", "index  serial number     description"))
                            .c_str());
    for (DWORD i = 0; i < count; ++i) {
        const std::string serial = infos[i].serialNumber.empty() ? "-" : infos[i].serialNumber;
        std::printf("%-6u %-17s %s", static_cast<unsigned>(i), serial.c_str(),
                    infos[i].description.c_str());
        if (identify) {
            const int pad = kDescriptionWidth - static_cast<int>(infos[i].description.size());
            std::printf("%*s %s", pad > 0 ? pad : 0, "", Answer(api, static_cast<int>(i)).c_str());
        }
        std::printf("\n");
    }
    return kExitOk;
}

void AddListCommand(CliApp& cli) {
    cli.Command(&cli.Root(), "list",
                Tr("Cli", "List the FTDI devices: index, serial number, description"), RunList)
        .Details(Tr("Cli", "Lists every FTDI device the chosen backend sees, in the order the "
                           "program tries them, with its serial number and description. "
                           "--identify also asks each one for its JIG's version. Use --device "
                           "usb:SERIAL to give every other command one of them."))
        .Flag("--identify", Tr("Cli", "ask each device for its JIG's identification answer"))
        .Device()
        .ExitStatus(Tr("Cli", "0 listed, 2 no FTDI device, 64 wrong usage"));
}
const CliRegistration kList{12, AddListCommand};
} // namespace
