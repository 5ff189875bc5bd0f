// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/IntFormat.h"

#include <cstddef>

void AppendZeroPadded(std::wstring& out, int value, int width) {
    // Widened so that the lowest int has a magnitude too.
    long long magnitude = value;
    if (magnitude < 0) {
        out.push_back(L'-');
        magnitude = -magnitude;
        --width;
    }
    wchar_t digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    for (int pad = width - count; pad > 0; --pad) {
        out.push_back(L'0');
    }
    while (count > 0) {
        out.push_back(digits[--count]);
    }
}

void AppendIntFormat(std::wstring& out, std::wstring_view format, std::initializer_list<int> args) {
    const int* arg = args.begin();
    std::size_t i = 0;
    while (i < format.size()) {
        const wchar_t c = format[i++];
        if (c != L'%' || i >= format.size()) {
            out.push_back(c);
            continue;
        }
        if (format[i] == L'%') {
            out.push_back(L'%');
            ++i;
            continue;
        }
        int width = 0;
        while (i < format.size() && format[i] >= L'0' && format[i] <= L'9') {
            width = width * 10 + (format[i++] - L'0');
        }
        if (i < format.size() && format[i] == L'd') {
            ++i;
        }
        if (arg != args.end()) {
            AppendZeroPadded(out, *arg++, width);
        }
    }
}
