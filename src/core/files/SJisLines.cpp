#include "files/SJisLines.h"

#include <algorithm>

#include "text/SJisCodec.h"

namespace {

// ASCII lines, the bulk of every data file, are widened in place without a new allocation.
void Convert(std::string_view bytes, std::wstring& line) {
    unsigned char seen = 0;
    for (char c : bytes) {
        seen = static_cast<unsigned char>(seen | static_cast<unsigned char>(c));
    }
    if (seen >= 0x80) {
        line = ToWide(bytes);
        return;
    }
    bytes = bytes.substr(0, bytes.find('\0'));
    line.assign(bytes.begin(), bytes.end());
}

}  // namespace

bool SJisLines::ReadString(std::wstring& out) {
    if (pos_ >= bytes_.size()) {
        return false;
    }
    const std::size_t end = LineEnd();
    Convert(bytes_.substr(pos_, end - pos_), out);
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
