#include "port/TimeText.h"
#include "port/Tr.h"

#include <ctime>
#include <mutex>

namespace {
std::mutex sourceMutex;
TimeTextSource source;

std::string Format(const char* pattern) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::size_t n = std::strftime(text, sizeof text, pattern, &local);
    return std::string(text, n);
}
} // namespace

void SetTimeTextSource(TimeTextSource s) {
    std::lock_guard lock(sourceMutex);
    source = std::move(s);
}

std::string LongTimeText() {
    std::function<std::string()> f;
    {
        std::lock_guard lock(sourceMutex);
        f = source.longTime;
    }
    return f ? f() : Format("%X");
}

std::string ShortDateText() {
    std::function<std::string()> f;
    {
        std::lock_guard lock(sourceMutex);
        f = source.shortDate;
    }
    return f ? f() : Format("%x");
}

std::string CurrentTimeLine() {
    return Tr("Common", "Current time  ") + LongTimeText();
}
