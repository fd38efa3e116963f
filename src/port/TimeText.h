#pragma once
// Local date and time as the system formats them; one source so tests can fix it.
#include <functional>
#include <string>

struct TimeTextSource {
    std::function<std::string()> longTime;  // time of day, e.g. "14:03:27"
    std::function<std::string()> shortDate; // e.g. "07.12.2026"
};

// Replaces the source for the whole process; an empty member keeps the system's.
void SetTimeTextSource(TimeTextSource source);
std::string LongTimeText();
std::string ShortDateText();
// "Current time  " in the chosen language + long time.
std::string CurrentTimeLine();
