#include "cli/CliCommand.h"
#include "link/OpenProgrammerLink.h"
#include "link/VersionText.h"

#include <cstdio>

int RunIdentify(const CliArgs& args) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitNoJig;
    ProgrammerLink link(api);
    OpenProgrammerLinkMain(link, kCloseHandle);
    const Board board = BoardOf(link.versionText);
    if (board == Board::None) {
        std::fprintf(stderr, "%s\n", link.versionText.c_str());
        return kExitNoJig;
    }
    std::printf("%s\n%s\n", link.versionText.c_str(), BoardName(board));
    return kExitOk;
}
