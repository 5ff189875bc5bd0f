// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SJisLines.h"

#include <algorithm>

#include "text/SJisCodec.h"

bool SJisLines::ReadString(std::wstring& out) {
    if (pos_ >= bytes_.size()) {
        return false;
    }
    const std::size_t end = LineEnd();
    ToWide(out, bytes_.substr(pos_, end - pos_));
    pos_ = end;
    if (pos_ < bytes_.size()) {
        const char ending = bytes_[pos_++];
        const char partner = ending == '\n' ? '\r' : ending == '\r' ? '\n' : '\0';
        if (partner != '\0' && pos_ < bytes_.size() && bytes_[pos_] == partner) {
            ++pos_;
        }
    }
    return true;
}

// The nearest of the three line-end bytes. Each one's next position is remembered until the
// reading passes it, so the whole text is searched once per kind with memchr.
std::size_t SJisLines::LineEnd() {
    static constexpr char kEnds[] = {'\n', '\r', '\xFF'};
    std::size_t end = bytes_.size();
    for (std::size_t k = 0; k < 3; ++k) {
        if (nextEnd_[k] == kUnknown || nextEnd_[k] < pos_) {
            const std::size_t found = bytes_.find(kEnds[k], pos_);
            nextEnd_[k] = found == std::string_view::npos ? bytes_.size() : found;
        }
        end = std::min(end, nextEnd_[k]);
    }
    return end;
}
