#include "operation/ChipState.h"

void ChipProgress::Reset() {
    std::lock_guard lock(mutex_);
    stand_ = Stand::Unchanged;
    block_ = total_ = 0;
}

void ChipProgress::Erasing() {
    std::lock_guard lock(mutex_);
    stand_ = Stand::Erasing;
}

void ChipProgress::Erased() {
    std::lock_guard lock(mutex_);
    stand_ = Stand::Erased;
}

void ChipProgress::Written(int block, int total) {
    std::lock_guard lock(mutex_);
    stand_ = block >= total ? Stand::AllWritten : Stand::Writing;
    block_ = block;
    total_ = total;
}

void ChipProgress::AllWritten() {
    std::lock_guard lock(mutex_);
    stand_ = Stand::AllWritten;
}

void ChipProgress::Verified() {
    std::lock_guard lock(mutex_);
    stand_ = Stand::Verified;
}

bool ChipProgress::Changed() const {
    std::lock_guard lock(mutex_);
    return stand_ != Stand::Unchanged;
}

std::string ChipProgress::Line(const std::string& backup) const {
    std::string line;
    {
        std::lock_guard lock(mutex_);
        switch (stand_) {
        case Stand::Unchanged:
            line = "The chip is unchanged.";
            break;
        case Stand::Erasing:
            line = "The chip may be partly erased.";
            break;
        case Stand::Erased:
            line = "The chip is erased.";
            break;
        case Stand::Writing:
            line = block_ == 0
                       ? "The chip is erased."
                       : "The chip is partly written (blocks 1 to " + std::to_string(block_) +
                             " of " + std::to_string(total_) + ").";
            break;
        case Stand::AllWritten:
            line = "The chip is written but not verified.";
            break;
        case Stand::Verified:
            line = "The chip is written and verified.";
            break;
        }
    }
    return line + (backup.empty() ? " No backup was taken." : " Backup: " + backup + ".");
}
