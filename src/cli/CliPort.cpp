#include "cli/CliPort.h"
#include "port/Tr.h"

#include <cstdio>
#include <unistd.h>

CliPort::CliPort(std::optional<std::string> file, bool assumeYes)
    : file_(std::move(file)), assumeYes_(assumeYes), terminal_(isatty(STDERR_FILENO) != 0) {}

CliPort::~CliPort() {
    std::lock_guard lock(mutex_);
    ClearBar();
}

void CliPort::ClearBar() {
    if (barShown_) {
        std::fprintf(stderr, "\r\033[K");
        barShown_ = false;
    }
}

void CliPort::Log(const std::string& line) {
    std::lock_guard lock(mutex_);
    ClearBar();
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void CliPort::SetGaugeMax(int maximum) {
    std::lock_guard lock(mutex_);
    gaugeMax_ = maximum;
    lastPercent_ = -1;
}

void CliPort::SetGauge(int position) {
    std::lock_guard lock(mutex_);
    gauge_ = position;
    if (!terminal_ || gaugeMax_ <= 0)
        return;
    const int percent = static_cast<int>(100LL * gauge_ / gaugeMax_);
    if (percent == lastPercent_)
        return;
    lastPercent_ = percent;
    const int width = 40;
    const int filled = width * percent / 100;
    std::fprintf(stderr, "\r[%.*s%*s] %3d%%", filled, "########################################",
                 width - filled, "", percent);
    std::fflush(stderr);
    barShown_ = true;
}

std::optional<std::string> CliPort::AskSaveFile(const FileDialogSpec&) {
    std::lock_guard lock(mutex_);
    auto answer = file_;
    file_.reset(); // one file per command; a second dialog is a cancel
    return answer;
}

std::optional<std::string> CliPort::AskOpenFile(const FileDialogSpec& spec) {
    return AskSaveFile(spec);
}

void CliPort::ShowMessage(MessageIcon icon, const std::string& text) {
    std::lock_guard lock(mutex_);
    ClearBar();
    ++messages_;
    const std::string kind = icon == MessageIcon::Error     ? Tr("Cli", "error")
                             : icon == MessageIcon::Warning ? Tr("Cli", "warning")
                                                            : Tr("Cli", "note");
    std::fprintf(stderr, "%s: %s\n", kind.c_str(), text.c_str());
}

bool CliPort::AskYesNo(const std::string& text) {
    std::lock_guard lock(mutex_);
    ClearBar();
    const std::string answer =
        assumeYes_ ? Tr("Cli", "-> yes (--yes)") : Tr("Cli", "-> no (pass --yes to agree)");
    std::fprintf(stderr, "%s %s\n", text.c_str(), answer.c_str());
    return assumeYes_;
}
