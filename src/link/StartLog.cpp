#include "link/StartLog.h"

#include <mutex>

namespace {
std::mutex pathMutex;
std::filesystem::path logPath = "Start_log.txt";
} // namespace

void StartLog::SetPath(std::filesystem::path path) {
    std::lock_guard lock(pathMutex);
    logPath = std::move(path);
}

std::filesystem::path StartLog::Path() {
    std::lock_guard lock(pathMutex);
    return logPath;
}

StartLog::StartLog() : out_(Path(), std::ios::binary | std::ios::app) {}

StartLog::~StartLog() = default;

void StartLog::Line(const std::string& text) {
    if (out_)
        out_ << text << '\n' << std::flush;
}

void StartLogLine(const std::string& text) {
    StartLog().Line(text);
}
