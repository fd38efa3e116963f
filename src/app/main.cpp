// tolvane-jig: the program's windows.
#include "cli/HelpTexts.h"
#include "gui/LanguageChoice.h"
#include "gui/QtTranslation.h"
#include "link/FtdiApi.h"
#include "link/StartLog.h"
#include "port/StartLanguage.h"
#include "port/UserFolders.h"
#include "shell/ProgramVersion.h"
#include "shell/ui/AppWindows.h"

#include <CLI/CLI.hpp>
#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <exception>
#include <vector>

namespace {
// An exception that reaches the event loop is shown, not fatal.
class Application : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            QMessageBox::critical(nullptr, applicationName(), QString::fromUtf8(e.what()));
        }
        return false;
    }
};
} // namespace

int main(int argc, char** argv) {
    // Before the options are described, so that --help is in the language too.
    std::string error;
    if (!SetLanguage(StartLanguage(LanguageArgument(argc, argv), RememberedLanguage()), &error))
        std::fprintf(stderr, "%s\n", error.c_str());
    error.clear();
    // Our options first; whatever is left goes to Qt (-platform, -style ...), which must
    // take all of it.
    CLI::App options(
        Tr("Cli", "The JIG programmer: read, erase and write an embedded controller's flash."),
        "tolvane-jig");
    UseOurHelpTexts(options);
    options.set_version_flag(
        "--version", VersionLines("tolvane-jig"),
        Tr("Cli", "Print the program's and the JIG protocol's version and exit"));
    DeviceChoice choice;
    options
        .add_option("--device", choice.device,
                    Tr("Cli", "usb (default), usb:SERIAL (only that device), tty:PATH or "
                              "sim[:BOARD]"))
        ->type_name("D");
    options
        .add_option("--scenario", choice.scenarioFile, Tr("Cli", "simulated JIG: a JSON scenario"))
        ->type_name("F");
    options
        .add_option("--timing", choice.timing,
                    Tr("Cli", "simulated JIG: wire (default) or instant"))
        ->type_name("T")
        ->check(CLI::IsMember({"wire", "instant"}));
    std::string language;
    options
        .add_option("--lang", language,
                    Tr("Cli", "en, ru or original (the texts as the JIG's program always wrote "
                              "them); default: the last choice in the window, else the system's "
                              "language"))
        ->type_name("L")
        ->check(CLI::IsMember(kLanguageWords));
    options.allow_extras();
    try {
        options.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return options.exit(e) == 0 ? 0 : 64;
    }
    std::vector<std::string> rest = options.remaining();
    std::vector<char*> qtArgv{argv[0]};
    for (std::string& a : rest)
        qtArgv.push_back(a.data());
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArgv.size()) - 1;

    Application app(qtArgc, qtArgv.data());
    QApplication::setApplicationName("Tolvane_JIG");
    if (qtArgc > 1) {
        const std::string line =
            Fill(Tr("Cli", "unknown option %1\nRun with --help for more information."), qtArgv[1]);
        std::fprintf(stderr, "%s\n", line.c_str());
        return 64;
    }
    UseQtTranslation(CurrentLanguage());
    std::shared_ptr<FtdiApi> api = MakeFtdiApi(choice, &error);
    if (!api) {
        std::fprintf(stderr, "%s\n", error.c_str());
        QMessageBox::critical(nullptr, "Tolvane_JIG", QString::fromStdString(error));
        return 2;
    }
    // Started from the desktop entry the working folder may be one it cannot write to.
    StartLog::SetPath(StartLogPlace());
    StartLogLine(Fill(Tr("Link", "Journal of operations -> %1"), JournalFile().string()));
    StartLogLine(Fill(Tr("Link", "Backups -> %1"), BackupFolder().string()));
    std::unique_ptr<AppWindows> windows = CreateAppWindows(api);
    windows->main->show();
    return app.exec();
}
