#include "operation/ChipState.h"
#include "port/Tr.h"

#include <algorithm>

void ChipProgress::Reset() {
    std::lock_guard lock(mutex_);
    stand_ = Stand::Unchanged;
    block_ = total_ = sent_ = 0;
}

void ChipProgress::Sending(int block, int total) {
    std::lock_guard lock(mutex_);
    sent_ = block;
    total_ = total;
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
    sent_ = std::max(sent_, block);
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
        const std::string total = std::to_string(total_);
        // A block that went out and was never confirmed may have cleared bits already.
        const std::string unconfirmed =
            sent_ > block_ ? Fill(Tr("Common", "block %1 of %2 went out unconfirmed"),
                                  std::to_string(sent_), total)
                           : "";
        switch (stand_) {
        case Stand::Unchanged:
            line = unconfirmed.empty()
                       ? Tr("Common", "The chip is unchanged.")
                       : Fill(Tr("Common", "The chip may be partly written (%1)."), unconfirmed);
            break;
        case Stand::Erasing:
            line = Tr("Common", "The chip may be partly erased.");
            break;
        case Stand::Erased:
        case Stand::Writing:
            if (block_ == 0)
                line = unconfirmed.empty()
                           ? Tr("Common", "The chip is erased.")
                           : Fill(Tr("Common", "The chip is erased, and %1."), unconfirmed);
            else if (unconfirmed.empty())
                line = Fill(Tr("Common", "The chip is partly written (blocks 1 to %1 of %2)."),
                            std::to_string(block_), total);
            else
                line = Fill(Tr("Common", "The chip is partly written (blocks 1 to %1 of %2; %3)."),
                            std::to_string(block_), total, unconfirmed);
            break;
        case Stand::AllWritten:
            line = Tr("Common", "The chip is written but not verified.");
            break;
        case Stand::Verified:
            line = Tr("Common", "The chip is written and verified.");
            break;
        }
    }
    return line + (backup.empty() ? Tr("Common", " No backup was taken.")
                                  : Fill(Tr("Common", " Backup: %1."), backup));
}
