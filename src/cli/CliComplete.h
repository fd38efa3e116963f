#pragma once
// What the shell may offer for the next word of a command line (tolvane-jig-cli __complete
// WORD...): the program names its own commands, options, devices and boards, so the completion
// script holds no list of its own.
#include <string>
#include <vector>

namespace CLI {
class App;
}

// The hidden first word that asks for candidates instead of running a command.
inline constexpr const char* kCompleteWord = "__complete";
// A candidate line that asks the shell for file names as well.
inline constexpr const char* kFilesCandidate = "<files>";

// Candidates for the word after `words` (those typed before it, without the program's name):
// the commands and shown options where they fit, an option's values after it, kFilesCandidate
// where a file is expected.
std::vector<std::string> CompletionCandidates(const CLI::App& root,
                                              const std::vector<std::string>& words);

// --device values: usb, usb:SERIAL of each FTDI device present, tty:, sim and sim:BOARD.
std::vector<std::string> DeviceCandidates();
