// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Where a transfer came from: the timetable shown before it and the minute it was positioned
// at (hour * 60 + minute), or -1 when it followed real time.
struct TransferRecord {
    std::wstring path;
    int minutes = -1;

    bool operator==(const TransferRecord&) const = default;
};

// The transfers made since the window opened, oldest first, without a limit.
class TransferHistory {
public:
    void Append(TransferRecord record) { records_.push_back(std::move(record)); }

    // The record going back returns to: the last one, or the first with `toFirst`; nullptr
    // when there is none.
    const TransferRecord* Target(bool toFirst) const;

    // Drops what going back used up: the last record, or every record with `toFirst`.
    void Remove(bool toFirst);

    bool empty() const { return records_.empty(); }
    const std::vector<TransferRecord>& records() const { return records_; }

private:
    std::vector<TransferRecord> records_;
};
