#pragma once
// The fault matrix's view of each mode: its boards and operations, each run once on a given
// simulated JIG with short bounds, and what the operation left behind.
#include "link/FtdiApi.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct MatrixRun {
    bool succeeded = false;
    bool idle = false; // state "NONE"
    bool linkClosed = false;
    bool controlsEnabled = false; // the buttons that start an operation, and EXIT
    bool namesStep = false;       // a line (or the failed step) says where it stopped
    std::vector<std::string> lines;
    std::vector<std::string> messages; // message boxes
};

struct MatrixOperation {
    std::string mode;
    std::string name;
    std::vector<std::string> boards;
    // The file a read fills (empty for other operations): its full size and the unit a read
    // that ended early leaves whole in it.
    std::uintmax_t fullSize = 0;
    std::uintmax_t blockSize = 0;
    // Replies at the end that only answer end signals, after the outcome is settled: a JIG
    // that falls silent there may leave a success.
    long endReplies = 2;
    // The size of the image a write takes.
    std::uintmax_t imageSize = 131072;
    // The longest wait of the operation with its short bounds (what a delayed reply is measured
    // against), and the bound a silent JIG costs at most per wait.
    std::chrono::milliseconds bound{0};
    // Runs the operation; `file` is where a read goes or what a write takes.
    std::function<MatrixRun(const std::shared_ptr<FtdiApi>& sim, const std::string& file)> run;
};

const std::vector<MatrixOperation>& MatrixOperations();
