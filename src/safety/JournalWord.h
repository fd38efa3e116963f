#pragma once
// The journal keeps its words (operations, results, "(simulated)") in English, as scripts read
// them; the technician reads them in the chosen language.
#include <string>

std::string JournalWord(const std::string& word);
