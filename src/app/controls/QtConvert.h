// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "settings/ColorTable.h"

// Conversions at the boundary between the core's wide strings and colours and Qt's.
inline QString ToQString(std::wstring_view text) {
    return QString::fromWCharArray(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::wstring ToWString(const QString& text) {
    return text.toStdWString();
}

// Colours are stored as 0x00BBGGRR.
inline QColor ToQColor(ColorRef color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}
