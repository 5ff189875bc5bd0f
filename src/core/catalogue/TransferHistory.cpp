// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/TransferHistory.h"

const TransferRecord* TransferHistory::Target(bool toFirst) const {
    if (records_.empty()) {
        return nullptr;
    }
    return toFirst ? &records_.front() : &records_.back();
}

void TransferHistory::Remove(bool toFirst) {
    if (toFirst) {
        records_.clear();
    } else if (!records_.empty()) {
        records_.pop_back();
    }
}
