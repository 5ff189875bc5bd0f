// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ActivityIndicator.h"

#include <array>

namespace {

constexpr std::array<std::wstring_view, 4> kFrames = {L"｜", L"／", L"―", L"＼"};

}  // namespace

std::wstring_view ActivityIndicator::Step(bool realTime) {
    if (!realTime) {
        return kFrames[0];
    }
    std::wstring_view text;
    if (counter_ % 2 == 0) {
        text = kFrames[(counter_ / 2) % kFrames.size()];
    }
    ++counter_;
    return text;
}
