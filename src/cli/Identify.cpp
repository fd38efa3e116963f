#include "cli/CliApp.h"
#include "link/OpenProgrammerLink.h"
#include "link/VersionText.h"
#include "port/Tr.h"

#include <cstdio>

int RunIdentify(const CliArgs& args) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitUnavailable;
    ProgrammerLink link(api);
    OpenProgrammerLinkMain(link, kCloseHandle);
    const Board board = BoardOf(link.versionText);
    if (board == Board::None) {
        std::fprintf(stderr, "%s\n", Tr("Link", link.versionText.c_str()).c_str());
        return kExitUnavailable;
    }
    std::printf("%s\n%s\n", link.versionText.c_str(), BoardName(board));
    return kExitOk;
}

namespace {
void AddIdentifyCommand(CliApp& cli) {
    cli.Command(&cli.Root(), "identify", Tr("Cli", "Identify the JIG: version text and board"),
                RunIdentify)
        .Details(Tr("Cli", "Finds the JIG, identifies it and prints its version text and board "
                           "(PCB2 or PCB3)."))
        .Device()
        .ExitStatus(Tr("Cli", "0 identified, 2 no JIG (\"FTDI device not found\" or \"FTDI "
                              "found, ERROR answer\"), 64 wrong usage"));
}
const CliRegistration kIdentify{10, AddIdentifyCommand};
} // namespace
